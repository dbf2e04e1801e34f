#include "layouts/cluster_layout.h"

#include "core/rounding.h"
#include "document/document.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace quindor {
namespace {

const QSize kPage(870, 640);

Picture SmallPicture() {
    Picture picture;
    picture.Image = test::PatternImage(16, 12);
    return picture;
}

class ClusterLayoutTest : public ::testing::Test {
protected:
    ClusterLayoutTest() {
        HeaderDataTyp& h = document.Header;
        h.DokTyp = DocumentType::Cluster;
        h.EinrueckRand = DefaultEinrueckRand(DocumentType::Cluster);
        h.Zeilen = 4;
        h.Spalten = 3;
        state.NumberingMode = Numbering::Ordered;
    }

    CellDataTyp& cell(int row, int column) { return document.Header.Cell(row, column); }
    void text(int row, int column, const QString& t, int art) {
        cell(row, column).Text = t;
        cell(row, column).Art = art;
    }
    void layout(bool regenerate = true, QSize page = kPage) {
        LayoutPass pass;
        pass.regenerate = regenerate;
        pass.pageSize = page;
        ClusterLayout(document, pass, state);
    }

    Document document;
    ProgramState state;
};

TEST_F(ClusterLayoutTest, ThreeBasketsOfFourRowsOnTheReferencePage) {
    const ClusterGeometry g = ComputeClusterGeometry(document.Header, kPage);
    EXPECT_EQ(g.left, 30);
    EXPECT_EQ(g.columnWidth, 270);
    EXPECT_EQ(g.top, 19);
    EXPECT_EQ(g.headerBand, 32);
    EXPECT_EQ(g.rowHeight, 142);
    EXPECT_EQ(g.bottomEdge, 621);

    text(0, 0, QStringLiteral("Obst"), 0);
    layout();
    ASSERT_EQ(document.ObjectCount(), 1);
    const ObjDataTyp& o = document.Object(0);
    EXPECT_EQ(o.Typ, ObjectKind::ClusterStaticText);
    EXPECT_DOUBLE_EQ(o.Kx, (30 + 135) / 870.0);
    EXPECT_DOUBLE_EQ(o.Ky, (71 + 19 + 32) / 640.0);
    EXPECT_EQ(o.Sx, o.Kx);
    EXPECT_EQ(o.Sy, o.Ky);
    EXPECT_EQ(o.Fsize, -1);
    EXPECT_EQ(o.KAusr, 5);
    EXPECT_EQ(o.TAusr, 1);
    EXPECT_EQ(o.Ebene, 1);
    EXPECT_EQ(o.FrageNummer, 0);
    EXPECT_EQ(o.BildKenn, QString());
    EXPECT_DOUBLE_EQ(o.FixedWidth, 270 * 0.95 / 870);
    EXPECT_DOUBLE_EQ(o.FixedHeight, 142 * 0.85 / 640);
}

TEST_F(ClusterLayoutTest, CardsRowByRowWithBasketTagsAndRunningNumbers) {
    text(0, 0, QStringLiteral("Obst"), 0);
    text(0, 1, QStringLiteral("  Tiere "), 0);
    text(1, 0, QStringLiteral("Apfel"), 1);
    // An empty or blank text cell makes nothing and takes no number.
    text(1, 1, QString(), 1);
    text(1, 2, QStringLiteral("   "), 1);
    text(2, 1, QStringLiteral("Hund"), 1);
    cell(2, 2).Art = 3;
    cell(2, 2).Bild = SmallPicture();
    cell(2, 2).BildKenn = QStringLiteral("Stopp");
    cell(2, 2).BildkarteAnpassen = 1;
    cell(3, 0).Art = 2;
    cell(3, 0).Bild = SmallPicture();
    cell(3, 0).Fsize = 20;
    layout();

    ASSERT_EQ(document.ObjectCount(), 6);
    const ObjectKind kinds[] = {ObjectKind::ClusterStaticText, ObjectKind::ClusterStaticText,
                                ObjectKind::ClusterText,       ObjectKind::ClusterText,
                                ObjectKind::ClusterPicture,    ObjectKind::ClusterStaticPicture};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(document.Object(i).Typ, kinds[i]) << i;
    // The caption keeps its blanks; only the test for emptiness trims.
    EXPECT_EQ(document.Object(1).Cap, QStringLiteral("  Tiere "));

    const ObjDataTyp& apple = document.Object(2);
    EXPECT_EQ(apple.BildKenn, QStringLiteral("Korb#1"));
    EXPECT_EQ(apple.FrageNummer, 1);
    const ObjDataTyp& dog = document.Object(3);
    EXPECT_EQ(dog.BildKenn, QStringLiteral("Korb#2"));
    EXPECT_EQ(dog.FrageNummer, 2);
    EXPECT_DOUBLE_EQ(dog.Ky, (2.5 * 142 + 19 + 32) / 640.0);

    const ObjDataTyp& sign = document.Object(4);
    EXPECT_EQ(sign.BildKenn, QStringLiteral("Korb#3"));
    EXPECT_EQ(sign.FrageNummer, 3);
    EXPECT_EQ(sign.Cap, QString());
    EXPECT_EQ(sign.BildkarteAnpassen, 1);
    EXPECT_TRUE(sign.Picture.Linear);
    EXPECT_TRUE(test::SameImage(cell(2, 2).Bild.Image, sign.Picture.Image));
    EXPECT_EQ(sign.KAusr, 5);
    EXPECT_EQ(sign.TAusr, 0);

    const ObjDataTyp& pear = document.Object(5);
    EXPECT_EQ(pear.Fsize, 17);
    EXPECT_EQ(pear.FrageNummer, 0);
    EXPECT_DOUBLE_EQ(pear.Kx, (30 + 135) / 870.0);

    // Query cards start covered and numbered in the current mode.
    EXPECT_EQ(apple.State, ObjectState::Covered);
    EXPECT_GE(apple.Nummer, 1);
}

TEST_F(ClusterLayoutTest, RegeneratingReplacesOnlyClusterObjects) {
    AddObject(document, {.Typ = ObjectKind::InfoPoint,
                         .Ebene = 2,
                         .Cap = QStringLiteral("Hinweis"),
                         .FrageNummer = -1,
                         .Kx = 0.5,
                         .Ky = 0.5,
                         .KAusr = 1,
                         .Fsize = 0});
    text(0, 0, QStringLiteral("Obst"), 0);
    text(1, 0, QStringLiteral("Apfel"), 1);
    layout();
    layout();
    ASSERT_EQ(document.ObjectCount(), 3);
    EXPECT_EQ(document.Object(0).Typ, ObjectKind::InfoPoint);

    // Without regenerating nothing changes, not even a card moved by a run.
    document.Object(2).Ky = 0.9;
    layout(false, QSize(400, 900));
    EXPECT_EQ(document.ObjectCount(), 3);
    EXPECT_EQ(document.Object(2).Ky, 0.9);
}

TEST_F(ClusterLayoutTest, SizesShrinkWithTheBaskets) {
    // Character height 2v + 22 scaled by 1.1 for one basket, down to 0.7 for five.
    EXPECT_EQ(ClusterScaledSize(0, 1), 1);
    EXPECT_EQ(ClusterScaledSize(0, 2), 0);
    EXPECT_EQ(ClusterScaledSize(0, 3), -1);
    EXPECT_EQ(ClusterScaledSize(20, 2), 20);
    EXPECT_EQ(ClusterScaledSize(20, 5), RoundHalfEven((62 * 0.7 - 22) / 2));
    EXPECT_EQ(ClusterScaledSize(0, 6), -4);
    // From seven baskets on the cards keep a readable size.
    EXPECT_EQ(ClusterScaledSize(0, 7), ClusterScaledSize(0, 12));
    EXPECT_GT((2 * ClusterScaledSize(0, 12) + 22), 8);
}

TEST_F(ClusterLayoutTest, UnusualGridsLayOutWithoutFailing) {
    for (const auto& [rows, baskets] :
         {std::pair{0, 3}, {4, 0}, {1, 1}, {16, 12}, {20, 15}, {-1, -2}}) {
        document.Header.Zeilen = rows;
        document.Header.Spalten = baskets;
        for (int r = 0; r < kGridRows; ++r) {
            for (int c = 0; c < kGridColumns; ++c)
                text(r, c, QStringLiteral("x"), 1);
        }
        layout();
        const int expected = std::clamp(rows, 0, kGridRows) * std::clamp(baskets, 0, kGridColumns);
        EXPECT_EQ(document.ObjectCount(), expected) << rows << " x " << baskets;

        QImage page(kPage, QImage::Format_ARGB32_Premultiplied);
        page.fill(Qt::white);
        QPainter painter(&page);
        DrawBasketBackground(document, painter, kPage, true);
    }
    // The last basket of twelve carries its number.
    document.Header.Zeilen = 1;
    document.Header.Spalten = 12;
    layout();
    EXPECT_EQ(document.Objects.back().BildKenn, QStringLiteral("Korb#12"));
}

TEST(BasketMarker, RadiusShrinksWithTheRows) {
    EXPECT_EQ(BasketMarkerRadius(870, 16), RoundHalfEven(18 * 0.68));
    EXPECT_EQ(BasketMarkerRadius(870, 16), 12);
    EXPECT_EQ(BasketMarkerRadius(870, 1), 18);
    EXPECT_EQ(BasketMarkerRadius(1740, 16), RoundHalfEven(2 * 18 * 0.68));
}

TEST(BasketDetection, UnroundedColumnsBetweenTheMargins) {
    HeaderDataTyp h;
    h.DokTyp = DocumentType::Cluster;
    h.Spalten = 3;
    h.EinrueckRand = DefaultEinrueckRand(DocumentType::Cluster);
    const double w = 0.93 / 3;
    EXPECT_EQ(BasketAt(h, {0.035, 0.03}), 1);
    EXPECT_EQ(BasketAt(h, {0.035 + w - 1e-9, 0.5}), 1);
    EXPECT_EQ(BasketAt(h, {0.035 + w, 0.5}), 2);
    EXPECT_EQ(BasketAt(h, {0.5, 0.969}), 2);
    EXPECT_EQ(BasketAt(h, {0.9, 0.5}), 3);
    // Outside the margins there is no basket.
    EXPECT_EQ(BasketAt(h, {0.034, 0.5}), 0);
    EXPECT_EQ(BasketAt(h, {0.965, 0.5}), 0);
    EXPECT_EQ(BasketAt(h, {0.5, 0.029}), 0);
    EXPECT_EQ(BasketAt(h, {0.5, 0.97}), 0);
    h.Spalten = 0;
    EXPECT_EQ(BasketAt(h, {0.5, 0.5}), 0);
}

class BasketBackgroundTest : public ClusterLayoutTest {
protected:
    BasketBackgroundTest() : page(kPage, QImage::Format_ARGB32_Premultiplied) {}

    void draw(bool running) {
        page.fill(Qt::white);
        QPainter painter(&page);
        DrawBasketBackground(document, painter, kPage, running);
    }
    QColor at(int x, int y) const { return page.pixelColor(x, y); }

    QImage page;
};

TEST_F(BasketBackgroundTest, OpacityDecidesHowMuchOfThePageShows) {
    HeaderDataTyp& h = document.Header;
    h.Column(0) = {0x0000FF, 100};
    h.Column(1) = {0x0000FF, 0};
    h.Column(2) = {0xFF0000, 50};
    draw(false);
    EXPECT_EQ(at(30, 19), QColor(255, 0, 0));
    EXPECT_EQ(at(299, 621), QColor(255, 0, 0));
    // Right and bottom edges are outside.
    EXPECT_EQ(at(30, 622), QColor(Qt::white));
    EXPECT_EQ(at(29, 300), QColor(Qt::white));
    EXPECT_EQ(at(30, 18), QColor(Qt::white));
    EXPECT_EQ(at(400, 300), QColor(Qt::white));
    const QColor half = at(700, 300);
    EXPECT_NEAR(half.blue(), 255, 1);
    EXPECT_NEAR(half.red(), 127, 2);
    EXPECT_EQ(at(840, 300), QColor(Qt::white));
}

TEST_F(BasketBackgroundTest, SeparatorLinesOnlyWhenAskedFor) {
    HeaderDataTyp& h = document.Header;
    for (int i = 0; i < 3; ++i)
        h.Column(i).Deck = 0;
    h.LinieCol = 0x00FF00;
    draw(false);
    EXPECT_EQ(at(300, 300), QColor(Qt::white));
    h.Linie = 1;
    draw(false);
    for (const int x : {300, 570}) {
        EXPECT_EQ(at(x, 19), QColor(0, 255, 0)) << x;
        EXPECT_EQ(at(x, 620), QColor(0, 255, 0)) << x;
        EXPECT_EQ(at(x, 621), QColor(Qt::white)) << x;
        EXPECT_EQ(at(x + 1, 300), QColor(Qt::white)) << x;
    }
    EXPECT_EQ(at(30, 300), QColor(Qt::white));
}

TEST_F(BasketBackgroundTest, MarkersOnlyDuringARun) {
    HeaderDataTyp& h = document.Header;
    for (int i = 0; i < 3; ++i)
        h.Column(i).Deck = 0;
    const int r = BasketMarkerRadius(870, 4);
    const int y = RoundHalfEven(19 + r * 1.4);
    const auto redIn = [this, r, y](int x) {
        for (int yy = y - r; yy <= y + r; ++yy) {
            for (int xx = x - r; xx <= x + r; ++xx) {
                const QColor c = at(xx, yy);
                if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
                    return true;
            }
        }
        return false;
    };
    draw(false);
    EXPECT_FALSE(redIn(165));
    draw(true);
    for (int i = 0; i < 3; ++i) {
        const int x = 30 + RoundHalfEven(270 * (i + 0.5));
        EXPECT_EQ(at(x + r - 5, y), QColor(0xEC, 0xEC, 0xE8)) << i;
        EXPECT_TRUE(redIn(x)) << i;
        EXPECT_EQ(at(x + r + 2, y), QColor(Qt::white)) << i;
    }
}

} // namespace
} // namespace quindor
