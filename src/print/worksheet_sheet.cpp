#include "print/worksheet_sheet.h"

#include "core/rounding.h"
#include "print/worksheet_canvas.h"
#include "view/page_builder.h"

#include <QFontMetrics>

namespace quindor {

namespace {

// What the footer names as the program's home.
const QString kProductAddress = QStringLiteral("www.quindor.de");

// The picture area the page is fitted into when the learning view gives no page size.
constexpr QSize kDefaultPictureArea(1280, 900);

// 1 worksheet, 2 overlay, 3 complete solution: the sheet content counts 1, the answers 2.
int DrawingMode(WorksheetVariant variant) {
    const bool sheet = variant != WorksheetVariant::Overlay;
    const bool answers = variant != WorksheetVariant::Worksheet;
    return (sheet ? 1 : 0) + (answers ? 2 : 0);
}

// The logo's width as a share of the upright page's width, within what can be set (0 to
// 100 %): a value from a damaged file stays between nothing and the whole width.
double LogoShare(double stored) {
    return stored > 0.0 ? std::min(stored, 1.0) : 0.0;
}

void DrawLogo(SheetCanvas& c) {
    const HeaderDataTyp& h = c.document.Header;
    if (h.ABLogo.isEmpty())
        return;
    const QSize picture = h.ABLogo.Image.size();
    int width = RoundHalfEven(LogoShare(h.LogoGroesse) * kSheetShortSide);
    int height = RoundHalfEven(static_cast<double>(width) * picture.height() / picture.width());
    // A tall, narrow logo shrinks to leave the page for the sheet.
    if (height > c.bottomLimit / 2) {
        height = c.bottomLimit / 2;
        width = RoundHalfEven(static_cast<double>(height) * picture.width() / picture.height());
    }
    const int x = h.LogoAusricht == 1   ? (c.width - width) / 2
                  : h.LogoAusricht == 2 ? c.width - width
                                        : 0;
    if (c.sheetContent() && width > 0 && height > 0) {
        c.painter.save();
        c.painter.setRenderHint(QPainter::SmoothPixmapTransform);
        c.painter.drawImage(QRect(x, 0, width, height), h.ABLogo.Image);
        c.painter.restore();
    }
    c.y = height + c.textHeight(c.font(15));
}

void DrawFillInFields(SheetCanvas& c) {
    const WorksheetSettings& s = c.settings;
    const QFont font = c.font(18);
    const int t18 = c.textHeight(font);
    const int half = RoundHalfEven(0.5 * c.width);
    const int quarter = RoundHalfEven(0.25 * c.width);
    const struct {
        bool shown;
        QString label;
        int x;
        int length;
    } fields[] = {
        {s.ABNameBox, QStringLiteral("Name:"), 0, half},
        {s.ABKlasseBox, QStringLiteral("Klasse:"), half, quarter},
        {s.ABDatumBox, QStringLiteral("Datum:"), half + quarter, quarter},
    };
    bool any = false;
    for (const auto& field : fields) {
        if (!field.shown)
            continue;
        any = true;
        if (!c.sheetContent())
            continue;
        c.text(field.x, c.y, field.label, font, Qt::AlignLeft);
        c.line(field.x, c.y + t18, field.x + field.length, c.y + t18);
    }
    // The overlay keeps the room, so that it matches the sheet.
    if (any)
        c.y += RoundHalfEven(t18 * 2.5);
}

void DrawTitle(SheetCanvas& c) {
    const QString& title = c.settings.TitelEdit;
    if (title.isEmpty())
        return;
    c.y += RoundHalfEven(c.textHeight(c.font(18)) * 0.5);
    const QFont font = c.font(30, true);
    const int t30 = c.textHeight(font);
    if (c.sheetContent()) {
        c.text(RoundHalfEven(0.5 * c.width), c.y, title, font, Qt::AlignHCenter);
        c.frame(0, c.y - RoundHalfEven(t30 * 0.3), c.width, c.y + RoundHalfEven(t30 * 1.3));
    }
    c.y += RoundHalfEven(t30 * 2.0);
}

void DrawTask(SheetCanvas& c) {
    QString task = c.settings.AufgMemo;
    if (task.isEmpty())
        return;
    qsizetype end = task.size();
    while (end > 0 && task.at(end - 1).isSpace())
        --end;
    task.truncate(end);
    task.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    task += QLatin1Char('\n');
    const QFont font = c.font(25);
    const QRect area(0, c.y, c.width, c.height);
    const int flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
    const QRect used = QFontMetrics(font, c.painter.device()).boundingRect(area, flags, task);
    if (c.sheetContent()) {
        c.painter.setFont(font);
        c.painter.setPen(Qt::black);
        c.painter.drawText(area, flags, task);
    }
    c.y += used.height();
}

void DrawBody(SheetCanvas& c) {
    const HeaderDataTyp& h = c.document.Header;
    switch (h.DokTyp) {
    case DocumentType::GapText:
        if (h.DokUnterTyp == DocumentSubtype::GapTable)
            DrawGapTableBody(c);
        else
            DrawGapTextBody(c);
        break;
    case DocumentType::Questions:
        DrawSingleQuestionBody(c);
        break;
    case DocumentType::MultipleChoice:
        DrawChoiceBody(c);
        break;
    case DocumentType::Cluster:
        DrawClusterBody(c);
        break;
    case DocumentType::CrossMatching:
        DrawPairBody(c);
        break;
    default:
        // Free labelling, and any type this program does not know, is a page of cards.
        DrawLabellingBody(c);
        break;
    }
}

void DrawFooter(SheetCanvas& c) {
    const HeaderDataTyp& h = c.document.Header;
    const QFont font = c.font(15);
    const int t15 = c.textHeight(font);
    int b = c.height - t15;
    if (!h.Fusszeile.isEmpty())
        b -= t15;
    if (!c.sheetContent())
        return;
    c.line(0, b, c.width, b);
    c.text(0, b, QStringLiteral("Erstellt mit Quindor."), font, Qt::AlignLeft);
    c.text(c.width, b, kProductAddress, font, Qt::AlignRight);
    if (h.Fusszeile.isEmpty())
        return;
    const int x = h.FusszeileAusricht == 1   ? RoundHalfEven(0.5 * c.width)
                  : h.FusszeileAusricht == 2 ? c.width
                                             : 0;
    const Qt::AlignmentFlag align = h.FusszeileAusricht == 1   ? Qt::AlignHCenter
                                    : h.FusszeileAusricht == 2 ? Qt::AlignRight
                                                               : Qt::AlignLeft;
    c.text(x, b + t15, h.Fusszeile, font, align);
}

// The types whose answers the bank lists.
bool HasAnswerBank(DocumentType type) {
    return type != DocumentType::MultipleChoice && type != DocumentType::CrossMatching;
}

} // namespace

QFont SheetCanvas::font(int units, bool bold) const {
    QFont f(document.FontName);
    f.setPixelSize(std::max(1, units));
    f.setBold(bold);
    return f;
}

int SheetCanvas::textHeight(const QFont& f) const {
    return QFontMetrics(f, painter.device()).height();
}

int SheetCanvas::textWidth(const QFont& f, const QString& text) const {
    return QFontMetrics(f, painter.device()).horizontalAdvance(text);
}

void SheetCanvas::text(int x, int top, const QString& text, const QFont& f, Qt::AlignmentFlag align,
                       const QColor& colour) {
    const QFontMetrics metrics(f, painter.device());
    int left = x;
    if (align == Qt::AlignHCenter)
        left = x - metrics.horizontalAdvance(text) / 2;
    else if (align == Qt::AlignRight)
        left = x - metrics.horizontalAdvance(text);
    painter.setFont(f);
    painter.setPen(colour);
    painter.drawText(QPointF(left, top + metrics.ascent()), text);
}

void SheetCanvas::line(int x1, int y1, int x2, int y2, const QColor& colour, int lineWidth) {
    painter.setPen(QPen(colour, lineWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(x1, y1, x2, y2);
}

void SheetCanvas::frame(int left, int top, int right, int bottom) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

MarkupLayoutParams SheetCanvas::layoutParams(int emHeight, int areaRight, bool draw) const {
    MarkupLayoutParams params;
    params.painter = &painter;
    params.fontName = document.FontName;
    params.areaRight = areaRight;
    params.rightMargin = 0;
    params.measureOnly = !draw;
    params.colour = 0;
    params.fontHeight = -emHeight;
    return params;
}

QSize WorkingPageSize(const SheetCanvas& c) {
    if (!c.source.pageImageSize.isEmpty())
        return c.source.pageImageSize;
    const QImage& base = c.document.BaseImage.Image;
    const QSize baseSize = base.isNull() ? QSize(870, 600) : base.size();
    return FitPage(PageSizeOf(c.document.Header, baseSize), kDefaultPictureArea, 1.0).zoomedSize;
}

QSize SheetSize(bool landscape) {
    return landscape ? QSize(kSheetLongSide, kSheetShortSide)
                     : QSize(kSheetShortSide, kSheetLongSide);
}

SheetPicture BuildWorksheet(const WorksheetSource& source, WorksheetSettings& settings,
                            WorksheetRequest& request) {
    const QSize size = SheetSize(settings.landscape());
    // One unit wider than the page, so that a line at its right edge is on it.
    SheetPictureDevice device(QSize(size.width() + 1, size.height()));
    if (!source.document)
        return device.picture();
    // The sheet changes the document's objects as it draws them (the shuffled pairs, the
    // recorded card places); the open document stays as it is.
    Document document = *source.document;
    {
        QPainter painter(&device);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        SheetCanvas canvas{painter, document, settings, source, request};
        canvas.mode = DrawingMode(request.variant);
        canvas.width = size.width();
        canvas.height = size.height();
        const int t15 = canvas.textHeight(canvas.font(15));
        canvas.bottomLimit = size.height() - t15 - (document.Header.Fusszeile.isEmpty() ? 0 : t15);
        DrawLogo(canvas);
        DrawFillInFields(canvas);
        DrawTitle(canvas);
        DrawTask(canvas);
        if (settings.TextvorgabeCheck && HasAnswerBank(document.Header.DokTyp))
            DrawAnswerBank(canvas);
        DrawBody(canvas);
        DrawFooter(canvas);
    }
    request.orientationChanged = false;
    return device.picture();
}

} // namespace quindor
