#pragma once

#include "core/messages.h"
#include "print/worksheet_settings.h"

#include <QByteArray>
#include <QImage>
#include <QPicture>
#include <QRectF>

#include <vector>

class QMimeData;
class QPainter;

namespace quindor {

// Replays a sheet stretched into `target` of any painter (its coordinates as set up).
void PaintWorksheet(QPainter& painter, const QPicture& sheet, const QRectF& target);
// The sheet as a picture `width` pixels wide, on white.
QImage WorksheetImage(const QPicture& sheet, int width);

// The sheet as vector files at its own size (16 cm wide upright, 26 cm across).
QByteArray WorksheetPdf(const QPicture& sheet);
QByteArray WorksheetSvg(const QPicture& sheet);
// Sheets on A4 paper, one a page, each placed as the print dialog places it (its portrait
// values turned for a landscape sheet).
struct PrintedSheet {
    QPicture sheet;
    bool landscape = false;
};
QByteArray WorksheetPrintPdf(const std::vector<PrintedSheet>& sheets,
                             const WorksheetPrintPlacement& placement);

// The sheet for the clipboard: as SVG and as a picture.
QMimeData* WorksheetMimeData(const QPicture& sheet);

// The export: the file type follows the extension, PDF or SVG (in any case).
QString WorksheetExportTitle();
QString WorksheetExportFilter();
QString InvalidExtensionMessage();
bool IsWorksheetExportPath(const QString& path);
// Writes the sheet to path; a path with another extension is refused with the message and
// nothing is written. False when nothing was written.
bool ExportWorksheet(const QString& path, const QPicture& sheet, Messages& messages);

// The preview keeps the page's proportion (1600 : 2600 upright) with a border of 40 pixels,
// as wide as the room allows unless that makes it too high.
QSize WorksheetPreviewSize(QSize room, bool landscape);

} // namespace quindor
