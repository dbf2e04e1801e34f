#include "layouts/pair_layout.h"

#include "document/document.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace quindor {
namespace {

const QSize kPage(870, 640);
constexpr WinColor kLines = 0x00804020;

class PairLayoutTest : public ::testing::Test {
protected:
    PairLayoutTest() {
        HeaderDataTyp& h = document.Header;
        h.DokTyp = DocumentType::CrossMatching;
        h.EinrueckRand = DefaultEinrueckRand(DocumentType::CrossMatching);
        h.Zeilen = 4;
        h.Spalten = 2;
        h.LinieCol = kLines;
        state.NumberingMode = Numbering::Ordered;
        for (int row = 0; row < 4; ++row)
            pair(row, QStringLiteral("links %1").arg(row), QStringLiteral("rechts %1").arg(row));
    }

    void pair(int row, const QString& left, const QString& right, int art = 1) {
        document.Header.Cell(row, 0) = CellDataTyp{left, {}, art, {}, {}, 20, 0, 0};
        document.Header.Cell(row, 1) = CellDataTyp{right, {}, art, {}, {}, 20, 0, 0};
    }
    void layout(bool regenerate = true) {
        LayoutPass pass;
        pass.regenerate = regenerate;
        pass.pageSize = kPage;
        PairLayout(document, pass, state);
    }
    static bool rightHand(const ObjDataTyp& o) {
        return o.Typ >= ObjectKind::PairStaticText && o.Typ <= ObjectKind::PairPicture &&
               o.Kx > 0.5;
    }
    // The row of every right-hand element, in object order.
    std::vector<double> rightRows() const {
        std::vector<double> rows;
        for (const ObjDataTyp& o : document.Objects) {
            if (rightHand(o))
                rows.push_back(o.Ky);
        }
        return rows;
    }
    bool anyInOwnRow() const {
        return std::any_of(document.Objects.begin(), document.Objects.end(),
                           [](const ObjDataTyp& o) { return rightHand(o) && o.Ky == o.Sy; });
    }

    Document document;
    ProgramState state;
};

TEST_F(PairLayoutTest, FourPairsOnTheReferencePage) {
    const PairGeometry g = ComputePairGeometry(document.Header, kPage);
    EXPECT_EQ(g.left, 30);
    EXPECT_EQ(g.columnWidth, 405);
    EXPECT_EQ(g.quarter, 101);
    EXPECT_EQ(g.rowHeight, 150);
    EXPECT_EQ(g.leftX(), 334);
    EXPECT_EQ(g.rightX(), 536);
    EXPECT_DOUBLE_EQ(g.rowY(0), 94);

    layout();
    ASSERT_EQ(document.ObjectCount(), 8);
    const ObjDataTyp& left = document.Object(0);
    const ObjDataTyp& right = document.Object(1);
    EXPECT_EQ(left.Typ, ObjectKind::PairText);
    EXPECT_DOUBLE_EQ(left.Kx, 334 / 870.0);
    EXPECT_DOUBLE_EQ(left.Ky, 94 / 640.0);
    EXPECT_EQ(left.Sx, left.Kx);
    EXPECT_EQ(left.Sy, left.Ky);
    EXPECT_DOUBLE_EQ(right.Kx, 536 / 870.0);
    EXPECT_DOUBLE_EQ(right.Ky, 94 / 640.0);

    EXPECT_EQ(left.KAusr, 3);
    EXPECT_EQ(right.KAusr, 1);
    EXPECT_EQ(left.TAusr, 2);
    EXPECT_EQ(right.TAusr, 0);
    EXPECT_EQ(left.Sline, 0);
    EXPECT_EQ(right.Sline, kPairLineForm);
    EXPECT_EQ(left.LinieDicke, 0);
    EXPECT_EQ(right.LinieDicke, 2);
    EXPECT_EQ(left.LinieFarbe, 0);
    EXPECT_EQ(right.LinieFarbe, kLines);
    EXPECT_EQ(left.Ebene, 1);
    EXPECT_EQ(left.Fsize, 0);
    EXPECT_DOUBLE_EQ(left.FixedWidth, (405 - 101) / 870.0);
    EXPECT_DOUBLE_EQ(right.FixedHeight, 150 * 0.85 / 640);

    // The right element of pair 3 is tagged and anchored at its left partner's point.
    const ObjDataTyp& third = document.Object(5);
    EXPECT_EQ(third.BildKenn, QStringLiteral("Paar#3"));
    EXPECT_EQ(document.Object(4).BildKenn, QStringLiteral("Paar#3"));
    EXPECT_NEAR(third.Sx, document.Object(4).Kx, 1e-12);
    EXPECT_EQ(third.Sy, document.Object(4).Ky);
    for (int j = 0; j < 8; j += 2) {
        EXPECT_EQ(document.Object(j).Partner, j + 1);
        EXPECT_EQ(document.Object(j + 1).Partner, j);
        EXPECT_EQ(document.Object(j).FrageNummer, -1);
        EXPECT_EQ(document.Object(j + 1).FrageNummer, j / 2 + 1);
    }
}

TEST_F(PairLayoutTest, ShortCaptionsArePaddedToFourCharacters) {
    pair(0, QStringLiteral("ab"), QString());
    pair(1, QStringLiteral("Baum"), QStringLiteral("  x"));
    layout();
    EXPECT_EQ(document.Object(0).Cap, QStringLiteral("ab  "));
    EXPECT_EQ(document.Object(1).Cap, QStringLiteral("    "));
    EXPECT_EQ(document.Object(2).Cap, QStringLiteral("Baum"));
    EXPECT_EQ(document.Object(3).Cap, QStringLiteral("  x "));
}

TEST_F(PairLayoutTest, PicturesAndStaticElements) {
    HeaderDataTyp& h = document.Header;
    h.Cell(0, 0).Art = 3;
    h.Cell(0, 0).Bild.Image = test::PatternImage(20, 10);
    h.Cell(0, 0).Fsize = 35;
    h.Cell(0, 0).BildkarteAnpassen = 1;
    pair(1, QStringLiteral("fest"), QStringLiteral("auch fest"), 0);
    h.Cell(2, 1).Art = 2;
    h.Cell(2, 1).Bild.Image = test::PatternImage(10, 10);
    // A damaged cell kind still makes an element, so that the row stays a pair.
    h.Cell(3, 0).Art = 9;
    layout();

    ASSERT_EQ(document.ObjectCount(), 8);
    const ObjDataTyp& picture = document.Object(0);
    EXPECT_EQ(picture.Typ, ObjectKind::PairPicture);
    EXPECT_EQ(picture.Cap, QString());
    EXPECT_EQ(picture.Fsize, 35);
    EXPECT_EQ(picture.TAusr, 0);
    EXPECT_EQ(picture.BildkarteAnpassen, 0);
    EXPECT_TRUE(picture.Picture.Linear);
    EXPECT_TRUE(test::SameImage(h.Cell(0, 0).Bild.Image, picture.Picture.Image));

    EXPECT_EQ(document.Object(2).Typ, ObjectKind::PairStaticText);
    EXPECT_EQ(document.Object(3).Typ, ObjectKind::PairStaticText);
    EXPECT_EQ(document.Object(5).Typ, ObjectKind::PairStaticPicture);
    EXPECT_EQ(document.Object(6).Typ, ObjectKind::PairStaticText);
    EXPECT_EQ(document.Object(6).Cap, QStringLiteral("links 3"));
    EXPECT_EQ(document.Object(6).Partner, 7);
    // Only right-hand query elements count: static ones carry -1.
    EXPECT_EQ(document.Object(1).FrageNummer, 1);
    EXPECT_EQ(document.Object(3).FrageNummer, -1);
    EXPECT_EQ(document.Object(5).FrageNummer, -1);
    EXPECT_EQ(document.Object(7).FrageNummer, 2);
    // Query elements start covered and numbered.
    EXPECT_EQ(document.Object(1).State, ObjectState::Covered);
    EXPECT_GE(document.Object(1).Nummer, 1);
}

TEST_F(PairLayoutTest, UnusualGrids) {
    document.Header.Spalten = 0;
    layout();
    EXPECT_EQ(document.ObjectCount(), 0);
    document.Header.Spalten = 2;
    document.Header.Zeilen = 0;
    layout();
    EXPECT_EQ(document.ObjectCount(), 0);

    // One column gives left elements without partners; further columns are not used.
    document.Header.Zeilen = 2;
    document.Header.Spalten = 1;
    layout();
    ASSERT_EQ(document.ObjectCount(), 2);
    EXPECT_EQ(document.Object(0).Partner, -1);
    document.Header.Spalten = 5;
    document.Header.Cell(0, 2).Text = QStringLiteral("dritte");
    layout();
    EXPECT_EQ(document.ObjectCount(), 4);
    EXPECT_EQ(ComputePairGeometry(document.Header, kPage).columnWidth, 405);
}

TEST_F(PairLayoutTest, RegeneratingPutsEveryElementBackWithoutDoubles) {
    AddObject(document, {.Typ = ObjectKind::InfoPoint,
                         .Ebene = 2,
                         .Cap = QStringLiteral("Hinweis"),
                         .FrageNummer = -1,
                         .Kx = 0.5,
                         .Ky = 0.5,
                         .KAusr = 1,
                         .Fsize = 0});
    layout();
    ShuffleRightHandElements(document, 4, 77, state.Random);
    ASSERT_TRUE(!anyInOwnRow());
    layout(false);
    EXPECT_FALSE(anyInOwnRow());
    layout();
    ASSERT_EQ(document.ObjectCount(), 9);
    EXPECT_EQ(document.Object(0).Typ, ObjectKind::InfoPoint);
    EXPECT_TRUE(std::all_of(document.Objects.begin(), document.Objects.end(),
                            [](const ObjDataTyp& o) { return o.Ky == o.Sy; }));
}

TEST_F(PairLayoutTest, TwoPairsAreAlwaysSwapped) {
    document.Header.Zeilen = 2;
    layout();
    const std::vector<double> before = rightRows();
    for (const uint32_t seed : {0u, 1u, 2u, 12345u, 0xFFFFFFFFu}) {
        ShuffleRightHandElements(document, 2, seed, state.Random);
        EXPECT_EQ(rightRows(), (std::vector<double>{before[1], before[0]})) << seed;
        RestoreRightHandOrder(document);
        EXPECT_EQ(rightRows(), before);
    }
}

TEST_F(PairLayoutTest, SameSeedSameOrderAndNoElementInItsRow) {
    document.Header.Zeilen = 8;
    for (int row = 4; row < 8; ++row)
        pair(row, QStringLiteral("l%1").arg(row), QStringLiteral("r%1").arg(row));
    layout();
    const std::vector<double> own = rightRows();
    std::set<std::vector<double>> orders;
    for (const uint32_t seed : {5u, 6u, 7u}) {
        ShuffleRightHandElements(document, 8, seed, state.Random);
        const std::vector<double> first = rightRows();
        EXPECT_FALSE(anyInOwnRow()) << seed;
        EXPECT_EQ(std::multiset<double>(first.begin(), first.end()),
                  std::multiset<double>(own.begin(), own.end()));
        RestoreRightHandOrder(document);
        EXPECT_EQ(rightRows(), own);
        ShuffleRightHandElements(document, 8, seed, state.Random);
        EXPECT_EQ(rightRows(), first) << seed;
        orders.insert(first);
        RestoreRightHandOrder(document);
    }
    EXPECT_GT(orders.size(), 1u);
}

TEST_F(PairLayoutTest, TheGeneratorIsSeededFromTheClockAfterwards) {
    layout();
    ShuffleRightHandElements(document, 4, 99, state.Random);
    const uint32_t after = state.Random.state();
    // Replaying the seeded sequence must not reach the state left behind.
    RandomGenerator replay(99);
    bool repeated = false;
    for (int i = 0; i < 100000 && !repeated; ++i) {
        replay.random(4);
        repeated = replay.state() == after;
    }
    EXPECT_FALSE(repeated);
}

TEST_F(PairLayoutTest, PartialCountsEnd) {
    layout();
    const std::vector<double> own = rightRows();
    // Pairs 3 and 4 are not mixed and stay in their rows; 1 and 2 change places.
    EXPECT_LT(ShuffleRightHandElements(document, 2, 3, state.Random), 1000);
    const std::vector<double> rows = rightRows();
    EXPECT_EQ(rows[0], own[1]);
    EXPECT_EQ(rows[1], own[0]);
    EXPECT_EQ(rows[2], own[2]);
    EXPECT_EQ(rows[3], own[3]);
    RestoreRightHandOrder(document);

    // One element is mixed once with itself; a count beyond the elements still ends.
    EXPECT_EQ(ShuffleRightHandElements(document, 1, 3, state.Random), 1);
    EXPECT_EQ(rightRows(), own);
    ShuffleRightHandElements(document, 6, 3, state.Random);
    EXPECT_FALSE(anyInOwnRow());
    RestoreRightHandOrder(document);

    // Damaged numbers: a single movable element, or one number twice.
    document.Object(3).FrageNummer = 0;
    document.Object(5).FrageNummer = 0;
    document.Object(7).FrageNummer = 0;
    EXPECT_EQ(ShuffleRightHandElements(document, 4, 3, state.Random), 1);
    document.Object(3).FrageNummer = 1;
    document.Object(5).FrageNummer = 2;
    EXPECT_LT(ShuffleRightHandElements(document, 4, 3, state.Random), 1000);
    EXPECT_EQ(ShuffleRightHandElements(document, 0, 3, state.Random), 1);
}

TEST_F(PairLayoutTest, RestoringNeedsOnlyTheRightHandSide) {
    layout();
    const std::vector<double> own = rightRows();
    ShuffleRightHandElements(document, 4, 11, state.Random);
    // A damaged partner index falls back to the element's own anchor row.
    document.Object(3).Partner = 99;
    RestoreRightHandOrder(document);
    EXPECT_EQ(rightRows(), own);
}

TEST(PairLine, ThreePiecesWithStraightEnds) {
    const std::array<QPoint, 4> p = PairLinePoints(QPoint(100, 80), QPoint(400, 300));
    EXPECT_EQ(p[0], QPoint(100, 80));
    EXPECT_EQ(p[1], QPoint(150, 80));
    EXPECT_EQ(p[2], QPoint(350, 300));
    EXPECT_EQ(p[3], QPoint(400, 300));
}

} // namespace
} // namespace quindor
