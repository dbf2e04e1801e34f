#include "layouts/gap_handlers.h"

#include "core/rounding.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace quindor {
namespace {

TEST(BlankSize, PositionInTheListOfSizes) {
    EXPECT_EQ(BlankSizeIndex(QStringLiteral("50 %")), 0);
    EXPECT_EQ(BlankSizeIndex(QStringLiteral("100 %")), 5);
    EXPECT_EQ(BlankSizeIndex(QStringLiteral("200 %")), 15);
    for (const char* unknown : {"", "75 %", "100%", "210 %", "40 %", "gro\xc3\x9f"})
        EXPECT_EQ(BlankSizeIndex(QString::fromUtf8(unknown)), -1) << unknown;
}

// One worksheet line "Ein <<Wort|Begriff>> hier" at 22 pixels on a white sheet.
class WorksheetGapTest : public ::testing::Test {
protected:
    WorksheetGapTest() : sheet(600, 100, QImage::Format_ARGB32_Premultiplied) {}

    void layout(int mode, int blankSize, bool exercise = false) {
        sheet.fill(Qt::white);
        pieces.clear();
        WorksheetGapHandler gaps(mode, 3, blankSize, exercise);
        QPainter painter(&sheet);
        MarkupLayoutParams params;
        params.painter = &painter;
        params.areaRight = 600;
        params.mode = mode;
        params.fontHeight = -22;
        params.gaps = &gaps;
        params.onPiece = [this](QPoint at, const QString& piece, const QFont&) {
            pieces.push_back({at, piece});
        };
        top = 0;
        LayoutParagraph(params, QStringLiteral("Ein <<Wort|Begriff>> hier"), top, 0);
    }

    QFontMetrics metrics() {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(22);
        return QFontMetrics(font, &sheet);
    }
    int gapWidth() {
        const QFontMetrics m = metrics();
        return std::max({m.horizontalAdvance(QStringLiteral(" Wort")),
                         m.horizontalAdvance(QStringLiteral(" XXX")),
                         m.horizontalAdvance(QStringLiteral(" XX"))});
    }
    int lineTop() { return RoundHalfEven(metrics().height() * 1.25 * 0.02 / 0.055); }
    // x where the text after the gap starts.
    int afterGap() const {
        for (const auto& [at, piece] : pieces) {
            if (piece.contains(QStringLiteral("hier")))
                return at.x();
        }
        return -1;
    }
    int countColour(QRect area, bool (*match)(QColor)) const {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                n += match(sheet.pixelColor(x, y));
        }
        return n;
    }
    static bool black(QColor c) { return c.red() < 60 && c.green() < 60 && c.blue() < 60; }
    static bool red(QColor c) { return c.red() > 180 && c.green() < 90 && c.blue() < 90; }

    QImage sheet;
    std::vector<std::pair<QPoint, QString>> pieces;
    int top = 0;
};

TEST_F(WorksheetGapTest, BlankSizeScalesTheGap) {
    const int x = metrics().horizontalAdvance(QStringLiteral("Ein "));
    const int g = gapWidth();
    for (const auto& [k, blank] : {std::pair{5, g},
                                   {15, g + RoundHalfEven(10 * g * 0.05 * 2)},
                                   {0, g + RoundHalfEven(-5 * g * 0.05 * 2)},
                                   {-1, g + RoundHalfEven(-0.6 * g)}}) {
        layout(1, k);
        EXPECT_EQ(afterGap(), x + blank) << k;
    }
}

TEST_F(WorksheetGapTest, ModesDrawUnderlineAnswerOrBoth) {
    const int x = metrics().horizontalAdvance(QStringLiteral("Ein "));
    const int underline = lineTop() + metrics().height();
    const QRect words(0, 0, x - 4, 60);
    const QRect gap(x + 2, 0, gapWidth() - 4, underline - 1);
    const QRect line(x, underline, gapWidth(), 1);

    layout(1, 5);
    EXPECT_EQ(countColour(line, black), gapWidth());
    EXPECT_EQ(countColour(gap, red), 0);
    EXPECT_GT(countColour(words, black), 20);

    // The answer sheet shows the answers alone.
    layout(2, 5);
    EXPECT_EQ(countColour(line, black), 0);
    EXPECT_GT(countColour(gap, red), 20);
    EXPECT_EQ(countColour(words, black), 0);

    layout(3, 5);
    EXPECT_EQ(countColour(line, black), gapWidth());
    EXPECT_GT(countColour(gap, red), 20);
    EXPECT_GT(countColour(words, black), 20);
    // The text after the answer is black again.
    EXPECT_EQ(countColour(QRect(afterGap() + 4, 0, 40, 50), red), 0);
}

} // namespace
} // namespace quindor
