#include "view/view_geometry.h"

#include <gtest/gtest.h>

namespace quindor {
namespace {

TEST(ApplyPageFormat, FixedRatioExtendsTheShorterSide) {
    HeaderDataTyp header;
    header.SeitRatioArt = 1;
    header.SeitRatioBreite = 10;
    header.SeitRatioHoehe = 7;
    ApplyPageFormat(header, 800, 400);
    EXPECT_NEAR(header.RandErw.Left, 0.0, 1e-9);
    EXPECT_NEAR(header.RandErw.Top, 0.2, 1e-9);
    EXPECT_NEAR(header.RandErw.Right, 0.0, 1e-9);
    EXPECT_NEAR(header.RandErw.Bottom, 0.2, 1e-9);
    header.SeitRatioArt = 0;
    ApplyPageFormat(header, 800, 400);
    EXPECT_EQ(header.RandErw, (FracRect{0, 0, 0, 0}));
}

TEST(ApplyPageFormat, SmallerBaseImageGetsMarginsPlacedByPosition) {
    HeaderDataTyp header;
    header.SeitRatioArt = 0;
    header.BildGroesseProzent = 50;
    header.BildPosXProzent = 0;
    header.BildPosYProzent = 100;
    ApplyPageFormat(header, 400, 300);
    // The page is twice the base image: one base width of margin, all of it on the right.
    EXPECT_NEAR(header.RandErw.Left, 0.0, 1e-9);
    EXPECT_NEAR(header.RandErw.Right, 1.0, 1e-9);
    EXPECT_NEAR(header.RandErw.Top, 1.0, 1e-9);
    EXPECT_NEAR(header.RandErw.Bottom, 0.0, 1e-9);
}

TEST(ViewGeometry, ConversionsFollowTheVisiblePart) {
    ViewGeometry view;
    view.DisplaySize = QSize(800, 600);
    view.PageImageSize = QSize(1600, 1200);
    view.ViewRect = {0.25, 0.25, 0.75, 0.75};
    EXPECT_EQ(view.ScreenToPage(400, 300), QPointF(0.5, 0.5));
    EXPECT_EQ(view.ScreenToPage(-50, 900), QPointF(0.21875, 1.0));
    EXPECT_EQ(view.ScreenToPage(-5000, -5000), QPointF(0.0, 0.0));
    EXPECT_EQ(view.PageToDisplay(0.5, 0.75), QPoint(400, 600));
    EXPECT_EQ(view.PageToImage(0.5, 0.25), QPoint(800, 300));
    EXPECT_EQ(ZoomFactorOf(ZoomLevel::Percent150), 1.5);
}

} // namespace
} // namespace quindor
