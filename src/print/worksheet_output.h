#pragma once

#include "core/messages.h"
#include "print/worksheet_settings.h"

#include "print/sheet_picture.h"
#include <QByteArray>
#include <QImage>
#include <QPageSize>
#include <QRectF>

#include <vector>

class QMimeData;
class QPainter;

namespace quindor {

// Replays a sheet stretched into `target` of any painter (its coordinates as set up); with
// pictureDpi its pictures are no finer than that on the painter's device.
void PaintWorksheet(QPainter& painter, const SheetPicture& sheet, const QRectF& target,
                    int pictureDpi = 0);
// The sheet as a picture `width` pixels wide, on white.
QImage WorksheetImage(const SheetPicture& sheet, int width);

// The sheet as a vector picture at its own size (16 cm wide upright, 26 cm across). Its
// pictures keep at least 150 dpi on the paper (finer ones are reduced), as in the PDF below.
QByteArray WorksheetSvg(const SheetPicture& sheet);
// Sheets on paper (A4 unless told otherwise), one a page, each placed as the print dialog
// places it (its portrait values turned for a landscape sheet).
struct PrintedSheet {
    SheetPicture sheet;
    bool landscape = false;
};
QByteArray WorksheetPrintPdf(const std::vector<PrintedSheet>& sheets,
                             const WorksheetPrintPlacement& placement,
                             const QPageSize& paper = QPageSize(QPageSize::A4));

// The sheet for the clipboard: as SVG and as a picture.
QMimeData* WorksheetMimeData(const SheetPicture& sheet);

// The export: the file type follows the extension, PDF or SVG (in any case).
QString WorksheetExportTitle();
QString WorksheetExportFilter();
QString InvalidExtensionMessage();
bool IsWorksheetExportPath(const QString& path);
// Where an exported PDF puts the sheet: on the paper the printer is set up for, as the print
// dialog places it.
struct WorksheetPaper {
    QPageSize size = QPageSize(QPageSize::A4);
    WorksheetPrintPlacement placement;
    bool landscape = false;
};
// Writes the sheet to path, a PDF on the paper, an SVG at the sheet's size; a path with another
// extension is refused with the message and nothing is written. False when nothing was
// written.
bool ExportWorksheet(const QString& path, const SheetPicture& sheet, const WorksheetPaper& paper,
                     Messages& messages);

// The preview keeps the page's proportion (1600 : 2600 upright) with a border of 40 pixels,
// as wide as the room allows unless that makes it too high.
QSize WorksheetPreviewSize(QSize room, bool landscape);

} // namespace quindor
