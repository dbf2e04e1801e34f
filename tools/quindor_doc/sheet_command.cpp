#include "quindor_doc/sheet_command.h"

#include "core/file_replace.h"
#include "core/rounding.h"
#include "whiteboard/picture_files.h"
#include "whiteboard/sheets.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include <optional>

namespace quindor::doc {

namespace {

struct SheetOptions {
    SheetPattern pattern;
    QString output;
    std::optional<QSize> size;
};

std::optional<int> Number(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

bool Parse(const QStringList& arguments, SheetOptions& options, QTextStream& err) {
    if (arguments.size() < 2)
        return false;
    if (!SheetByName(arguments.at(0), options.pattern)) {
        err << "Unbekannte Blattart \"" << arguments.at(0)
            << "\"; bekannt sind: " << SheetNames().join(QStringLiteral(", ")) << '\n';
        return false;
    }
    options.output = arguments.at(1);
    for (qsizetype i = 2; i < arguments.size(); i += 2) {
        if (i + 1 >= arguments.size())
            return false;
        const QString& flag = arguments.at(i);
        const QString& value = arguments.at(i + 1);
        if (flag == QLatin1String("--size")) {
            const auto match =
                QRegularExpression(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$")).match(value);
            const int w = match.captured(1).toInt();
            const int h = match.captured(2).toInt();
            if (!match.hasMatch() || w < 16 || h < 16 || w > 16000 || h > 16000)
                return false;
            options.size = QSize(w, h);
            continue;
        }
        const std::optional<int> number = Number(value);
        if (!number)
            return false;
        if (flag == QLatin1String("--count"))
            options.pattern.count = ClampCount(options.pattern.kind, *number);
        else if (flag == QLatin1String("--rows"))
            options.pattern.rows = *number;
        else if (flag == QLatin1String("--columns"))
            options.pattern.columns = *number;
        else
            return false;
    }
    options.pattern = ClampTable(options.pattern);
    return true;
}

QByteArray PdfSheet(const SheetPattern& pattern, std::optional<QSize> size) {
    const bool landscape = size && size->width() > size->height();
    const int width = size ? size->width() : 1240;
    // The sheet takes the page's proportions: A4 is 210 x 297 millimetres.
    const int height = RoundHalfEven(width * (landscape ? 210.0 / 297.0 : 297.0 / 210.0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Quindor"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    painter.setWindow(0, 0, width, height);
    DrawSheet(painter, pattern, QSize(width, height));
    painter.end();
    return bytes;
}

} // namespace

int RunSheet(const QStringList& arguments, QTextStream& err) {
    SheetOptions options;
    if (!Parse(arguments, options, err))
        return 2;
    const bool pdf =
        QFileInfo(options.output).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
    const QByteArray bytes =
        pdf ? PdfSheet(options.pattern, options.size)
            : EncodePicture(MakeSheet(options.pattern, options.size.value_or(QSize(1920, 1080))),
                            PictureFormatOf(options.output));
    if (bytes.isEmpty() || !ReplaceFileContent(options.output, bytes)) {
        err << QString(CannotCreateMessage(options.output))
                   .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
            << '\n';
        return 1;
    }
    return 0;
}

} // namespace quindor::doc
