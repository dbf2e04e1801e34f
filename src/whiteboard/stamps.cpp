#include "whiteboard/stamps.h"

#include "core/win1252.h"
#include "settings/settings.h"

#include <QFontMetricsF>

#include <algorithm>

namespace quindor {

namespace {

// The Wingdings characters from 0x20 to 0xFF as Unicode symbols; where Unicode has no equal,
// the nearest symbol.
constexpr char32_t kWingdings[224] = {
    0x0020,  0x270F,  0x2702,  0x2701,  0x1F453, 0x1F514, 0x1F4D6, 0x1F56F, // 20
    0x260E,  0x2706,  0x2709,  0x1F583, 0x1F4EA, 0x1F4EB, 0x1F4EC, 0x1F4ED, // 28
    0x1F4C1, 0x1F4C2, 0x1F4C4, 0x1F4C4, 0x1F4C4, 0x1F5C4, 0x231B,  0x2328,  // 30
    0x1F5B1, 0x1F5B2, 0x1F4BB, 0x1F5B4, 0x1F4BE, 0x1F4BE, 0x2707,  0x270D,  // 38
    0x1F58E, 0x270C,  0x1F44C, 0x1F44D, 0x1F44E, 0x261C,  0x261E,  0x261D,  // 40
    0x261F,  0x270B,  0x263A,  0x1F610, 0x2639,  0x1F4A3, 0x2620,  0x2690,  // 48
    0x1F6A9, 0x2708,  0x263C,  0x1F4A7, 0x2744,  0x271D,  0x271E,  0x1F548, // 50
    0x2720,  0x2721,  0x262A,  0x262F,  0x0950,  0x2638,  0x2648,  0x2649,  // 58
    0x264A,  0x264B,  0x264C,  0x264D,  0x264E,  0x264F,  0x2650,  0x2651,  // 60
    0x2652,  0x2653,  0x0026,  0x0026,  0x25CF,  0x274D,  0x25A0,  0x25A1,  // 68
    0x25A1,  0x2751,  0x2752,  0x2B27,  0x29EB,  0x25C6,  0x2756,  0x2B25,  // 70
    0x2327,  0x2353,  0x2318,  0x2740,  0x273F,  0x275D,  0x275E,  0x25AF,  // 78
    0x24EA,  0x2460,  0x2461,  0x2462,  0x2463,  0x2464,  0x2465,  0x2466,  // 80
    0x2467,  0x2468,  0x2469,  0x24FF,  0x2776,  0x2777,  0x2778,  0x2779,  // 88
    0x277A,  0x277B,  0x277C,  0x277D,  0x277E,  0x277F,  0x2766,  0x2767,  // 90
    0x2766,  0x2767,  0x2766,  0x2767,  0x2766,  0x2767,  0x00B7,  0x2022,  // 98
    0x25AA,  0x25CB,  0x2B55,  0x25EF,  0x25C9,  0x25CE,  0x274D,  0x25AA,  // A0
    0x25FB,  0x2727,  0x2726,  0x2605,  0x2736,  0x2734,  0x2739,  0x2735,  // A8
    0x25A3,  0x2316,  0x27E1,  0x2311,  0x25C7,  0x272A,  0x2730,  0x1F550, // B0
    0x1F551, 0x1F552, 0x1F553, 0x1F554, 0x1F555, 0x1F556, 0x1F557, 0x1F558, // B8
    0x1F559, 0x1F55A, 0x1F55B, 0x2199,  0x2198,  0x2196,  0x2197,  0x2196,  // C0
    0x2197,  0x2199,  0x2198,  0x25A7,  0x25A9,  0x2766,  0x2767,  0x2766,  // C8
    0x2767,  0x2766,  0x2767,  0x2766,  0x2767,  0x232B,  0x2326,  0x25C4,  // D0
    0x27A2,  0x25B2,  0x25BC,  0x2B05,  0x27B2,  0x2B06,  0x2B07,  0x2190,  // D8
    0x2192,  0x2191,  0x2193,  0x2196,  0x2197,  0x2199,  0x2198,  0x2B05,  // E0
    0x2794,  0x2B06,  0x2B07,  0x2B09,  0x2B08,  0x2B0B,  0x2B0A,  0x21E6,  // E8
    0x21E8,  0x21E7,  0x21E9,  0x2B04,  0x21F3,  0x2B00,  0x2B01,  0x2B03,  // F0
    0x2B02,  0x25AD,  0x25AB,  0x2718,  0x2714,  0x2612,  0x2611,  0x229E,  // F8
};

bool IsWingdings(const QString& fontName) {
    return fontName.compare(QLatin1String("Wingdings"), Qt::CaseInsensitive) == 0;
}

QFont SymbolFont() {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans Symbols2"),
                      QStringLiteral("Noto Color Emoji"), QStringLiteral("Symbola")});
    return font;
}

} // namespace

StampTable StampTable::defaults() {
    return fromSettings(Settings());
}

StampTable StampTable::fromSettings(const Settings& settings) {
    StampTable table;
    const Settings defaults;
    for (int i = 0; i < kStamps; ++i) {
        const size_t k = static_cast<size_t>(i);
        // A stored text shorter than ten characters keeps the defaults of the missing ones.
        const QString& characters = settings.SymbolstempelZeichen.size() > i
                                        ? settings.SymbolstempelZeichen
                                        : defaults.SymbolstempelZeichen;
        table.stamps_[k] = {characters.at(i), settings.SymbolstempelFontname[k]};
    }
    return table;
}

void StampTable::toSettings(Settings& settings) const {
    QString characters;
    for (size_t k = 0; k < stamps_.size(); ++k) {
        characters += stamps_[k].character;
        settings.SymbolstempelFontname[k] = stamps_[k].fontName;
    }
    settings.SymbolstempelZeichen = characters;
}

const SymbolStamp& StampTable::stamp(int number) const {
    return stamps_[static_cast<size_t>(std::clamp(number, 1, kStamps) - 1)];
}

void StampTable::setStamp(int number, const SymbolStamp& stamp) {
    if (number >= 1 && number <= kStamps)
        stamps_[static_cast<size_t>(number - 1)] = stamp;
}

QString WingdingsSymbol(unsigned char code) {
    if (code < 0x20)
        return QString(QChar(code));
    const char32_t symbol = kWingdings[code - 0x20];
    return QString::fromUcs4(&symbol, 1);
}

StampGlyph GlyphFor(QChar character, const QString& fontName) {
    if (IsWingdings(fontName)) {
        const QByteArray code = EncodeWin1252(QString(character));
        return {SymbolFont(), WingdingsSymbol(static_cast<unsigned char>(code.at(0)))};
    }
    return {QFont(fontName), QString(character)};
}

StampPlacement PlaceStamp(const SymbolStamp& stamp, int pointSize, QPoint point,
                          const QPaintDevice* device) {
    StampPlacement placement{GlyphFor(stamp.character, stamp.fontName), {}, {}};
    placement.glyph.font.setPointSize(pointSize);
    const QFontMetricsF metrics(placement.glyph.font, device);
    const double width = metrics.horizontalAdvance(placement.glyph.text);
    const double height = metrics.height();
    const QPointF topLeft(point.x() + 5 - width / 2, point.y() + 1 - height / 2);
    placement.baseline = topLeft + QPointF(0, metrics.ascent());
    // Glyphs may reach beyond their advance and their line; a margin of a third covers them.
    const double margin = height / 3;
    placement.reach = QRectF(topLeft, QSizeF(width, height))
                          .adjusted(-margin, -margin, margin, margin)
                          .toAlignedRect();
    return placement;
}

void DrawStamp(QPainter& painter, const StampPlacement& placement, const QColor& colour) {
    painter.setFont(placement.glyph.font);
    painter.setPen(colour);
    painter.drawText(placement.baseline, placement.glyph.text);
}

QImage StampIcon(const SymbolStamp& stamp) {
    QImage icon(18, 18, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::white);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::TextAntialiasing);
    StampGlyph glyph = GlyphFor(stamp.character, stamp.fontName);
    // A symbol shows in the window's face, whose fallbacks find it as the page's symbol faces
    // do; that face is at hand already, so the icon needs no face of its own.
    if (IsWingdings(stamp.fontName))
        glyph.font = QFont();
    // The glyph's line fills the icon's height and a little more (20 pixels): drawn at the
    // face's own size and scaled, which keeps to the face already loaded.
    const QFontMetricsF metrics(glyph.font, &icon);
    const double scale = 20 / metrics.height();
    const double width = metrics.horizontalAdvance(glyph.text) * scale;
    painter.setFont(glyph.font);
    painter.setPen(Qt::black);
    painter.translate((18 - width) / 2, 0.5 + metrics.ascent() * scale);
    painter.scale(scale, scale);
    painter.drawText(QPointF(0, 0), glyph.text);
    return icon;
}

} // namespace quindor
