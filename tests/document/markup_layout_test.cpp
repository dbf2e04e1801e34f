#include "core/rounding.h"
#include "document/markup_layout.h"
#include "document/markup_tags.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace quindor {
namespace {

struct Piece {
    QPoint at;
    QString text;
    bool bold;
};

// Lays text out on a white picture, recording every placed piece.
class MarkupLayoutTest : public ::testing::Test {
protected:
    MarkupLayoutTest() : image(600, 300, QImage::Format_ARGB32_Premultiplied) {
        image.fill(Qt::white);
        params.fontHeight = -22;
        params.areaRight = 600;
        params.onPiece = [this](QPoint at, const QString& text, const QFont& font) {
            pieces.push_back({at, text, font.bold()});
        };
    }

    int layout(const QString& text, int top = 0, int left = 0) {
        QPainter painter(&image);
        params.painter = &painter;
        const int y = LayoutParagraph(params, text, top, left);
        params.painter = nullptr;
        return y;
    }

    QFontMetrics metrics(bool bold = false) const {
        QFont font(params.fontName);
        font.setPixelSize(22);
        font.setBold(bold);
        return QFontMetrics(font, const_cast<QImage*>(&image));
    }
    int th() const { return metrics().height(); }
    int lineHeight() const { return RoundHalfEven(th() * 1.25); }
    int startOffset() const { return RoundHalfEven(th() * 1.25 * 0.02 / 0.055); }
    int width(const QString& text, bool bold = false) const {
        return metrics(bold).horizontalAdvance(text);
    }
    QString joined() const {
        QString all;
        for (const Piece& piece : pieces)
            all += piece.text;
        return all;
    }

    QImage image;
    MarkupLayoutParams params;
    std::vector<Piece> pieces;
};

TEST_F(MarkupLayoutTest, EmptyParagraphTakesOneLine) {
    EXPECT_EQ(layout(QString(), 10), 10 + startOffset() + lineHeight());
    EXPECT_EQ(LayoutText(params, QString(), 37, 0), 37);
}

TEST_F(MarkupLayoutTest, BoldWordIsMeasuredAndDrawnBoldOnTheSameLine) {
    const int y = layout(QStringLiteral("ab <B>cd</B> ef"));
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].text, QStringLiteral("ab "));
    EXPECT_FALSE(pieces[0].bold);
    EXPECT_EQ(pieces[1].text, QStringLiteral("cd"));
    EXPECT_TRUE(pieces[1].bold);
    EXPECT_EQ(pieces[1].at.x(), width(QStringLiteral("ab ")));
    EXPECT_FALSE(pieces[2].bold);
    EXPECT_EQ(pieces[2].at.x(), width(QStringLiteral("ab ")) + width(QStringLiteral("cd"), true));
    for (const Piece& piece : pieces)
        EXPECT_EQ(piece.at.y(), startOffset());
    EXPECT_EQ(y, startOffset() + lineHeight());
}

TEST_F(MarkupLayoutTest, LowerCaseTagsWork) {
    layout(QStringLiteral("<b>x</b><i>y</i><u>z</u>"));
    EXPECT_EQ(joined(), QStringLiteral("xyz "));
    EXPECT_TRUE(pieces[0].bold);
}

TEST_F(MarkupLayoutTest, WordWiderThanTheAreaBreaksAfterTheFirstCharacterThatDoesNotFit) {
    params.areaRight = width(QStringLiteral("Donau")) + 10;
    layout(QStringLiteral("Donaudampf"));
    ASSERT_GE(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].text, QStringLiteral("Donaud"));
    EXPECT_EQ(pieces[1].at, QPoint(0, startOffset() + lineHeight()));
    EXPECT_EQ(joined(), QStringLiteral("Donaudampf "));
}

TEST_F(MarkupLayoutTest, LinesBreakAtTheLastBlankWithoutLeadingBlanks) {
    params.areaRight = width(QStringLiteral("eins zwei ")) + 10;
    const int y = layout(QStringLiteral("eins zwei   drei"));
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].text, QStringLiteral("eins zwei "));
    EXPECT_EQ(pieces[1].text, QStringLiteral("drei "));
    EXPECT_EQ(pieces[1].at, QPoint(0, startOffset() + lineHeight()));
    EXPECT_EQ(y, startOffset() + 2 * lineHeight());
}

TEST_F(MarkupLayoutTest, ColourTagsVanishAndKeepTheCallsColour) {
    params.colour = 0x000000;
    layout(QStringLiteral("ein <@COL=FF0000>rotes</@COL> und <@dol=12ab9f>x</@COL> <@COL=GG0000>"));
    EXPECT_EQ(joined(), QStringLiteral("ein rotes und x <@COL=GG0000> "));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            ASSERT_FALSE(c.red() > 128 && c.green() < 64) << "red ink at " << x << "," << y;
        }
    }
}

TEST_F(MarkupLayoutTest, PositionTagStartsTheNextTextAtItsShare) {
    layout(QStringLiteral("a<@POSX=50%>Mitte"));
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[1].text, QStringLiteral("Mitte "));
    EXPECT_EQ(pieces[1].at.x(), 300);
}

TEST_F(MarkupLayoutTest, RightAlignedFieldEndsItsDigitWidthsAfterTheTag) {
    layout(QStringLiteral("Nr.<@REB=03>12 Ende"));
    const int tagX = width(QStringLiteral("Nr."));
    ASSERT_GE(pieces.size(), 2u);
    EXPECT_EQ(pieces[1].text, QStringLiteral("12 "));
    EXPECT_EQ(pieces[1].at.x() + width(QStringLiteral("12 ")),
              tagX + 3 * width(QStringLiteral("0")));
}

TEST_F(MarkupLayoutTest, RuleRunsToTheRightEdgeAndTheTextGoesOnBelow) {
    params.areaRight = 400;
    layout(QStringLiteral("eins<@LINIE>zwei"));
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[1].text, QStringLiteral("zwei "));
    EXPECT_EQ(pieces[1].at, QPoint(0, startOffset() + lineHeight()));
    const int ruleY = startOffset() + lineHeight() / 2 - 1;
    const int from = width(QStringLiteral("eins"));
    EXPECT_EQ(image.pixelColor(from + 2, ruleY), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(398, ruleY), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(450, ruleY), QColor(Qt::white));
}

TEST_F(MarkupLayoutTest, LoneAngleBracketsAreText) {
    layout(QStringLiteral("a < b <@X> <<c>>"));
    EXPECT_EQ(joined(), QStringLiteral("a < b <@X> <<c>> "));
}

TEST_F(MarkupLayoutTest, MeasureOnlyDrawsNothingButAdvancesTheSame) {
    const int drawn = layout(QStringLiteral("Ein Satz mit <B>fetten</B> Worten"));
    image.fill(Qt::white);
    params.measureOnly = true;
    EXPECT_EQ(layout(QStringLiteral("Ein Satz mit <B>fetten</B> Worten")), drawn);
    for (int x = 0; x < image.width(); ++x)
        ASSERT_EQ(image.pixelColor(x, startOffset() + th() / 2), QColor(Qt::white));
}

// Greedy filling: every line holds as many words as fit, and the next word (with its blank)
// would not.
TEST_F(MarkupLayoutTest, LongParagraphFillsEveryLine) {
    QStringList words;
    for (int i = 0; i < 120; ++i)
        words.append(QString(QLatin1Char('a' + i % 26)).repeated(1 + i * 7 % 9));
    layout(words.join(QLatin1Char(' ')));
    ASSERT_GT(pieces.size(), 5u);
    const int limit = 600 - 10;
    QStringList rest = words;
    for (size_t i = 0; i + 1 < pieces.size(); ++i) {
        const QString& line = pieces[i].text;
        EXPECT_LE(width(line), limit) << i;
        const int count = static_cast<int>(line.split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
        rest = rest.mid(count);
        ASSERT_FALSE(rest.isEmpty());
        // The blank after a word must fit as well.
        EXPECT_GT(width(line + rest.first() + QLatin1Char(' ')), limit) << i;
    }
}

TEST_F(MarkupLayoutTest, MeasureCacheChangesNothingAndFollowsTheFont) {
    const QString text = QStringLiteral("Ein <B>langer</B> Satz, der ganz sicher auf mehr als eine "
                                        "Zeile umbrechen muss, weil er so viele W\u00f6rter hat.");
    const auto run = [&](int fontHeight, MarkupMeasureCache* cache) {
        pieces.clear();
        params.fontHeight = fontHeight;
        params.cache = cache;
        std::vector<std::pair<QPoint, QString>> placed;
        const int y = layout(text);
        for (const Piece& piece : pieces)
            placed.emplace_back(piece.at, piece.text);
        return std::pair{y, placed};
    };
    MarkupMeasureCache cache;
    const auto plain22 = run(-22, nullptr);
    const auto plain15 = run(-15, nullptr);
    EXPECT_EQ(run(-22, &cache), plain22);
    EXPECT_EQ(run(-22, &cache), plain22);
    EXPECT_EQ(run(-15, &cache), plain15);
    EXPECT_NE(plain15, plain22);
}

TEST_F(MarkupLayoutTest, TextOfSeveralLinesAdvancesPerParagraph) {
    QPainter painter(&image);
    params.painter = &painter;
    const int y = LayoutText(params, QStringLiteral("eins\r\nzwei\nfrei\r\rvier"), 5, 0);
    EXPECT_EQ(y, 5 + 5 * (startOffset() + lineHeight()));
}

TEST(MarkupTags, RelaxationsAndLengths) {
    EXPECT_EQ(MatchMarkupTag(QStringLiteral("<@COL=00ff00>"), 0, false).tag, MarkupTag::ColourOn);
    EXPECT_EQ(MatchMarkupTag(QStringLiteral("<@9OL=00ff00>"), 0, false).tag, MarkupTag::ColourOn);
    EXPECT_EQ(MatchMarkupTag(QStringLiteral("<@KOL=00ff00>"), 0, false).tag, MarkupTag::None);
    const MarkupTagMatch pos = MatchMarkupTag(QStringLiteral("x<@posx=07%>"), 1, false);
    EXPECT_EQ(pos.tag, MarkupTag::PositionX);
    EXPECT_EQ(pos.length, 11);
    EXPECT_EQ(pos.number, 7);
    EXPECT_EQ(MatchMarkupTag(QStringLiteral("<@REB=99>"), 0, false).number, 99);
    EXPECT_EQ(MatchMarkupTag(QStringLiteral("<@REB=9>"), 0, false).tag, MarkupTag::None);
    EXPECT_EQ(MatchMarkupTag(QStringLiteral("<<"), 0, false).tag, MarkupTag::None);
    EXPECT_EQ(MatchMarkupTag(QStringLiteral("<<"), 0, true).tag, MarkupTag::GapOpen);
    EXPECT_EQ(MatchMarkupTag(QStringLiteral("</@col>"), 0, false).length, 7);
}

TEST(RenderTextPicture, CutsThePictureToTheText) {
    const Picture picture = RenderTextPicture(
        {QStringLiteral("<B>Hinweis</B>"), QStringLiteral("Zweite Zeile")}, 300, 14, 0xFFFFFF);
    ASSERT_FALSE(picture.isNone());
    EXPECT_EQ(picture.Image.width(), 300);
    EXPECT_GT(picture.Image.height(), 20);
    EXPECT_LT(picture.Image.height(), 200);
    QStringList many;
    for (int i = 0; i < 400; ++i)
        many.append(QStringLiteral("Zeile %1").arg(i));
    EXPECT_EQ(RenderTextPicture(many, 200, 14, 0xFFFFFF).Image.height(), 3000);
}

// A gap mode that reserves and places fixed widths, recording what it was given.
class FixedGaps : public GapHandler {
public:
    int breakWidth(const QFontMetrics&, const QString& first) override {
        firsts.append(first);
        return reserve;
    }
    int placeGap(QPainter*, const QFontMetrics&, const QString& content, int x, int y,
                 int) override {
        gaps.append(content);
        places.append(QPoint(x, y));
        return x + width;
    }
    bool drawsPlainText() const override { return true; }
    int reserve = 60;
    int width = 60;
    QStringList firsts, gaps;
    QList<QPoint> places;
};

TEST_F(MarkupLayoutTest, GapModeKeepsWordAndGapTogether) {
    FixedGaps gaps;
    params.gaps = &gaps;
    params.mode = 99;
    params.areaRight = width(QStringLiteral("Die Sonne geht im")) + 30;
    const int y = layout(QStringLiteral("Die Sonne geht im <<Osten|Morgen>>. auf"));
    EXPECT_EQ(gaps.gaps, QStringList{QStringLiteral("Osten|Morgen")});
    EXPECT_EQ(gaps.firsts, QStringList{QStringLiteral("Osten")});
    const int gapLine = RoundHalfEven(RoundHalfEven(th() * 1.25) * 1.1);
    // The gap did not fit behind "im": it moved to the next line, its full stop with it.
    EXPECT_EQ(gaps.places.front(), QPoint(0, startOffset() + gapLine));
    EXPECT_TRUE(joined().contains(QStringLiteral(". auf")));
    EXPECT_FALSE(joined().contains(QStringLiteral("Osten")));
    EXPECT_EQ(y, startOffset() + 2 * gapLine);
}

TEST_F(MarkupLayoutTest, TagsRightAfterAGapApplyAndAreNotDrawn) {
    FixedGaps gaps;
    params.gaps = &gaps;
    params.mode = 99;
    layout(QStringLiteral("im <B><<Osten>></B>. auf"));
    EXPECT_EQ(gaps.gaps, QStringList{QStringLiteral("Osten")});
    EXPECT_EQ(joined(), QStringLiteral("im . auf "));
    ASSERT_GE(pieces.size(), 2u);
    EXPECT_FALSE(pieces.back().bold);
    // The full stop glued to the gap follows it directly.
    EXPECT_EQ(pieces[1].at.x(), width(QStringLiteral("im ")) + gaps.width);
}

TEST_F(MarkupLayoutTest, UnbalancedGapMarkersAreDrawnAsText) {
    FixedGaps gaps;
    params.gaps = &gaps;
    params.mode = 99;
    layout(QStringLiteral("zu >> zuerst, dann << offen"));
    EXPECT_TRUE(gaps.gaps.isEmpty());
    EXPECT_EQ(joined(), QStringLiteral("zu >> zuerst, dann << offen "));
}

} // namespace
} // namespace quindor
