#include "view/view_geometry.h"

#include "core/rounding.h"

#include <algorithm>

namespace quindor {

double ZoomFactorOf(ZoomLevel level) {
    switch (level) {
    case ZoomLevel::Percent150:
        return 1.5;
    case ZoomLevel::Percent200:
        return 2.0;
    default:
        return 1.0;
    }
}

QPointF ViewGeometry::ScreenToPage(double x, double y) const {
    const double w = std::max(1, DisplaySize.width());
    const double h = std::max(1, DisplaySize.height());
    const double fx = ViewRect.Left + x / w * (ViewRect.Right - ViewRect.Left);
    const double fy = ViewRect.Top + y / h * (ViewRect.Bottom - ViewRect.Top);
    return {std::clamp(fx, 0.0, 1.0), std::clamp(fy, 0.0, 1.0)};
}

QPoint ViewGeometry::PageToDisplay(double fx, double fy) const {
    const double spanX = ViewRect.Right - ViewRect.Left;
    const double spanY = ViewRect.Bottom - ViewRect.Top;
    if (spanX <= 0.0 || spanY <= 0.0)
        return {};
    return {RoundHalfEven((fx - ViewRect.Left) * DisplaySize.width() / spanX),
            RoundHalfEven((fy - ViewRect.Top) * DisplaySize.height() / spanY)};
}

QPoint ViewGeometry::PageToImage(double fx, double fy) const {
    return {RoundHalfEven(fx * PageImageSize.width()), RoundHalfEven(fy * PageImageSize.height())};
}

} // namespace quindor
