#include "print/worksheet_output.h"

#include "core/file_replace.h"
#include "core/rounding.h"
#include "document/document_session.h"

#include <QBuffer>
#include <QFileInfo>
#include <QMimeData>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace quindor {

namespace {

constexpr int kPdfResolution = 1200;
// What files keep of the pictures: enough for paper.
constexpr int kFilePictureDpi = 150;
// The sheet's units as the resolution of an SVG file, so that it keeps its size in print.
constexpr int kSvgResolution = 159;
// The clipboard's picture of the sheet.
constexpr int kClipboardWidth = 1600;

} // namespace

void PaintWorksheet(QPainter& painter, const SheetPicture& sheet, const QRectF& target,
                    int pictureDpi) {
    const QSize size = sheet.size();
    if (sheet.isNull() || size.isEmpty() || target.isEmpty())
        return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / size.width(), target.height() / size.height());
    sheet.replay(painter, pictureDpi);
    painter.restore();
}

QImage WorksheetImage(const SheetPicture& sheet, int width) {
    const QSize size = sheet.size();
    const int height =
        size.isEmpty() ? 1 : RoundHalfEven(double(width) * size.height() / size.width());
    QImage image(std::max(1, width), std::max(1, height), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    PaintWorksheet(painter, sheet, QRectF(0, 0, image.width(), image.height()));
    return image;
}

QByteArray WorksheetSvg(const SheetPicture& sheet) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QSize bounds = sheet.size();
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(kSvgResolution);
    svg.setSize(bounds);
    svg.setViewBox(QRect(QPoint(0, 0), bounds));
    svg.setTitle(QStringLiteral("Arbeitsblatt"));
    QPainter painter(&svg);
    PaintWorksheet(painter, sheet, QRectF(0, 0, bounds.width(), bounds.height()), kFilePictureDpi);
    painter.end();
    return bytes;
}

QByteArray WorksheetPrintPdf(const std::vector<PrintedSheet>& sheets,
                             const WorksheetPrintPlacement& placement, const QPageSize& paper) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setCreator(QStringLiteral("Quindor"));
    pdf.setResolution(kPdfResolution);
    QPainter painter;
    for (size_t i = 0; i < sheets.size(); ++i) {
        const bool landscape = sheets[i].landscape;
        pdf.setPageLayout(QPageLayout(
            paper, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF()));
        if (i == 0)
            painter.begin(&pdf);
        else
            pdf.newPage();
        // Paper in 0.1 mm from its top-left corner; a PDF page prints to its edges.
        painter.save();
        const double perTenth = pdf.resolution() / 254.0;
        painter.scale(perTenth, perTenth);
        const PrintRectangle r = WorksheetPrintRect(ShownPlacement(placement, landscape), 0, 0);
        PaintWorksheet(painter, sheets[i].sheet, QRectF(r.left, r.top, r.width, r.height),
                       kFilePictureDpi);
        painter.restore();
    }
    if (painter.isActive())
        painter.end();
    return bytes;
}

QMimeData* WorksheetMimeData(const SheetPicture& sheet) {
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/svg+xml"), WorksheetSvg(sheet));
    data->setImageData(WorksheetImage(sheet, kClipboardWidth));
    return data;
}

QString WorksheetExportTitle() {
    return QStringLiteral("Arbeitsblatt exportieren");
}

QString WorksheetExportFilter() {
    return QStringLiteral("PDF-Dokument (*.pdf)|*.pdf|SVG-Grafik (*.svg)|*.svg|"
                          "Alle Dateien (*.*)|*.*");
}

QString InvalidExtensionMessage() {
    return QStringLiteral("Speichern fehlgeschlagen wegen ung\u00fcltiger Dateinamenserweiterung.");
}

bool IsWorksheetExportPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("pdf") || suffix == QLatin1String("svg");
}

bool ExportWorksheet(const QString& path, const SheetPicture& sheet, const WorksheetPaper& paper,
                     Messages& messages) {
    if (!IsWorksheetExportPath(path)) {
        messages.error(InvalidExtensionMessage());
        return false;
    }
    const bool svg = QFileInfo(path).suffix().toLower() == QLatin1String("svg");
    const QByteArray bytes =
        svg ? WorksheetSvg(sheet)
            : WorksheetPrintPdf({{sheet, paper.landscape}}, paper.placement, paper.size);
    if (!ReplaceFileContent(path, bytes)) {
        messages.error(DocumentSession::WriteErrorMessage(path));
        return false;
    }
    return true;
}

QSize WorksheetPreviewSize(QSize room, bool landscape) {
    const int across = landscape ? 2600 : 1600;
    const int down = landscape ? 1600 : 2600;
    int width = room.width();
    int height = (width - 40) * down / across + 40;
    if (height > room.height()) {
        height = room.height();
        width = (height - 40) * across / down + 40;
    }
    return QSize(std::max(0, width), std::max(0, height));
}

} // namespace quindor
