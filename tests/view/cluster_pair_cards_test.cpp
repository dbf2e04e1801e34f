#include "core/rounding.h"
#include "layouts/cluster_layout.h"
#include "layouts/document_layouts.h"
#include "layouts/pair_layout.h"
#include "support/test_support.h"
#include "view/object_renderer.h"
#include "view/view_composer.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace quindor {
namespace {

const QSize kPage(870, 640);
constexpr WinColor kLine = 0x000000FF; // red

// One object drawn on a white page of 870 x 640.
class CardTest : public ::testing::Test {
protected:
    CardTest() : page(kPage, QImage::Format_ARGB32_Premultiplied) {
        page.fill(Qt::white);
        context.imageSize = kPage;
    }

    ObjDataTyp& add(ObjectKind typ, double kx, double ky, int kAusr,
                    const QString& cap = QString()) {
        const int index = AddObject(document, {.Typ = typ,
                                               .Ebene = 1,
                                               .Cap = cap,
                                               .FrageNummer = -1,
                                               .Kx = kx,
                                               .Ky = ky,
                                               .KAusr = kAusr,
                                               .Fsize = 0});
        document.Object(index).State = ObjectState::Shown;
        return document.Object(index);
    }
    void draw(int index) {
        QPainter painter(&page);
        DrawObject(document, index, painter, context);
    }
    QRect card(int index) const {
        const FracRect& r = document.Object(index).CardRect;
        return QRect(
            QPoint(RoundHalfEven(r.Left * kPage.width()), RoundHalfEven(r.Top * kPage.height())),
            QPoint(RoundHalfEven(r.Right * kPage.width()) - 1,
                   RoundHalfEven(r.Bottom * kPage.height()) - 1));
    }
    bool red(int x, int y) const { return page.pixelColor(x, y) == QColor(255, 0, 0); }

    Document document;
    RenderContext context;
    QImage page;
};

TEST_F(CardTest, PairLineRunsInThreePieces) {
    ObjDataTyp& o = add(ObjectKind::PairText, 400 / 870.0, 300 / 640.0, 1, QStringLiteral("Wort"));
    o.Sx = 100 / 870.0;
    o.Sy = 80 / 640.0;
    o.Sline = kPairLineForm;
    o.LinieDicke = 2;
    o.LinieFarbe = kLine;
    draw(0);
    // Straight ends of 50 pixels, the diagonal between them; two pixels wide.
    EXPECT_TRUE(red(125, 80));
    EXPECT_TRUE(red(125, 79));
    EXPECT_FALSE(red(125, 81));
    EXPECT_TRUE(red(150, 80));
    EXPECT_TRUE(red(250, 190));
    EXPECT_TRUE(red(375, 300));
    EXPECT_FALSE(red(200, 80));
    EXPECT_FALSE(red(375, 250));
}

TEST_F(CardTest, PairLineOnlyWhereItBelongs) {
    for (const auto& [typ, width, lines] : {std::tuple{ObjectKind::PairStaticPicture, 0, true},
                                            {ObjectKind::QueryLabel, 2, true},
                                            {ObjectKind::PairText, 2, false}}) {
        document.Objects.clear();
        page.fill(Qt::white);
        ObjDataTyp& o = add(typ, 400 / 870.0, 300 / 640.0, 1, QStringLiteral("Wort"));
        o.Sx = 100 / 870.0;
        o.Sy = 300 / 640.0;
        o.Sline = kPairLineForm;
        o.LinieDicke = width;
        o.LinieFarbe = kLine;
        context.drawLines = lines;
        draw(0);
        EXPECT_FALSE(red(200, 300)) << typ;
    }
}

// A picture item without its picture shows nothing of its identity, which names its basket
// or its partner.
TEST_F(CardTest, APictureItemWithoutItsPictureShowsNoText) {
    for (const ObjectKind typ : {ObjectKind::ClusterPicture, ObjectKind::PairPicture}) {
        page.fill(Qt::white);
        add(typ, 0.5, 0.5, 1);
        draw(document.ObjectCount() - 1);
        const QImage unnamed = page.copy();
        page.fill(Qt::white);
        document.Objects.back().Cap = QStringLiteral("Korb#2 (Bildkennung)");
        draw(document.ObjectCount() - 1);
        EXPECT_TRUE(test::SameImage(page, unnamed)) << typ;
    }
}

TEST_F(CardTest, ClusterCardsSitCentredOnTheirPoint) {
    ObjDataTyp& o = add(ObjectKind::ClusterStaticText, 0.5, 0.5, 5, QStringLiteral("Obst"));
    o.FixedWidth = 0.2;
    draw(0);
    const QRect r = card(0);
    EXPECT_EQ(r.width(), 174);
    EXPECT_EQ(r.left(), 435 - 87);
    EXPECT_NEAR(r.center().y(), 320, 1);
    EXPECT_EQ(document.Object(0).KAusrAkt, 5);
}

TEST_F(CardTest, CaptionsWrapAtTheFixedWidth) {
    const QString text = QStringLiteral("ein langer Satz, der nicht in eine Zeile passt");
    ObjDataTyp& wrapped = add(ObjectKind::PairText, 0.5, 0.3, 1, text);
    wrapped.FixedWidth = 0.2;
    draw(0);
    ObjDataTyp& single = add(ObjectKind::QueryLabel, 0.5, 0.7, 1, text);
    single.FixedWidth = 0.2;
    draw(1);
    EXPECT_EQ(card(0).width(), 174);
    EXPECT_GE(card(0).height(), 2 * card(1).height() - 4);
    // Other kinds ignore the fixed width.
    EXPECT_GT(card(1).width(), 174);
}

TEST_F(CardTest, PicturesShrinkToTheFixedHeight) {
    for (const ObjectKind typ :
         {ObjectKind::ClusterPicture, ObjectKind::PairStaticPicture, ObjectKind::QueryPicture}) {
        document.Objects.clear();
        ObjDataTyp& o = add(typ, 0.5, 0.5, 5);
        o.Picture.Image = test::PatternImage(40, 20);
        o.Fsize = 20;
        o.FixedHeight = 0.05;
        draw(0);
        const int height = card(0).height();
        if (typ == ObjectKind::QueryPicture)
            EXPECT_GT(height, 32) << typ;
        else
            EXPECT_EQ(height, 32) << typ;
        EXPECT_EQ(card(0).width(), 2 * height) << typ;
    }
}

// The learning view of a cluster document: baskets under the cards, markers during a run.
class ClusterViewTest : public ::testing::Test {
protected:
    ClusterViewTest() {
        QImage base(kPage, QImage::Format_ARGB32_Premultiplied);
        base.fill(Qt::white);
        document.BaseImage.Image = base;
        HeaderDataTyp& h = document.Header;
        h.DokTyp = DocumentType::Cluster;
        h.EinrueckRand = DefaultEinrueckRand(DocumentType::Cluster);
        h.Zeilen = 4;
        h.Spalten = 3;
        h.Column(0) = {0x0000FF, 100};
        h.Cell(0, 0).Text = QStringLiteral("Obst");
        h.Cell(1, 0).Text = QStringLiteral("Apfel");
        h.Cell(1, 0).Art = 1;
        RegisterLayouts(layouts, state);
        layouts.setPageSize([] { return kPage; });
        layouts.run(document, true);
    }

    Document document;
    ProgramState state;
    LayoutDispatch layouts;
    ViewComposer view{document, state, &layouts};
};

TEST_F(ClusterViewTest, BasketsLieUnderTheCards) {
    view.ComposeView(kPage);
    ASSERT_EQ(view.pageImage().size(), kPage);
    EXPECT_EQ(view.pageImage().pixelColor(40, 600), QColor(255, 0, 0));
    EXPECT_EQ(view.backgroundSnapshot().pixelColor(40, 600), QColor(255, 0, 0));
    // The heading's text is drawn on the basket, and the covered card above it.
    const ObjDataTyp& card = document.Object(1);
    const QPoint inside(RoundHalfEven(card.CardRect.Left * 870) + 5,
                        RoundHalfEven(card.CardRect.Top * 640) + 2);
    EXPECT_EQ(view.pageImage().pixelColor(inside), ToQColor(0xFFE4CA));
    // Without the base-image layer the page is white, baskets included.
    view.layers()[0] = false;
    view.ComposeView(kPage);
    EXPECT_EQ(view.pageImage().pixelColor(40, 600), QColor(Qt::white));
}

TEST_F(ClusterViewTest, MarkersAppearDuringARun) {
    const int r = BasketMarkerRadius(870, 4);
    const QPoint marker(30 + 135 + r - 5, RoundHalfEven(19 + r * 1.4));
    view.ComposeView(kPage);
    EXPECT_EQ(view.pageImage().pixelColor(marker), QColor(255, 0, 0));
    state.ViewMode = Mode::Exercise;
    view.ComposeView(kPage);
    EXPECT_EQ(view.pageImage().pixelColor(marker), QColor(0xEC, 0xEC, 0xE8));
}

} // namespace
} // namespace quindor
