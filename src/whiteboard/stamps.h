#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include <array>

namespace quindor {

struct Settings;

// One symbol stamp: a character of code page 1252 and the font it is drawn in.
struct SymbolStamp {
    QChar character;
    QString fontName;
};

constexpr int kStamps = 10;

// The ten stamps, as the settings keep them: the characters in one text, the fonts apart.
class StampTable {
public:
    // Ticks, crosses, a star, three faces and four letters.
    static StampTable defaults();
    static StampTable fromSettings(const Settings& settings);
    void toSettings(Settings& settings) const;

    // Stamp 1 to 10.
    const SymbolStamp& stamp(int number) const;
    void setStamp(int number, const SymbolStamp& stamp);

private:
    std::array<SymbolStamp, kStamps> stamps_;
};

// The symbol a Wingdings character shows, as a Unicode character.
QString WingdingsSymbol(unsigned char code);

// What draws a character of a font: a Wingdings character becomes its Unicode symbol in a font
// that has it; any other font draws the character itself.
struct StampGlyph {
    QFont font;
    QString text;
};
StampGlyph GlyphFor(QChar character, const QString& fontName);

// Where a stamp of the given point size lands on a device: its character's box with the middle
// on (x + 5, y + 1) of the point, and the pixels its glyph may touch.
struct StampPlacement {
    StampGlyph glyph;
    QPointF baseline;
    QRect reach;
};
StampPlacement PlaceStamp(const SymbolStamp& stamp, int pointSize, QPoint point,
                          const QPaintDevice* device);
// Draws the stamp in colour on a transparent background.
void DrawStamp(QPainter& painter, const StampPlacement& placement, const QColor& colour);

// The menu icon of a stamp: the character in black on white, drawn at a height of 40 pixels
// on 36 x 36 and smoothed down to 18 x 18.
QImage StampIcon(const SymbolStamp& stamp);

} // namespace quindor
