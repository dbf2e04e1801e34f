#include "layouts/gap_handlers.h"

#include "core/rounding.h"
#include "document/document.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>

namespace quindor {

QString FirstAlternative(const QString& content) {
    return content.section(QLatin1Char('|'), 0, 0);
}

int GapBreakWidth(const QFontMetrics& metrics, const QString& first, int minLuecke) {
    const QString xs = QLatin1Char(' ') + QString(std::max(0, minLuecke), QLatin1Char('X'));
    return std::max(metrics.horizontalAdvance(xs),
                    metrics.horizontalAdvance(QLatin1Char(' ') + first));
}

int GapWidth(const QFontMetrics& metrics, const QString& first, int minLuecke) {
    return std::max(GapBreakWidth(metrics, first, minLuecke),
                    metrics.horizontalAdvance(QStringLiteral(" XX")));
}

GapObjectHandler::GapObjectHandler(Document& document, QSize page, int minLuecke, bool drawText)
    : document_(document), page_(page), minLuecke_(minLuecke), drawText_(drawText) {}

void GapObjectHandler::startPass(bool drawingPass, bool regenerate) {
    create_ = drawingPass && regenerate;
    cursor_ = 0;
}

int GapObjectHandler::breakWidth(const QFontMetrics& metrics, const QString& first) {
    return GapBreakWidth(metrics, first, minLuecke_);
}

int GapObjectHandler::placeGap(QPainter*, const QFontMetrics& metrics, const QString& content,
                               int x, int y, int) {
    const QString first = FirstAlternative(content);
    const int width = GapWidth(metrics, first, minLuecke_);
    ObjDataTyp* gap = nullptr;
    if (create_) {
        const int index = AddObject(document_, {.Typ = ObjectKind::Gap,
                                                .Ebene = 1,
                                                .Cap = first,
                                                .FrageNummer = 0,
                                                .Kx = 0.0,
                                                .Ky = 0.0,
                                                .KAusr = 2,
                                                .Fsize = 0});
        gap = &document_.Object(index);
        // A gap object starts zeroed but for the fields of a gap.
        gap->Farbe = 0;
        gap->BildKenn = QLatin1Char('|') + content + QLatin1Char('|');
        cursor_ = document_.Objects.size();
    } else {
        while (cursor_ < document_.Objects.size() &&
               document_.Objects[cursor_].Typ != ObjectKind::Gap)
            ++cursor_;
        if (cursor_ < document_.Objects.size())
            gap = &document_.Objects[cursor_++];
    }
    if (gap) {
        // The card stands above this point, its foot just below the letters of the line.
        gap->Kx = gap->Sx = (x + width / 2.0) / std::max(1, page_.width());
        gap->Ky = gap->Sy =
            static_cast<double>(y + metrics.height() + 4) / std::max(1, page_.height());
    }
    return x + width;
}

int BlankSizeIndex(const QString& sizeText) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{2,3}) %$"));
    const QRegularExpressionMatch match = pattern.match(sizeText);
    if (!match.hasMatch())
        return -1;
    const int percent = match.captured(1).toInt();
    if (percent < 50 || percent > 200 || percent % 10 != 0)
        return -1;
    return (percent - 50) / 10;
}

WorksheetGapHandler::WorksheetGapHandler(int mode, int minLuecke, int blankSizeIndex,
                                         bool exerciseRunning)
    : mode_(mode), minLuecke_(minLuecke), blankSizeIndex_(blankSizeIndex),
      exerciseRunning_(exerciseRunning) {}

int WorksheetGapHandler::breakWidth(const QFontMetrics& metrics, const QString& first) {
    return GapBreakWidth(metrics, first, minLuecke_);
}

int WorksheetGapHandler::placeGap(QPainter* painter, const QFontMetrics& metrics,
                                  const QString& content, int x, int y, int) {
    const QString first = FirstAlternative(content);
    const int width = GapWidth(metrics, first, minLuecke_);
    const int blank = width + RoundHalfEven((blankSizeIndex_ - 5) * width * 0.05 * 2);
    if (painter && (mode_ == 1 || mode_ == 3)) {
        const int underline = y + metrics.height();
        painter->setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
        painter->drawLine(x, underline, x + blank, underline);
    }
    if (painter && (mode_ == 2 || mode_ == 3)) {
        painter->setPen(ToQColor(0x0000FF));
        painter->drawText(QPointF(x, y + metrics.ascent()), QLatin1Char(' ') + first);
    }
    return x + blank;
}

} // namespace quindor
