#include "whiteboard/area_selection.h"
#include "whiteboard/stroke_geometry.h"
#include "whiteboard/tool_tables.h"

#include <QLineF>
#include <QSet>

#include <gtest/gtest.h>

namespace quindor {
namespace {

TEST(PenSizes, WidthsEraserStampsAndTextGrowWithTheSize) {
    const int widths[] = {3, 7, 13, 21};
    for (int size = 1; size <= 4; ++size) {
        EXPECT_EQ(PenWidth(size), widths[size - 1]);
        EXPECT_EQ(EraserSide(size), 32 * size);
        EXPECT_EQ(StampPointSize(size), 32 * size);
        EXPECT_EQ(TextPointSize(size), 18 * size);
    }
}

TEST(PenPresets, MapToTheFreehandPenAndTheNineShapes) {
    EXPECT_EQ(PenPresetTool(1), Tool::Freehand);
    EXPECT_EQ(PenPresetTool(2), Tool::Line);
    EXPECT_EQ(PenPresetTool(4), Tool::DoubleArrow);
    EXPECT_EQ(PenPresetTool(10), Tool::FilledTriangle);
    for (int preset = 1; preset <= kPenPresets; ++preset)
        EXPECT_EQ(PenPresetOf(PenPresetTool(preset)), preset);
    EXPECT_TRUE(DrawsWithLeftButton(Tool::Eraser));
    EXPECT_TRUE(DrawsWithLeftButton(Tool::Text));
    EXPECT_FALSE(DrawsWithLeftButton(Tool::Hand));
    EXPECT_FALSE(DrawsWithLeftButton(Tool::Area));
    EXPECT_FALSE(IsPenTool(Tool::Stamp));
}

TEST(PenColours, TenOpaqueAndFourSeeThroughInMenuOrder) {
    const auto& colours = PenColours();
    const int order[] = {21, 28, 22, 23, 27, 30, 24, 29, 25, 26, 11, 12, 13, 14};
    for (size_t i = 0; i < colours.size(); ++i) {
        EXPECT_EQ(colours[i].id, order[i]);
        EXPECT_EQ(colours[i].seeThrough, colours[i].id < 20);
    }
    EXPECT_EQ(ColourById(28).colour, MakeWinColor(255, 128, 0));
    EXPECT_EQ(ColourById(30).colour, MakeWinColor(0, 192, 255));
    EXPECT_EQ(ColourById(13).hint, QStringLiteral("gr\u00fcn - transparent"));
    EXPECT_EQ(ColourById(99).id, 21);
}

// The centre of the pixels a cap covers.
QPointF CapCentre(QPoint p, int width) {
    return QRectF(CapBox(p, width)).center();
}

TEST(ThickSegment, CapsCoverTheirBoxAndSitOnTheBandsAxisForEveryWidth) {
    const QPoint p(100, 50);
    const QPoint q(160, 90);
    for (int size = 1; size <= 4; ++size) {
        const int w = PenWidth(size);
        const int h = w / 2;
        const int k = w - h;
        EXPECT_EQ(CapBox(p, w), QRect(QPoint(p.x() - h, p.y() - h), QPoint(p.x() + k, p.y() + k)))
            << "width " << w;
        const QPolygonF band = SegmentPolygon(p, q, w);
        ASSERT_EQ(band.size(), 4);
        // The band is w wide and as long as the segment, its axis from cap centre to cap centre.
        EXPECT_NEAR(QLineF(band[0], band[3]).length(), w, 1e-9);
        EXPECT_NEAR(QLineF(band[0], band[1]).length(), QLineF(p, q).length(), 1e-9);
        EXPECT_NEAR(QLineF((band[0] + band[3]) / 2, CapCentre(p, w)).length(), 0.0, 1e-9);
        EXPECT_NEAR(QLineF((band[1] + band[2]) / 2, CapCentre(q, w)).length(), 0.0, 1e-9);
    }
    EXPECT_TRUE(SegmentPolygon(p, p, 3).isEmpty());
}

TEST(ArrowHead, LengthsOfTheFourSizes) {
    const int lengths[] = {10, 25, 46, 73};
    for (int size = 1; size <= 4; ++size)
        EXPECT_EQ(ArrowHeadLength(PenWidth(size)), lengths[size - 1]);
}

TEST(ArrowHead, BarbsPointBackTurnedTwentyDegrees) {
    // Shaft to the right, head length 10: cos 160 deg = -0.94, sin 160 deg = 0.34.
    const auto barbs = ArrowBarbs(QPoint(0, 100), QPoint(200, 100), 3);
    EXPECT_EQ(QSet<QPoint>({barbs[0], barbs[1]}),
              QSet<QPoint>({QPoint(191, 97), QPoint(191, 103)}));
    // Straight down at size 4: the barbs lie above the tip, 73 pixels away.
    const auto down = ArrowBarbs(QPoint(50, 0), QPoint(50, 300), 21);
    for (const QPoint& barb : down) {
        EXPECT_LT(barb.y(), 300);
        EXPECT_NEAR(QLineF(QPointF(50, 300), barb).length(), 73, 1.0);
    }
    EXPECT_EQ(down[0].x() + down[1].x(), 100);
    // A shaft of no length still has a head, pointing up.
    const auto dot = ArrowBarbs(QPoint(40, 40), QPoint(40, 40), 3);
    EXPECT_GT(dot[0].y(), 40);
    EXPECT_GT(dot[1].y(), 40);
}

TEST(Triangle, ApexMidwayOnTheUpperEdgeBaseOnTheLower) {
    const auto t = TrianglePoints(QPoint(10, 50), QPoint(20, 10));
    EXPECT_EQ(t[0], QPoint(15, 10));
    EXPECT_EQ(t[1], QPoint(10, 50));
    EXPECT_EQ(t[2], QPoint(20, 50));
    // 11.5 rounds to the even 12; dragged upwards or downwards alike.
    EXPECT_EQ(TrianglePoints(QPoint(10, 10), QPoint(13, 50))[0], QPoint(12, 10));
}

TEST(Eraser, SquareOf32PerSizeCentredOnThePoint) {
    EXPECT_EQ(EraserSquare(QPoint(100, 100), 1), QRect(84, 84, 32, 32));
    EXPECT_EQ(EraserSquare(QPoint(100, 100), 2), QRect(68, 68, 64, 64));
    EXPECT_EQ(EraserSquare(QPoint(0, 0), 4).size(), QSize(128, 128));
}

TEST(PasteFit, KeepsProportionsAndCentresInTheArea) {
    // 400 x 400 into 200 x 100: 100 x 100, 50 pixels from the area's left.
    EXPECT_EQ(FitIntoArea(QSize(400, 400), QSize(200, 100)), QRect(50, 0, 100, 100));
    EXPECT_EQ(FitIntoArea(QSize(300, 100), QSize(150, 150)), QRect(0, 50, 150, 50));
}

TEST(AreaSelection, LabelShowsInclusiveEndAndExclusiveSize) {
    AreaSelection area;
    area.start(QPoint(60, 40), QRect(0, 0, 100, 80));
    area.stretch(QPoint(10, 20));
    EXPECT_TRUE(area.valid());
    EXPECT_EQ(area.rect(), QRect(10, 20, 50, 20));
    EXPECT_EQ(area.label(), QStringLiteral(" (10,20) - (59,39)  B:50 H:20"));
    area.finish(QPoint(60, 40));
    EXPECT_FALSE(area.valid());
}

TEST(AreaSelection, MovesInsideTheBoundsAndCutsTheOutput) {
    AreaSelection area;
    area.start(QPoint(10, 10), QRect(0, 0, 100, 80));
    area.finish(QPoint(30, 20));
    area.moveBy(QPoint(500, -500), QRect(0, 0, 100, 80));
    EXPECT_EQ(area.rect(), QRect(80, 0, 20, 10));
    QImage display(100, 80, QImage::Format_ARGB32_Premultiplied);
    display.fill(Qt::blue);
    EXPECT_EQ(OutputPicture(display, &area).size(), QSize(20, 10));
    area.clear();
    EXPECT_EQ(OutputPicture(display, &area).size(), QSize(100, 80));
}

} // namespace
} // namespace quindor
