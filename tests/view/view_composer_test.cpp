#include "core/rounding.h"
#include "document/document_session.h"
#include "layouts/document_layouts.h"
#include "view/page_builder.h"
#include "view/view_composer.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

namespace quindor {
namespace {

Document PlainDocument(int width, int height, QColor colour = Qt::darkGreen) {
    Document document;
    QImage base(width, height, QImage::Format_ARGB32_Premultiplied);
    base.fill(colour);
    document.BaseImage.Image = base;
    return document;
}

TEST(PageBuilder, ReducesOnlyBaseImagesWiderThan2000) {
    Document wide = PlainDocument(4000, 1000);
    EXPECT_EQ(ReducedBaseImage(wide).width(), 2000);
    EXPECT_EQ(ReducedBaseImage(wide).height(), 500);
    Document normal = PlainDocument(1500, 1000);
    EXPECT_EQ(ReducedBaseImage(normal).width(), 1500);
}

TEST(PageBuilder, MarginsCentreTheBaseImageOnTheBackground) {
    Document document = PlainDocument(100, 50, Qt::black);
    document.Header.RandErw = {0.1, 0.0, 0.1, 0.0};
    document.Header.HtgdCol = 0x0000FF; // red
    const QSize page = PageSizeOf(document.Header, QSize(100, 50));
    EXPECT_EQ(page, QSize(120, 50));
    const QImage image = RenderPage(document, document.BaseImage.Image, page, true);
    EXPECT_EQ(image.pixelColor(5, 25), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(60, 25), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(115, 25), QColor(Qt::red));
}

double MeanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

// The start picture is drawn anew at the size of the page, so that it stays sharp: it looks
// like its stored copy enlarged, and the page shows it without a background around it.
TEST(PageBuilder, StartPictureIsDrawnAtThePageSize) {
    Document document;
    document.BaseImage = BuiltInStartPicture();
    ASSERT_TRUE(document.BaseImage.redraws());
    const QImage stored = document.BaseImage.Image;
    EXPECT_EQ(stored.size(), QSize(290, 203));
    document.Header.HtgdCol = 0x0000FF; // red, which must not show
    const QSize page(1058, 740);
    const QImage drawn = RenderPage(document, stored, page, true);
    ASSERT_EQ(drawn.size(), page);
    const QImage scaled = stored.scaled(page, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(MeanDifference(drawn, scaled), 2.0);
    // The corners outside the rounded frame are the board's slate blue, top and bottom.
    EXPECT_EQ(drawn.pixelColor(2, 0), QColor(0x3C, 0x5A, 0x73));
    EXPECT_EQ(drawn.pixelColor(2, 739), QColor(0x24, 0x3B, 0x4E));
    // The frame band 18 design pixels in (22 on this page) is lighter than the board.
    EXPECT_GT(drawn.pixelColor(529, 22).red(), drawn.pixelColor(529, 40).red() + 20);
}

// A picture put into the document in place of the start picture is shown, not the start
// picture's drawing (a new sheet replaces the base image of the open start page).
TEST(PageBuilder, ReplacedStartPictureIsShownAsItIs) {
    Document document;
    document.BaseImage = BuiltInStartPicture();
    QImage sheet(290, 203, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::white);
    document.BaseImage.Image = sheet;
    EXPECT_FALSE(document.BaseImage.redraws());
    const QImage page = RenderPage(document, sheet, QSize(580, 406), true);
    EXPECT_EQ(page.pixelColor(2, 0), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(290, 44), QColor(Qt::white));
}

TEST(PageBuilder, FitAndZoom) {
    const PageFit fit = FitPage(QSize(1000, 500), QSize(800, 800), 1.0);
    EXPECT_EQ(fit.fittedSize, QSize(800, 400));
    EXPECT_EQ(fit.drawnSize, QSize(800, 400));
    EXPECT_DOUBLE_EQ(fit.visibleWidth, 1.0);
    const PageFit zoomed = FitPage(QSize(1000, 500), QSize(800, 400), 2.0);
    EXPECT_EQ(zoomed.drawnSize, QSize(800, 400));
    EXPECT_DOUBLE_EQ(zoomed.visibleWidth, 0.5);
    EXPECT_DOUBLE_EQ(zoomed.visibleHeight, 0.5);
}

class ComposerTest : public ::testing::Test {
protected:
    ComposerTest() : document(PlainDocument(870, 600)), composer(document, state) {}

    int addLabel(ObjectKind typ, double kx, double ky, const QString& cap, int z = 0) {
        const int index = AddObject(document, {.Typ = typ,
                                               .Ebene = 1,
                                               .Cap = cap,
                                               .FrageNummer = -1,
                                               .Kx = kx,
                                               .Ky = ky,
                                               .KAusr = 1,
                                               .Fsize = 0});
        ObjDataTyp& o = document.Object(index);
        o.HDeck = 100;
        o.HFarbe = 0xFFFFFF;
        o.ZIndex = z;
        document.Header.MaxZIndex = std::max(document.Header.MaxZIndex, z);
        return index;
    }

    Document document;
    ProgramState state;
    ViewComposer composer;
};

// At a scale whose side margins round up each but not together (3 x 0.85 = 2.55 to 3, 6 x 0.85
// = 5.1 to 5) a card sized from its text still holds the text on one line.
TEST_F(ComposerTest, TextCardHoldsItsTextAtEveryScale) {
    document.BaseImage.Image.fill(Qt::white);
    const int label =
        addLabel(ObjectKind::StaticLabel, 0.3, 0.5, QStringLiteral("Frage Nr. 1 von 5"));
    document.Object(label).HDeck = 0;
    document.Object(label).Stil = 1;
    document.Object(label).Fsize = 2;
    composer.ComposeView(QSize(740, 511));
    const QImage& page = composer.pageImage();
    ASSERT_EQ(page.width(), 740);
    const FracRect& r = document.Object(label).CardRect;
    const QRect card(
        QPoint(RoundHalfEven(r.Left * page.width()), RoundHalfEven(r.Top * page.height())),
        QPoint(RoundHalfEven(r.Right * page.width()) - 1,
               RoundHalfEven(r.Bottom * page.height()) - 1));
    QRect ink;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (page.pixel(x, y) != qRgb(255, 255, 255))
                ink |= QRect(x, y, 1, 1);
        }
    }
    ASSERT_FALSE(ink.isEmpty());
    // One line, centred: the text keeps clear of the card's top and bottom rows (a wrapped
    // word would push the lines over both edges, cut off there).
    EXPECT_GT(ink.top(), card.top());
    EXPECT_LT(ink.bottom(), card.bottom());
    EXPECT_TRUE(card.contains(ink));
}

// Recomposing puts the background back only where the objects painted: the page is the page
// a whole composition makes, whatever changed in between (lines, marks reaching beyond their
// cards, points, texts and their covers).
TEST_F(ComposerTest, RecomposingEqualsComposingAfresh) {
    const int a = addLabel(ObjectKind::QueryLabel, 0.3, 0.3, QStringLiteral("Blatt"));
    const int b = addLabel(ObjectKind::QueryLabel, 0.6, 0.5, QStringLiteral("Wurzel mit Haaren"));
    const int c = addLabel(ObjectKind::QueryLabel, 0.2, 0.8, QStringLiteral("Stiel"));
    document.Object(b).Sline = 1;
    document.Object(b).Sx = 0.1;
    document.Object(b).Sy = 0.1;
    document.Object(b).LinieDicke = 3;
    const int point = addLabel(ObjectKind::InfoPoint, 0.8, 0.2, QStringLiteral("Hinweis"));
    document.Object(point).PktCap = QStringLiteral("Ein langer Titel des Punktes");
    const QSize area(870, 600);
    composer.ComposeView(area);
    const auto expectFresh = [&](const char* step) {
        Document copy = document;
        ProgramState copyState = state;
        ViewComposer fresh(copy, copyState);
        fresh.ComposeView(area);
        EXPECT_TRUE(composer.pageImage() == fresh.pageImage()) << step;
    };
    for (const int i : {a, b, c})
        document.Object(i).State = ObjectState::Covered;
    composer.RecomposeObjects();
    expectFresh("covered");
    state.ViewMode = Mode::Exercise;
    composer.ComposeView(area);
    document.Object(a).State = ObjectState::Ticked;
    document.Object(b).State = ObjectState::Crossed;
    document.Object(c).State = ObjectState::Open;
    composer.RecomposeObjects();
    expectFresh("marks");
    // An object moved and one redrawn on its own in between.
    document.Object(a).State = ObjectState::Shown;
    composer.RedrawObject(a);
    document.Object(b).Kx = 0.7;
    document.Object(b).State = ObjectState::Shown;
    document.Object(c).State = ObjectState::Shown;
    composer.RecomposeObjects();
    expectFresh("shown");
}

TEST_F(ComposerTest, ZoomTwoHundredShowsTheMiddleOfThePage) {
    composer.ComposeView(QSize(870, 600));
    EXPECT_EQ(composer.geometry().ViewRect, (FracRect{0, 0, 1, 1}));
    composer.SetZoom(ZoomLevel::Percent200);
    const FracRect& view = composer.geometry().ViewRect;
    EXPECT_DOUBLE_EQ(view.Left, 0.25);
    EXPECT_DOUBLE_EQ(view.Right, 0.75);
    EXPECT_DOUBLE_EQ(view.Top, 0.25);
    EXPECT_DOUBLE_EQ(view.Bottom, 0.75);
    EXPECT_EQ(composer.pageImage().size(), QSize(1740, 1200));
    EXPECT_FALSE(composer.ZoomIn());
    EXPECT_TRUE(composer.ZoomOut());
    EXPECT_TRUE(composer.ZoomOut());
    EXPECT_FALSE(composer.ZoomOut());
}

// A picture area wider than the page: the page keeps its shape at every zoom, and what is
// drawn, the page fractions of a click and the drag limits agree.
TEST_F(ComposerTest, ZoomKeepsThePageShapeInAnAreaOfAnotherShape) {
    const int left = addLabel(ObjectKind::QueryLabel, 0.45, 0.5, QStringLiteral("Blatt"));
    const int right = addLabel(ObjectKind::QueryLabel, 0.55, 0.5, QStringLiteral("Stiel"));
    for (ZoomLevel level : {ZoomLevel::Percent150, ZoomLevel::Percent200}) {
        composer.SetZoom(ZoomLevel::Percent100);
        composer.ComposeView(QSize(1000, 600));
        composer.SetZoom(level);
        const double zoom = ZoomFactorOf(level);
        const QSize page = composer.pageImage().size();
        // The page fitted into 1000 x 600 is 870 x 600; zoomed it keeps 870 : 600.
        EXPECT_EQ(page, QSize(RoundHalfEven(870 * zoom), RoundHalfEven(600 * zoom)));
        EXPECT_EQ(composer.displayPicture().size(), QSize(1000, 600));
        const ViewGeometry& g = composer.geometry();
        EXPECT_NEAR(g.ViewRect.Right - g.ViewRect.Left, 1000.0 / page.width(), 1e-9);

        // A click on a card where the display shows it hits that card.
        for (int index : {left, right}) {
            const ObjDataTyp& o = document.Object(index);
            const QPoint onPage(
                o.DrawnLeft + 4,
                RoundHalfEven((o.CardRect.Top + o.CardRect.Bottom) / 2 * page.height()));
            const QPoint onDisplay = onPage - g.ViewOrigin;
            EXPECT_EQ(composer.displayPicture().pixelColor(onDisplay),
                      composer.pageImage().pixelColor(onPage));
            EXPECT_EQ(composer.HitTest(onDisplay.x(), onDisplay.y()), index);
        }

        // Dragged to the right and bottom edges, the last page column and row are in view.
        composer.DragView(QPoint(5000, 5000), QPoint(0, 0));
        EXPECT_DOUBLE_EQ(g.ViewRect.Right, 1.0);
        EXPECT_DOUBLE_EQ(g.ViewRect.Bottom, 1.0);
        EXPECT_EQ(g.ViewOrigin.x() + 1000, page.width());
        EXPECT_EQ(g.ViewOrigin.y() + 600, page.height());
        EXPECT_EQ(composer.displayPicture().pixel(999, 599),
                  composer.pageImage().pixel(page.width() - 1, page.height() - 1));
        // And to the left and top edges.
        composer.DragView(QPoint(0, 0), QPoint(5000, 5000));
        EXPECT_EQ(g.ViewOrigin, QPoint(0, 0));
        EXPECT_DOUBLE_EQ(g.ScreenToPage(0, 0).x(), 0.0);
    }
}

// The colours of the covered appearance and of the run marks, as red, green and blue.
TEST_F(ComposerTest, CoverAndRunMarkColours) {
    const int query = addLabel(ObjectKind::QueryLabel, 0.4, 0.4, QStringLiteral("Wurzelwerk"));
    document.Object(query).Nummer = 0;
    composer.ComposeView(QSize(870, 600));
    const FracRect& r = document.Object(query).CardRect;
    const QPoint topLeft(RoundHalfEven(r.Left * 870), RoundHalfEven(r.Top * 600));
    EXPECT_EQ(composer.pageImage().pixelColor(topLeft), QColor(70, 125, 187)) << "steel-blue frame";
    EXPECT_EQ(composer.pageImage().pixelColor(topLeft + QPoint(3, 3)), QColor(202, 228, 255))
        << "light blue fill";

    // An open target of a run: a light grey ellipse with its number.
    state.ViewMode = Mode::Exercise;
    document.Object(query).State = ObjectState::Open;
    document.Object(query).Nummer = 1;
    composer.ComposeView(QSize(870, 600));
    const FracRect& mark = document.Object(query).CardRect;
    const QPoint centreLeft(RoundHalfEven((mark.Left + 0.15 * (mark.Right - mark.Left)) * 870),
                            RoundHalfEven((mark.Top + mark.Bottom) / 2 * 600));
    EXPECT_EQ(composer.pageImage().pixelColor(centreLeft), QColor(236, 236, 232));
}

TEST_F(ComposerTest, LayerSwitchHidesTextCardsButNotPoints) {
    const int label = addLabel(ObjectKind::FixedLabel, 0.3, 0.3, QStringLiteral("Blatt"));
    const int point = AddObject(document, {.Typ = ObjectKind::InfoPoint,
                                           .Ebene = 2,
                                           .Cap = QStringLiteral("Text"),
                                           .FrageNummer = -1,
                                           .Kx = 0.6,
                                           .Ky = 0.6,
                                           .KAusr = 1,
                                           .Fsize = 0});
    document.Object(point).PktCap = QStringLiteral("Info");
    document.Object(point).HFarbe = 0xFD5F00;
    composer.layers()[1] = false;
    composer.ComposeView(QSize(870, 600));
    EXPECT_EQ(composer.HitTest(RoundHalfEven(0.3 * 870) + 20, RoundHalfEven(0.3 * 600)), -1);
    const FracRect& r = document.Object(point).CardRect;
    const QPoint inside(RoundHalfEven((r.Left + r.Right) / 2 * 870),
                        RoundHalfEven((r.Top + r.Bottom) / 2 * 600));
    EXPECT_EQ(composer.HitTest(inside.x(), inside.y()), point);
    // A card that was not drawn keeps the empty rectangle it was created with.
    EXPECT_EQ(document.Object(label).CardRect.Right, 0.0);
    state.ViewMode = Mode::Exercise;
    composer.ComposeView(QSize(870, 600));
    EXPECT_GT(document.Object(label).CardRect.Right, 0.3);
}

TEST_F(ComposerTest, CoveredFieldLiesAboveHigherObjectsAndHitsFromTheTop) {
    const int query = addLabel(ObjectKind::QueryLabel, 0.4, 0.4, QStringLiteral("Wurzel"), 0);
    const int picture = AddObject(document, {.Typ = ObjectKind::FixedPicture,
                                             .Ebene = 1,
                                             .Cap = QString(),
                                             .FrageNummer = -1,
                                             .Kx = 0.4,
                                             .Ky = 0.4,
                                             .KAusr = 1,
                                             .Fsize = 20});
    QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::blue);
    document.Object(picture).Picture.Image = image;
    document.Object(picture).ZIndex = 5;
    document.Header.MaxZIndex = 5;
    composer.ComposeView(QSize(870, 600));
    const FracRect& r = document.Object(query).CardRect;
    const int x = RoundHalfEven((r.Left + 0.3 * (r.Right - r.Left)) * 870);
    const int y = RoundHalfEven((r.Top + r.Bottom) / 2 * 600);
    // The covered card is drawn last: its colour shows where both overlap.
    EXPECT_EQ(composer.pageImage().pixelColor(x, RoundHalfEven(r.Top * 600) + 1),
              QColor(202, 228, 255));
    EXPECT_EQ(composer.HitTest(x, y), query);
    // Uncovering by click redraws only that card from the static snapshot.
    document.Object(query).State = ObjectState::Shown;
    composer.RedrawObject(query);
    EXPECT_NE(composer.pageImage().pixelColor(x, RoundHalfEven(r.Top * 600) + 1),
              QColor(202, 228, 255));
}

TEST_F(ComposerTest, ConnectingLineUsesASquareBrush) {
    const int index = addLabel(ObjectKind::FixedLabel, 0.8, 0.5, QStringLiteral("Stiel"));
    ObjDataTyp& o = document.Object(index);
    o.Sx = 0.2;
    o.Sy = 0.5;
    o.Sline = 1;
    o.LinieDicke = 4;
    o.LinieFarbe = 0x0000FF;
    composer.ComposeView(QSize(870, 600));
    const QImage& page = composer.pageImage();
    const int y = RoundHalfEven(0.5 * 600);
    // Offsets -2 .. 1 around the line.
    EXPECT_EQ(page.pixelColor(400, y - 2), QColor(Qt::red));
    EXPECT_EQ(page.pixelColor(400, y + 1), QColor(Qt::red));
    EXPECT_NE(page.pixelColor(400, y + 2), QColor(Qt::red));
    EXPECT_NE(page.pixelColor(400, y - 3), QColor(Qt::red));
}

// A gap text on a white page, laid out as the program does: created at load, moved by the view.
class GapTextComposerTest : public ::testing::Test {
protected:
    GapTextComposerTest() : document(PlainDocument(870, 600, Qt::white)) {
        document.Header.DokTyp = DocumentType::GapText;
        document.Header.EinrueckRand = DefaultEinrueckRand(DocumentType::GapText);
        document.Header.Lueckentext = QStringLiteral("Die Sonne geht im <<Osten>> auf.");
        RegisterLayouts(layouts, state);
        layouts.run(document, true);
    }

    // Dark pixels in the band of the first line left of the gap: the words drawn there.
    int inkInFirstWords(const QImage& page) const {
        int ink = 0;
        for (int y = 0; y < 60; ++y) {
            for (int x = 30; x < 150; ++x)
                ink += qGray(page.pixel(x, y)) < 128;
        }
        return ink;
    }

    Document document;
    ProgramState state;
    LayoutDispatch layouts;
    ViewComposer composer{document, state, &layouts};
};

TEST_F(GapTextComposerTest, TextStaysOnThePageThroughRecomposingAndUncovering) {
    ASSERT_EQ(document.ObjectCount(), 1);
    composer.ComposeView(QSize(870, 600));
    EXPECT_GT(inkInFirstWords(composer.pageImage()), 50);
    EXPECT_GT(inkInFirstWords(composer.staticSnapshot()), 50);
    // The words are not part of the background: recomposing writes them again.
    EXPECT_EQ(inkInFirstWords(composer.backgroundSnapshot()), 0);
    composer.RecomposeObjects();
    EXPECT_GT(inkInFirstWords(composer.pageImage()), 50);

    const ObjDataTyp& gap = document.Object(0);
    ASSERT_GT(gap.CardRect.Right, gap.CardRect.Left);
    const QPoint centre(RoundHalfEven((gap.CardRect.Left + gap.CardRect.Right) / 2 * 870),
                        RoundHalfEven((gap.CardRect.Top + gap.CardRect.Bottom) / 2 * 600));
    EXPECT_EQ(composer.HitTest(centre.x(), centre.y()), 0);
    const QPoint inside(RoundHalfEven(gap.CardRect.Left * 870) + 3, centre.y());
    EXPECT_EQ(composer.pageImage().pixel(inside), QColor(202, 228, 255).rgba())
        << "a covered gap in the cover colour, above its text";
}

// Uncovering a numbered gap gives back exactly the page around it: the number circle, which
// is limited to the card, leaves nothing behind.
TEST_F(GapTextComposerTest, UncoveringLeavesNothingOfTheCoveredField) {
    document.Object(0).Nummer = 1;
    document.Object(0).State = ObjectState::Shown;
    composer.ComposeView(QSize(870, 600));
    const QImage uncovered = composer.pageImage().copy();
    const FracRect r = document.Object(0).CardRect;
    const QRect card(QPoint(RoundHalfEven(r.Left * 870), RoundHalfEven(r.Top * 600)),
                     QPoint(RoundHalfEven(r.Right * 870) - 1, RoundHalfEven(r.Bottom * 600) - 1));

    document.Object(0).State = ObjectState::Covered;
    composer.ComposeView(QSize(870, 600));
    document.Object(0).State = ObjectState::Shown;
    composer.RedrawObject(0);
    const QImage& page = composer.pageImage();
    for (int y = card.top() - 4; y <= card.bottom() + 4; ++y) {
        for (int x = card.left() - 4; x <= card.right() + 4; ++x) {
            if (card.contains(x, y))
                continue;
            ASSERT_EQ(page.pixel(x, y), uncovered.pixel(x, y)) << "at " << x << ", " << y;
        }
    }
}

TEST_F(GapTextComposerTest, TextLayerOffHidesTheWordsAndTheGaps) {
    composer.layers()[1] = false;
    composer.ComposeView(QSize(870, 600));
    EXPECT_EQ(inkInFirstWords(composer.pageImage()), 0);
    EXPECT_EQ(composer.HitTest(435, 20), -1);
    // The gap still moved with the page.
    composer.ComposeView(QSize(435, 300));
    EXPECT_LT(document.Object(0).Kx, 0.5);
    EXPECT_GT(document.Object(0).Kx, 0.2);
}

TEST_F(GapTextComposerTest, GapCardsShrinkWithTheFittedText) {
    composer.ComposeView(QSize(870, 600));
    const double shortHeight = document.Object(0).CardRect.Bottom - document.Object(0).CardRect.Top;
    QStringList lines(40, QStringLiteral("Eine lange Zeile mit einer <<L\u00fccke>> darin."));
    document.Header.Lueckentext = lines.join(QStringLiteral("\r\n"));
    layouts.run(document, true);
    composer.ComposeView(QSize(870, 600));
    EXPECT_LT(document.Header.GapFontAdjustment, 0);
    const double longHeight = document.Object(0).CardRect.Bottom - document.Object(0).CardRect.Top;
    EXPECT_LT(longHeight, shortHeight);
}

} // namespace
} // namespace quindor
