#include "view/object_renderer.h"

#include "core/rounding.h"
#include "document/numbering.h"
#include "layouts/pair_layout.h"
#include "view/question_view.h"

#include <QFontMetrics>
#include <QPainterPath>

#include <algorithm>

namespace quindor {

namespace {

int Alpha(int percent) {
    return RoundHalfEven(std::clamp(percent, 0, 100) / 100.0 * 255);
}

QColor TowardsBlack(const QColor& c, double share) {
    QColor result =
        QColor::fromRgbF(c.redF() * (1 - share), c.greenF() * (1 - share), c.blueF() * (1 - share));
    result.setAlpha(c.alpha());
    return result;
}

QFont EmFont(const QString& family, int height, int style = 0) {
    QFont font(family);
    font.setPixelSize(std::max(1, height));
    font.setBold(style & 1);
    font.setItalic(style & 2);
    font.setUnderline(style & 4);
    font.setStrikeOut(style & 8);
    return font;
}

// Texts of the cluster and pair layouts, wrapped at the width the layout fixed.
bool IsFixedWidthTextKind(ObjectKind kind) {
    return kind == ObjectKind::ClusterStaticText || kind == ObjectKind::ClusterText ||
           kind == ObjectKind::PairStaticText || kind == ObjectKind::PairText;
}

QString ButtonText(ObjectKind kind) {
    static const char* const kTexts[] = {"<", ">", "|<", ">|", "?"};
    return QString::fromLatin1(kTexts[StoredKind(kind) - StoredKind(ObjectKind::NavPrevious)]);
}

int CardFontHeight(const Document& document, const ObjDataTyp& o, const RenderContext& context) {
    const double base = (2.0 * o.Fsize + 22.0) * context.scale();
    if (o.Typ == ObjectKind::Gap && document.Header.DokTyp == DocumentType::GapText)
        return RoundHalfEven(base + context.gapFontAdjustment);
    return RoundHalfEven(base);
}

QString CardText(const ObjDataTyp& o) {
    // An empty text card of a query still gets a card to cover.
    if (o.Cap.isEmpty() && (o.Typ == ObjectKind::QueryLabel || o.Typ == ObjectKind::Gap ||
                            o.Typ == ObjectKind::ClusterText || o.Typ == ObjectKind::PairText))
        return QStringLiteral(" ");
    return QString(o.Cap).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QSize PointSize(const ObjDataTyp& o, const RenderContext& context) {
    const int marker = RoundHalfEven(30 * context.scale());
    if (o.PktCap.size() < 3 && o.PktCap2.size() < 3)
        return {marker, marker};
    const QFontMetrics metrics(
        EmFont(QStringLiteral("Arial"), RoundHalfEven(12 * context.scale()), 1));
    int width = metrics.horizontalAdvance(o.PktCap + QLatin1Char('X'));
    if (!o.PktCap2.isEmpty())
        width = std::max(width, metrics.horizontalAdvance(o.PktCap2 + QStringLiteral("XX")));
    return {std::max(marker, width), marker};
}

// Cluster cards sit centred on their cell's point rather than beside it.
constexpr int kSideCentred = 5;

// The side of the card seen from the anchor, worked out once for automatic placement.
int EffectiveSide(ObjDataTyp& o, const RenderContext& context) {
    if (o.KAusr >= 1 && o.KAusr <= kSideCentred)
        return o.KAusrAkt = o.KAusr;
    if (o.KAusrAkt >= 1 && o.KAusrAkt <= 4)
        return o.KAusrAkt;
    const double dy = (o.Ky - o.Sy) / std::max(1e-9, context.displayAspect);
    if (std::abs(dy) > std::abs(o.Kx - o.Sx))
        o.KAusrAkt = o.Ky < o.Sy ? 2 : 4;
    else
        o.KAusrAkt = o.Kx >= o.Sx ? 1 : 3;
    return o.KAusrAkt;
}

QRect PlaceCard(const QPoint& point, QSize size, int side, bool picture, double scale) {
    const int gapSide = RoundHalfEven(7 * scale);
    const int gapVertical = picture ? gapSide : RoundHalfEven(2 * scale);
    const int w = size.width();
    const int h = size.height();
    switch (side) {
    case 2:
        return {point.x() - RoundHalfEven(w / 2.0), point.y() - h - gapVertical, w, h};
    case 3:
        return {point.x() - w - gapSide, point.y() - RoundHalfEven(h / 2.0), w, h};
    case 4:
        return {point.x() - RoundHalfEven(w / 2.0), point.y() + gapVertical, w, h};
    case kSideCentred:
        return {point.x() - RoundHalfEven(w / 2.0), point.y() - RoundHalfEven(h / 2.0), w, h};
    default:
        return {point.x() + gapSide, point.y() - RoundHalfEven(h / 2.0), w, h};
    }
}

void DrawSquareBrushLine(QPainter& painter, QPointF from, QPointF to, int thickness,
                         QColor colour) {
    if (thickness <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, 1));
    const int low = -(thickness / 2);
    const int high = thickness - thickness / 2 - 1;
    for (int dx = low; dx <= high; ++dx) {
        for (int dy = low; dy <= high; ++dy)
            painter.drawLine(from + QPointF(dx, dy), to + QPointF(dx, dy));
    }
    painter.restore();
}

// Wrapped text in the card, shrunk until it fits the card height (or 3 pixels).
// Returns where the text went.
QRect DrawCardText(QPainter& painter, const QRect& card, const QString& text, QFont font, int align,
                   QColor colour, bool sizedFromText) {
    const int flags = Qt::TextWordWrap | align | Qt::AlignVCenter;
    int size = font.pixelSize();
    // A card measured from its own text in this font holds it; only other cards are fitted.
    while (!sizedFromText && size > 3) {
        const QRect needed = QFontMetrics(font).boundingRect(card, flags, text);
        if (needed.height() <= card.height())
            break;
        size = std::min(size - 1, RoundHalfEven(size * 0.9));
        font.setPixelSize(std::max(1, size));
    }
    painter.setFont(font);
    painter.setPen(colour);
    QRect drawn;
    painter.drawText(card, flags, text, &drawn);
    return drawn;
}

void DrawCoveredField(QPainter& painter, const Document& document, int index, const QRect& card,
                      const RenderContext& context) {
    const ObjDataTyp& o = document.Objects[static_cast<size_t>(index)];
    painter.save();
    // Everything of the covered look stays on the card: uncovering restores only the card.
    painter.setClipRect(card, Qt::IntersectClip);
    painter.setPen(QPen(ToQColor(0xBB7D46), 1));
    painter.setBrush(ToQColor(0xFFE4CA));
    painter.drawRect(card.adjusted(0, 0, -1, -1));
    const double scale = context.scale();
    if (card.height() >= 1) {
        double height = 22 * scale;
        if ((o.Typ == ObjectKind::Gap || o.Typ == ObjectKind::TableQueryPicture) &&
            document.Header.DokTyp == DocumentType::GapText)
            height += context.gapFontAdjustment;
        QFont font = EmFont(QStringLiteral("Arial"), RoundHalfEven(height), o.Stil);
        while (font.pixelSize() > 1 && QFontMetrics(font).height() > card.height())
            font.setPixelSize(font.pixelSize() - 1);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(card, Qt::AlignCenter, QStringLiteral("?"));
    }
    if (o.Nummer >= 1) {
        const int full = std::max(1, RoundHalfEven(30 * scale));
        const int diameter = std::min({full, card.width(), card.height()});
        const QRect circle(card.center().x() - diameter / 2, card.center().y() - diameter / 2,
                           diameter, diameter);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(ToQColor(0xBB7D46), 1));
        painter.setBrush(Qt::white);
        painter.drawEllipse(circle);
        painter.setFont(EmFont(QStringLiteral("Arial"),
                               RoundHalfEven(20 * scale * diameter / static_cast<double>(full)),
                               1));
        painter.setPen(ToQColor(0x0000FF));
        painter.drawText(circle, Qt::AlignCenter, NumberLabel(document, index));
    }
    painter.restore();
}

// Open targets of a run show their number, except where the run asks otherwise: questions
// and baskets show nothing, typed answers show only their fields, and in single-position mode
// the positions not asked are grey.
bool OpenTargetHidden(const Document& document, const RenderContext& context) {
    if (!context.exercise)
        return false;
    const DocumentTypeRow& type = document.Header.Type();
    return type.questions || type.baskets ||
           (!type.typedQueryKinds.empty() && context.exerciseQueryMode == QueryMode::Typing);
}

// Returns the area the mark may take, beyond the card for the tick and the cross.
QRect DrawRunStateMark(QPainter& painter, const Document& document, int index, const QRect& card,
                       const RenderContext& context) {
    const ObjDataTyp& o = document.Objects[static_cast<size_t>(index)];
    if (o.State == ObjectState::Open && OpenTargetHidden(document, context))
        return QRect();
    // Single-position mode: the positions not asked now are grey.
    if (o.State == ObjectState::Open && context.exercise &&
        !document.Header.Type().typedQueryKinds.empty() &&
        context.exerciseQueryMode == QueryMode::SinglePosition && index != context.askedTarget) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(ToQColor(0xB0B0B0));
        painter.setBrush(ToQColor(0xD0D0D0));
        painter.drawEllipse(card.adjusted(0, 0, -1, -1));
        painter.restore();
        return card;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QRect area = card;
    const bool ticked = o.State == ObjectState::Ticked;
    if (ticked || o.State == ObjectState::Crossed) {
        // The tick and cross of the exercise marks, in a font that has them.
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(24);
        painter.setFont(font);
        painter.setPen(ticked ? ToQColor(0x00C400) : ToQColor(0x0000DC));
        const QPoint centre = card.topLeft() + QPoint(17, ticked ? 22 : 20);
        const QRect mark(centre - QPoint(22, 19), QSize(44, 38));
        QRect drawn;
        painter.drawText(mark, Qt::AlignCenter,
                         ticked ? QStringLiteral("\u2714") : QStringLiteral("\u2718"), &drawn);
        area |= mark | drawn;
    } else if (o.State == ObjectState::Open) {
        painter.setPen(Qt::black);
        painter.setBrush(ToQColor(0xE8ECEC));
        painter.drawEllipse(card.adjusted(0, 0, -1, -1));
        painter.setFont(
            EmFont(QStringLiteral("Arial"), RoundHalfEven(20 * card.height() / 30.0), 1));
        painter.setPen(ToQColor(0x0000FF));
        painter.drawText(card, Qt::AlignCenter, NumberLabel(document, index));
    }
    painter.restore();
    return area;
}

// Returns where the point and its caption went.
QRect DrawPoint(QPainter& painter, const ObjDataTyp& o, const QRect& card,
                const RenderContext& context) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const int alpha = Alpha(o.HDeck);
    const QColor fill = (context.exercise && o.PunktInUebung == 0) ? ToQColor(0xC0C0C0, alpha)
                                                                   : ToQColor(o.HFarbe, alpha);
    painter.setPen(QPen(TowardsBlack(fill, 0.3), std::max(1.0, context.scale())));
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(card).adjusted(0.5, 0.5, -0.5, -0.5));
    const bool twoLines = !o.PktCap2.isEmpty();
    painter.setFont(
        EmFont(QStringLiteral("Arial"), RoundHalfEven((twoLines ? 10 : 12) * context.scale()), 1));
    painter.setPen(ToQColor(o.Farbe));
    QRect drawn;
    painter.drawText(card, Qt::AlignCenter,
                     twoLines ? o.PktCap + QLatin1Char('\n') + o.PktCap2 : o.PktCap, &drawn);
    painter.restore();
    return card | drawn;
}

// Returns where the button and its sign went.
QRect DrawButton(QPainter& painter, const Document& document, const ObjDataTyp& o,
                 const QRect& card, const RenderContext& context) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor fill = ToQColor(document.Header.FragBtnHtgdCol);
    painter.setPen(QPen(TowardsBlack(fill, 0.3), std::max(1.0, context.scale())));
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(card).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setFont(EmFont(QStringLiteral("Arial"), RoundHalfEven(16 * context.scale()), 1));
    painter.setPen(ToQColor(document.Header.FragBtnTextCol));
    QRect drawn;
    painter.drawText(card, Qt::AlignCenter, ButtonText(o.Typ), &drawn);
    painter.restore();
    return card | drawn;
}

void DrawCardBackground(QPainter& painter, const ObjDataTyp& o, const QRect& card) {
    if (o.HDeck >= 1)
        painter.fillRect(card, ToQColor(o.HFarbe, Alpha(o.HDeck)));
}

void DrawCardPicture(QPainter& painter, const ObjDataTyp& o, const QRect& card) {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, o.Picture.Linear);
    painter.setOpacity(Alpha(o.BildDeck) / 255.0);
    painter.drawImage(card, o.Picture.Image);
    painter.restore();
}

QRect DrawCardCaption(QPainter& painter, const ObjDataTyp& o, const QRect& card, const QFont& font,
                      const QColor& colour, bool sizedFromText, double scale) {
    const int align = o.TAusr == 1   ? Qt::AlignHCenter
                      : o.TAusr == 2 ? Qt::AlignRight
                                     : Qt::AlignLeft;
    return DrawCardText(painter,
                        card.adjusted(RoundHalfEven(3 * scale), 0, -RoundHalfEven(3 * scale), 0),
                        CardText(o), font, align, colour, sizedFromText);
}

// The query fields a worksheet turns into blanks, with their answers on the solutions.
bool IsWorksheetQueryField(ObjectKind kind) {
    return kind == ObjectKind::QueryLabel || kind == ObjectKind::Gap ||
           kind == ObjectKind::QueryPicture || kind == ObjectKind::AnswerField ||
           kind == ObjectKind::TableQueryPicture;
}

// The cards a worksheet shows as the learning view does (not on the overlay).
bool IsWorksheetCard(ObjectKind kind) {
    switch (kind) {
    case ObjectKind::FixedLabel:
    case ObjectKind::FixedPicture:
    case ObjectKind::PictureLink:
    case ObjectKind::TableStaticPicture:
    case ObjectKind::TablePictureLink:
    case ObjectKind::ClusterStaticText:
    case ObjectKind::ClusterStaticPicture:
    case ObjectKind::PairStaticText:
    case ObjectKind::PairText:
    case ObjectKind::PairStaticPicture:
    case ObjectKind::PairPicture:
        return true;
    default:
        return false;
    }
}

// The blank of a query field: the card widened by the blank size towards the side it lies on
// (on both sides when it lies above or below its anchor), with a margin, kept inside the
// picture.
QRect WorksheetBlank(const QRect& card, int side, const RenderContext& context) {
    const int d = RoundHalfEven((context.blankSizeIndex - 5) * card.width() * 0.05);
    int left = card.left();
    int right = card.left() + card.width();
    if (side == 1) {
        right += 2 * d;
    } else if (side == 3) {
        left -= 2 * d;
    } else {
        left -= d;
        right += d;
    }
    const QSize image = context.imageSize;
    const int marginX = RoundHalfEven(image.width() * 0.01);
    const int marginY = RoundHalfEven(card.height() * 0.1);
    left = std::max(left - marginX, RoundHalfEven(image.width() * 0.005));
    right = std::min(right + marginX, RoundHalfEven(image.width() * 0.995));
    const int top = std::max(card.top() - marginY, RoundHalfEven(image.height() * 0.005));
    const int bottom =
        std::min(card.top() + card.height() + marginY, RoundHalfEven(image.height() * 0.995));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void DrawWorksheetBlank(QPainter& painter, const QRect& box) {
    if (box.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(box, Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawRect(box.adjusted(1, 1, -2, -2));
    painter.restore();
}

void DrawWorksheetCard(QPainter& painter, const ObjDataTyp& o, const QRect& card, int side,
                       const QFont& font, bool pictureCard, bool sizedFromText,
                       const RenderContext& context) {
    const SheetDrawing mode = context.worksheetMode;
    const bool sheet = mode == SheetDrawing::Worksheet || mode == SheetDrawing::Solution;
    const bool answers = mode == SheetDrawing::Overlay || mode == SheetDrawing::Solution;
    const QColor red = ToQColor(0x0000FF);
    const double scale = context.scale();
    if (IsWorksheetQueryField(o.Typ) || o.Typ == ObjectKind::ChoiceMarker) {
        if (sheet && o.Typ != ObjectKind::ChoiceMarker)
            DrawWorksheetBlank(painter, WorksheetBlank(card, side, context));
        if (!answers)
            return;
        if (pictureCard && o.Typ != ObjectKind::ChoiceMarker)
            DrawCardPicture(painter, o, card);
        else
            DrawCardCaption(painter, o, card, font, red, sizedFromText, scale);
        return;
    }
    // The items of the baskets are what the learner writes on the lines.
    const bool basketItem = o.Typ == ObjectKind::ClusterText || o.Typ == ObjectKind::ClusterPicture;
    if (basketItem ? !answers : !(sheet && IsWorksheetCard(o.Typ)))
        return;
    DrawCardBackground(painter, o, card);
    if (pictureCard)
        DrawCardPicture(painter, o, card);
    else
        DrawCardCaption(painter, o, card, font, basketItem ? red : ToQColor(o.Farbe), sizedFromText,
                        scale);
}

} // namespace

bool IsCoveredQueryField(const ObjDataTyp& o) {
    if (o.State != ObjectState::Covered)
        return false;
    switch (o.Typ) {
    case ObjectKind::QueryLabel:
    case ObjectKind::Gap:
    case ObjectKind::QueryPicture:
    case ObjectKind::AnswerField:
    case ObjectKind::ChoiceMarker:
    case ObjectKind::TableQueryPicture:
        return true;
    default:
        return false;
    }
}

int AnswerPlace(const Document& document, int index, const RenderContext& context) {
    const ObjectKind typ = document.Objects[static_cast<size_t>(index)].Typ;
    if (!context.exercise || !context.answerPlacement ||
        (typ != ObjectKind::ChoiceAnswerText && typ != ObjectKind::ChoiceAnswerPicture))
        return index;
    const std::vector<int>& map = *context.answerPlacement;
    if (index >= static_cast<int>(map.size()) || map[static_cast<size_t>(index)] < 0 ||
        map[static_cast<size_t>(index)] >= document.ObjectCount())
        return index;
    return map[static_cast<size_t>(index)];
}

bool RenderContext::layerVisible(int ebene) const {
    if (exercise)
        return true;
    return ebene >= 0 && ebene < 4 && layers[static_cast<size_t>(ebene)];
}

void DrawObject(Document& document, int index, QPainter& painter, const RenderContext& context) {
    ObjDataTyp& o = document.Objects.at(static_cast<size_t>(index));
    if (HiddenByQuestion(document, o, context.currentQuestion, context.exercise)) {
        // Not on the page, so nothing to click either.
        o.CardRect = {-1.0, -1.0, -1.0, -1.0};
        return;
    }
    if (!context.layerVisible(o.Ebene))
        return;
    // Points and the info layer never appear on a worksheet.
    const SheetDrawing sheetMode = context.worksheetMode;
    if (sheetMode != SheetDrawing::View && (IsPointKind(o.Typ) || o.Ebene == 2))
        return;
    if (context.exercise && o.Ebene == 2) {
        const bool point = IsPointKind(o.Typ) || o.Typ == ObjectKind::PictureLink ||
                           o.Typ == ObjectKind::TablePictureLink;
        if (!point || o.PunktInUebung != 1)
            return;
    }
    if (context.exercise && IsNavigationKind(o.Typ))
        return;
    const double scale = context.scale();
    const QSize image = context.imageSize;
    const ObjDataTyp& place =
        document.Objects[static_cast<size_t>(AnswerPlace(document, index, context))];
    const QPoint cardPoint(RoundHalfEven(place.Kx * image.width()),
                           RoundHalfEven(place.Ky * image.height()));
    const QPoint anchor(RoundHalfEven(o.Sx * image.width()), RoundHalfEven(o.Sy * image.height()));
    // Everything the object paints lies in here (for the callers that restore only what the
    // objects painted).
    QRect ink;
    const int thick = std::max(0, o.LinieDicke);
    // The overlay solution leaves out the lines to the cards.
    if (context.drawLines && o.Sline == 1 && thick > 0 && sheetMode != SheetDrawing::Overlay) {
        DrawSquareBrushLine(painter, anchor, cardPoint, o.LinieDicke, ToQColor(o.LinieFarbe));
        ink |= QRect(anchor, cardPoint).normalized().adjusted(-thick, -thick, thick, thick);
    }
    if (context.drawLines && o.Sline == kPairLineForm && o.Typ >= ObjectKind::PairStaticText &&
        o.Typ <= ObjectKind::PairPicture && thick > 0) {
        // On the worksheet the learner draws the middle of a query element's line.
        const bool endsOnly = sheetMode == SheetDrawing::Worksheet &&
                              (o.Typ == ObjectKind::PairText || o.Typ == ObjectKind::PairPicture);
        const std::array<QPoint, 4> corners = PairLinePoints(anchor, cardPoint);
        for (size_t k = 0; k + 1 < corners.size(); ++k) {
            if (endsOnly && k == 1)
                continue;
            DrawSquareBrushLine(painter, corners[k], corners[k + 1], o.LinieDicke,
                                ToQColor(o.LinieFarbe));
            ink |= QRect(corners[k], corners[k + 1])
                       .normalized()
                       .adjusted(-thick, -thick, thick, thick);
        }
    }

    const QFont font = EmFont(document.FontName, CardFontHeight(document, o, context), o.Stil);
    const QFontMetrics metrics(font);
    const bool pictureCard =
        IsPictureCardKind(o.Typ) && (!o.Picture.isNone() || IsBasketOrPairPictureKind(o.Typ));
    // A worksheet sizes every card by its content, whatever its state.
    const bool numbered = sheetMode == SheetDrawing::View &&
                          IsNumberedField(document, index, context.currentQuestion);
    QSize size;
    bool sizedFromText = false;
    if (IsPointKind(o.Typ) || IsNavigationKind(o.Typ)) {
        size = IsNavigationKind(o.Typ) ? QSize(RoundHalfEven(30 * scale), RoundHalfEven(30 * scale))
                                       : PointSize(o, context);
    } else if (numbered && (o.State == ObjectState::Ticked || o.State == ObjectState::Crossed)) {
        size = QSize(44, 38);
    } else if (numbered && o.State == ObjectState::Open) {
        size = QSize(RoundHalfEven(30 * scale), RoundHalfEven(30 * scale));
    } else if (pictureCard) {
        int height = metrics.height();
        if ((IsClusterKind(o.Typ) || IsPairKind(o.Typ)) && o.FixedHeight > 0)
            height = std::min(height, RoundHalfEven(image.height() * o.FixedHeight));
        const QSize picture = o.Picture.Image.size();
        const int width = std::max(RoundHalfEven(picture.width() * static_cast<double>(height) /
                                                 std::max(1, picture.height())),
                                   RoundHalfEven(30 * scale));
        size = QSize(width, height);
    } else {
        const QString text = CardText(o);
        if (IsFixedWidthTextKind(o.Typ) && o.FixedWidth > 0) {
            // The text wraps inside the card's side margins, where it is drawn.
            const int width = RoundHalfEven(image.width() * o.FixedWidth);
            const int inner = std::max(1, width - 2 * RoundHalfEven(3 * scale));
            size = QSize(
                width,
                metrics.boundingRect(QRect(0, 0, inner, 100000), Qt::TextWordWrap, text).height());
        } else {
            const QRect bounds = metrics.boundingRect(QRect(0, 0, 100000, 100000), 0, text);
            // The margins the text is drawn inside, each rounded as it is there: 6 x scale
            // rounded at once can fall a pixel short and wrap the last word out of the card.
            size = bounds.size() + QSize(2 * RoundHalfEven(3 * scale), RoundHalfEven(2 * scale));
            sizedFromText = true;
            if (o.Typ == ObjectKind::QuestionText || o.Typ == ObjectKind::ChoiceText) {
                size.setWidth(std::max(1, image.width() - 2 * cardPoint.x()));
                sizedFromText = false;
            }
        }
    }
    const int side = EffectiveSide(o, context);
    const QRect card = PlaceCard(cardPoint, size, side, IsPictureCardKind(o.Typ), scale);
    // What hit testing and redrawing take as the card.
    QRect recorded = card;

    if (sheetMode != SheetDrawing::View) {
        DrawWorksheetCard(painter, o, card, side, font, pictureCard, sizedFromText, context);
    } else if (IsPointKind(o.Typ)) {
        ink |= DrawPoint(painter, o, card, context);
    } else if (IsNavigationKind(o.Typ)) {
        ink |= DrawButton(painter, document, o, card, context);
    } else if (numbered && o.State == ObjectState::Covered) {
        DrawCoveredField(painter, document, index, card, context);
    } else if (numbered && (o.State == ObjectState::Ticked || o.State == ObjectState::Crossed ||
                            o.State == ObjectState::Open)) {
        ink |= DrawRunStateMark(painter, document, index, card, context);
    } else if (!(numbered && o.State == ObjectState::QuestionClosed)) {
        DrawCardBackground(painter, o, card);
        if (pictureCard) {
            DrawCardPicture(painter, o, card);
        } else if (IsQuestionTextKind(o.Typ)) {
            const QRect fitted =
                DrawQuestionText(painter, o.Typ, QuestionTextBox(document, o.Typ, card, image),
                                 RoundHalfEven(3 * scale), CardText(o), font,
                                 QuestionTextLimit(document, index, image), ToQColor(o.Farbe));
            ink |= fitted;
            // The answer shown in the learning view is clicked where its text is.
            if (o.Typ == ObjectKind::AnswerField && numbered && !context.exercise)
                recorded = fitted;
        } else {
            const QColor colour = o.Typ == ObjectKind::Gap ? ToQColor(0xFF0000) : ToQColor(o.Farbe);
            ink |= DrawCardCaption(painter, o, card, font, colour, sizedFromText, scale);
        }
    }
    if (context.ink) {
        // Outlines and smoothed edges reach a little beyond the shapes.
        const int bleed = 2 + RoundHalfEven(scale);
        *context.ink += (ink | card | recorded).adjusted(-bleed, -bleed, bleed, bleed);
    }
    o.CardRect = {static_cast<double>(recorded.left()) / image.width(),
                  static_cast<double>(recorded.top()) / image.height(),
                  static_cast<double>(recorded.left() + recorded.width()) / image.width(),
                  static_cast<double>(recorded.top() + recorded.height()) / image.height()};
    o.DrawnLeft = recorded.left();
    o.DrawnTop = recorded.top();
}

std::vector<int> DrawingOrder(const Document& document) {
    // Ascending ZIndex, list order within one value. Sorting the indexes rather than counting
    // through every value from the smallest to the largest keeps a damaged file with a huge
    // ZIndex from stalling the drawing.
    std::vector<int> order(static_cast<size_t>(document.ObjectCount()));
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&document](int a, int b) {
        return document.Objects[static_cast<size_t>(a)].ZIndex <
               document.Objects[static_cast<size_t>(b)].ZIndex;
    });
    return order;
}

void DrawAllObjects(Document& document, QPainter& painter, const RenderContext& context) {
    const std::vector<int> order = DrawingOrder(document);
    for (int pass = 0; pass < 2; ++pass) {
        for (const int i : order) {
            if (IsCoveredQueryField(document.Objects[static_cast<size_t>(i)]) == (pass == 1))
                DrawObject(document, i, painter, context);
        }
    }
}

} // namespace quindor
