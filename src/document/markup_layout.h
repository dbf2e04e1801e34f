#pragma once

#include "core/colour.h"
#include "document/picture.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class QPainter;
class QPaintDevice;

namespace quindor {

// What a gap mode of the layout does with the gaps ("<<" ... ">>") of a line. The routine
// itself keeps words and gaps together and never breaks inside a gap; the handler measures and
// places each gap.
class GapHandler {
public:
    virtual ~GapHandler() = default;
    // Width the break test at "<<" reserves for a gap whose first alternative is `first`.
    virtual int breakWidth(const QFontMetrics& metrics, const QString& first) = 0;
    // Places one gap with the collected content at pen position x on the line whose top is y;
    // returns the pen position after it. painter, set to the font in force at the gap, is null
    // in a measuring pass.
    virtual int placeGap(QPainter* painter, const QFontMetrics& metrics, const QString& content,
                         int x, int y, int lineHeight) = 0;
    // Whether the plain text around the gaps is drawn (a drawing pass may only place gaps).
    virtual bool drawsPlainText() const = 0;
};

// Measurements shared by the paragraphs and passes of one layout at one font (the gap layouts
// measure the same pieces in their fitting and drawing passes). It empties itself when the
// font or the device changes.
struct MarkupMeasureCache {
    QString fontName;
    int fontHeight = 0;
    int fontSize = 0;
    QPaintDevice* device = nullptr;
    // Per style (bold 1, italic 2, underline 4).
    std::array<std::optional<QFontMetrics>, 8> metrics;
    std::array<QHash<QString, int>, 8> widths;
};

// Parameters of one layout call. Either painter (drawing, and measuring on its device) or, with
// measureOnly, a device to measure on; with neither, the screen's metrics are used.
struct MarkupLayoutParams {
    QPainter* painter = nullptr;
    QPaintDevice* device = nullptr;
    QString fontName = QStringLiteral("Arial");
    int areaRight = 0;
    int rightMargin = 0;
    bool measureOnly = false;
    WinColor colour = 0;
    bool createGaps = false;
    // 0 plain text; 99 gap layout; 1, 2, 3 worksheet gap drawing. Any mode but 0 needs gaps.
    int mode = 0;
    // Character height in pixels, negative for the em height; 0 = use fontSize.
    int fontHeight = 0;
    // Points; 0 = use fontHeight.
    int fontSize = 0;
    GapHandler* gaps = nullptr;
    // Optional; without it every call measures afresh.
    MarkupMeasureCache* cache = nullptr;
    // Told of every piece of plain text as it is placed (drawn or only measured), with its
    // top-left position and font: previews and tests follow the layout through it.
    std::function<void(QPoint topLeft, const QString& piece, const QFont& font)> onPiece;
};

// Lays out one paragraph starting at (left, top) and returns the y below its last line.
int LayoutParagraph(const MarkupLayoutParams& params, const QString& text, int top, int left);
// The least a paragraph adds to y: its start offset and one line, as for an empty one.
int ParagraphMinimumHeight(const MarkupLayoutParams& params);
// Every line of text (lines end at CR, LF or CR LF) in turn; an empty text returns top.
int LayoutText(const MarkupLayoutParams& params, const QString& text, int top, int left);
// The lines laid out in black on a picture `width` pixels wide (at most 3000 high) filled with
// background, cut to the height the text took.
Picture RenderTextPicture(const QStringList& lines, int width, int fontSize, WinColor background,
                          const QString& fontName = QStringLiteral("Arial"));

} // namespace quindor
