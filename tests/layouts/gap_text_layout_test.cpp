#include "layouts/gap_text_layout.h"

#include "document/numbering.h"
#include "layout_fixture.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace quindor {
namespace {

using test::LayoutFixture;

// Line metrics of the gap layout at an em height of `pixels`.
struct GapLine {
    int th;
    int offset;
    int lineHeight;
};

GapLine GapLineAt(LayoutFixture& f, int pixels) {
    const int th = f.metrics(pixels).height();
    return {th, RoundHalfEven(th * 1.25 * 0.02 / 0.055),
            RoundHalfEven(RoundHalfEven(th * 1.25) * 1.1)};
}

class GapTextLayoutTest : public ::testing::Test {
protected:
    void layout(const QString& text, bool regenerate = true, bool drawText = true) {
        f.document.Header.Lueckentext = text;
        GapTextLayout(f.document, f.pass(regenerate, drawText), f.state);
    }
    // The width a gap took, from its object's centre when the gap starts a line.
    double gapWidthAtLineStart(const ObjDataTyp& gap) const {
        return 2 * (gap.Kx * f.page.width() - RoundHalfEven(f.page.width() * 0.035));
    }

    LayoutFixture f{DocumentSubtype::Plain};
};

TEST_F(GapTextLayoutTest, EmptyTextDrawsNothingAndRemovesTheOldGaps) {
    AddObject(f.document, {.Typ = ObjectKind::Gap,
                           .Ebene = 1,
                           .Cap = QStringLiteral("alt"),
                           .FrageNummer = 0,
                           .Kx = 0.5,
                           .Ky = 0.5,
                           .KAusr = 2,
                           .Fsize = 0});
    AddObject(f.document, {.Typ = ObjectKind::FixedLabel,
                           .Ebene = 1,
                           .Cap = QStringLiteral("bleibt"),
                           .FrageNummer = 0,
                           .Kx = 0.5,
                           .Ky = 0.5,
                           .KAusr = 0,
                           .Fsize = 0});
    layout(QString());
    ASSERT_EQ(f.document.ObjectCount(), 1);
    EXPECT_EQ(f.document.Object(0).Typ, ObjectKind::FixedLabel);
    EXPECT_TRUE(f.pageIsWhite());
}

TEST_F(GapTextLayoutTest, AlternativesGiveCaptionAndIdentification) {
    layout(QStringLiteral("Ein Kleeblatt hat <<vier|Vier|4>> Bl\u00e4tter."));
    ASSERT_EQ(f.document.ObjectCount(), 1);
    const ObjDataTyp& gap = f.document.Object(0);
    EXPECT_EQ(gap.Typ, ObjectKind::Gap);
    EXPECT_EQ(gap.Cap, QStringLiteral("vier"));
    EXPECT_EQ(gap.BildKenn, QStringLiteral("|vier|Vier|4|"));
    EXPECT_EQ(gap.Ebene, 1);
    EXPECT_EQ(gap.KAusr, 2);
    EXPECT_EQ(gap.TAusr, 0);
    EXPECT_EQ(gap.Sline, 0);
    EXPECT_EQ(gap.Fsize, 0);
    EXPECT_EQ(gap.Farbe, 0u);
    EXPECT_EQ(gap.FrageNummer, 0);
    EXPECT_EQ(gap.State, ObjectState::Covered);
    EXPECT_EQ(gap.Kx, gap.Sx);
    EXPECT_EQ(gap.Ky, gap.Sy);
}

TEST_F(GapTextLayoutTest, GapSitsBehindItsWordsWhichAreDrawn) {
    layout(QStringLiteral("Die Sonne geht im <<Osten>> auf."));
    ASSERT_EQ(f.document.ObjectCount(), 1);
    const ObjDataTyp& gap = f.document.Object(0);
    EXPECT_EQ(gap.Cap, QStringLiteral("Osten"));
    EXPECT_FALSE(f.pageIsWhite());

    const QFontMetrics m = f.metrics(22);
    const GapLine line = GapLineAt(f, 22);
    const int left = 30;
    const int top = 6;
    const int x = left + m.horizontalAdvance(QStringLiteral("Die Sonne geht im "));
    const int width = std::max({m.horizontalAdvance(QStringLiteral(" XX")),
                                m.horizontalAdvance(QStringLiteral(" Osten")),
                                m.horizontalAdvance(QStringLiteral(" XXX"))});
    EXPECT_DOUBLE_EQ(gap.Kx, (x + width / 2.0) / 870);
    EXPECT_DOUBLE_EQ(gap.Ky, (top + line.offset + line.th + 4) / 600.0);
    EXPECT_EQ(f.document.Header.GapFontHeight, -22);
}

TEST_F(GapTextLayoutTest, GapWidthsFollowTheMinimumGap) {
    const QFontMetrics m = f.metrics(22);
    const auto w = [&](const char* text) { return m.horizontalAdvance(QLatin1String(text)); };

    layout(QStringLiteral("<<>>"));
    ASSERT_EQ(f.document.ObjectCount(), 1);
    EXPECT_EQ(f.document.Object(0).Cap, QString());
    EXPECT_DOUBLE_EQ(gapWidthAtLineStart(f.document.Object(0)), std::max(w(" XX"), w(" XXX")));

    f.document.Header.MinLuecke = 10;
    layout(QStringLiteral("<<ab>>"));
    ASSERT_EQ(f.document.ObjectCount(), 1);
    EXPECT_DOUBLE_EQ(gapWidthAtLineStart(f.document.Object(0)), w(" XXXXXXXXXX"));

    // With one letter the gap still takes " XX".
    f.document.Header.MinLuecke = 1;
    layout(QStringLiteral("<<a>>"));
    ASSERT_EQ(f.document.ObjectCount(), 1);
    EXPECT_DOUBLE_EQ(gapWidthAtLineStart(f.document.Object(0)), std::max(w(" XX"), w(" a")));
}

TEST_F(GapTextLayoutTest, WordAndGapMoveToTheNextLineTogether) {
    // The words before fit on the line, the gap behind them does not: the test at "<<" breaks
    // the line, and the gap's word goes with it.
    const QFontMetrics m = f.metrics(22);
    QString filler;
    while (m.horizontalAdvance(filler + QStringLiteral("ab ")) <= 740)
        filler += QStringLiteral("ab ");
    ASSERT_LE(30 + m.horizontalAdvance(filler + QStringLiteral("Wort")), 830);
    const int width = std::max(m.horizontalAdvance(QStringLiteral(" Gabelstapler")),
                               m.horizontalAdvance(QStringLiteral(" XXX")));
    ASSERT_GT(30 + m.horizontalAdvance(filler) + width, 840);

    layout(filler + QStringLiteral("Wort<<Gabelstapler>>. Ende"));
    ASSERT_EQ(f.document.ObjectCount(), 1);
    const GapLine line = GapLineAt(f, 22);
    const ObjDataTyp& gap = f.document.Object(0);
    EXPECT_DOUBLE_EQ(gap.Ky, (6 + line.offset + line.lineHeight + line.th + 4) / 600.0);
    EXPECT_DOUBLE_EQ(gap.Kx,
                     (30 + m.horizontalAdvance(QStringLiteral("Wort")) + width / 2.0) / 870);
}

TEST_F(GapTextLayoutTest, StartingFontFollowsThePageWidth) {
    for (const auto& [width, height] : {std::pair{870, -22}, {435, -11}, {1000, -25}}) {
        f.resize(QSize(width, 2000));
        layout(QStringLiteral("Kurz <<und>> gut."));
        EXPECT_EQ(f.document.Header.GapFontHeight, height) << width;
        EXPECT_EQ(f.document.Header.GapFontAdjustment, 0) << width;
    }
}

// A text of n one-line paragraphs needs n times (offset + line height) at a font.
TEST_F(GapTextLayoutTest, FittingShrinksInItsStepsToTheFirstHeightThatFits) {
    const int n = 30;
    QStringList lines(n, QStringLiteral("Zeile <<x>>"));
    const QString text = lines.join(QStringLiteral("\r\n"));
    f.document.Header.EinrueckRand.Top = 0;
    const auto needed = [&](int pixels) {
        const GapLine line = GapLineAt(f, pixels);
        return n * (line.offset + line.lineHeight);
    };
    const auto expectFit = [&](int width, int pageHeight, const std::vector<int>& tried) {
        int expected = 8;
        for (int pixels : tried) {
            if (needed(pixels) <= pageHeight) {
                expected = pixels;
                break;
            }
        }
        f.resize(QSize(width, pageHeight));
        layout(text);
        EXPECT_EQ(f.document.Header.GapFontHeight, -expected) << width << " x " << pageHeight;
        EXPECT_EQ(f.document.Header.GapFontAdjustment, expected - RoundHalfEven(width / 870.0 * 22))
            << width << " x " << pageHeight;
        EXPECT_EQ(f.document.ObjectCount(), n);
    };
    const std::vector<int> at870 = {22, 20, 18, 16, 14, 13, 12, 11, 10, 9};
    expectFit(870, needed(22), at870);
    expectFit(870, needed(14), at870);
    expectFit(870, needed(14) - 1, at870);
    expectFit(870, needed(10), at870);
    expectFit(870, 50, at870);
    // Halves round to even: 1000 pixels start at 25 and shrink by 2.
    expectFit(1000, needed(23), {25, 23, 21});
}

TEST_F(GapTextLayoutTest, RelayoutMovesTheGapsAndKeepsTheirStates) {
    layout(QStringLiteral("Eins <<a>> zwei <<b>>\r\ndrei <<c|C>>."));
    ASSERT_EQ(f.document.ObjectCount(), 3);
    std::vector<int> numbers;
    for (const ObjDataTyp& o : f.document.Objects)
        numbers.push_back(o.Nummer);
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3}));
    f.document.Object(1).State = ObjectState::Ticked;
    const double oldKx = f.document.Object(2).Kx;
    const double oldKy = f.document.Object(2).Ky;

    f.resize(QSize(500, 300));
    GapTextLayout(f.document, f.pass(false), f.state);
    ASSERT_EQ(f.document.ObjectCount(), 3);
    EXPECT_EQ(f.document.Object(0).Cap, QStringLiteral("a"));
    EXPECT_EQ(f.document.Object(2).Cap, QStringLiteral("c"));
    EXPECT_EQ(f.document.Object(2).BildKenn, QStringLiteral("|c|C|"));
    EXPECT_EQ(f.document.Object(1).State, ObjectState::Ticked);
    EXPECT_EQ(f.document.Object(1).Nummer, 2);
    EXPECT_NE(f.document.Object(2).Kx, oldKx);
    EXPECT_NE(f.document.Object(2).Ky, oldKy);
    EXPECT_EQ(f.document.Object(2).Sx, f.document.Object(2).Kx);

    // Regenerating again creates them anew instead of adding to them.
    GapTextLayout(f.document, f.pass(true), f.state);
    EXPECT_EQ(f.document.ObjectCount(), 3);
    EXPECT_EQ(f.document.Object(1).State, ObjectState::Covered);
}

TEST_F(GapTextLayoutTest, TextLayerOffPlacesTheGapsWithoutDrawing) {
    layout(QStringLiteral("Die Sonne geht im <<Osten>> auf."));
    const double kx = f.document.Object(0).Kx;
    f.page.fill(Qt::white);
    f.document.Object(0).Kx = 0;
    layout(f.document.Header.Lueckentext, false, false);
    EXPECT_TRUE(f.pageIsWhite());
    EXPECT_DOUBLE_EQ(f.document.Object(0).Kx, kx);
}

TEST_F(GapTextLayoutTest, WithoutAPageTheGapsAreStillCreated) {
    f.document.Header.Lueckentext = QStringLiteral("Ein <<Satz>> und <<noch|einer>>.");
    LayoutPass pass;
    pass.regenerate = true;
    pass.pageSize = QSize(870, 600);
    GapTextLayout(f.document, pass, f.state);
    EXPECT_EQ(f.ofKind(ObjectKind::Gap).size(), 2u);
    EXPECT_GT(f.document.Object(1).Kx, f.document.Object(0).Kx);
}

TEST_F(GapTextLayoutTest, UnbalancedMarkersAreTextAndMakeNoGaps) {
    layout(QStringLiteral("Ein << ohne Ende\r\nund ein >> ohne Anfang\r\n<<a>> >> <<"));
    ASSERT_EQ(f.document.ObjectCount(), 1);
    EXPECT_EQ(f.document.Object(0).Cap, QStringLiteral("a"));
    EXPECT_FALSE(f.pageIsWhite());
}

TEST_F(GapTextLayoutTest, OtherDocumentTypesAreLeftAlone) {
    f.document.Header.DokTyp = DocumentType::Labelling;
    AddObject(f.document, {.Typ = ObjectKind::Gap,
                           .Ebene = 1,
                           .Cap = QStringLiteral("bleibt"),
                           .FrageNummer = 0,
                           .Kx = 0.5,
                           .Ky = 0.5,
                           .KAusr = 2,
                           .Fsize = 0});
    layout(QStringLiteral("Ein <<Satz>>."));
    EXPECT_EQ(f.document.ObjectCount(), 1);
    EXPECT_TRUE(f.pageIsWhite());
}

} // namespace
} // namespace quindor
