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

void ApplyPageFormat(HeaderDataTyp& header, int baseWidth, int baseHeight) {
    if (baseWidth <= 0 || baseHeight <= 0)
        return;
    const double w = baseWidth;
    const double h = baseHeight;
    double f = w;
    double g = h;
    double ex = 0.0;
    double ey = 0.0;
    if (header.SeitRatioArt == 1 && header.SeitRatioBreite > 0 && header.SeitRatioHoehe > 0) {
        const double t = static_cast<double>(header.SeitRatioBreite) / header.SeitRatioHoehe;
        if (t >= w / h) {
            g = h;
            f = RoundHalfEven(h * t);
        } else {
            f = w;
            g = RoundHalfEven(w / t);
        }
        ex = (f / w - 1.0) / 2.0;
        ey = (g / h - 1.0) / 2.0;
    }
    const double size = header.BildGroesseProzent > 0.0 ? header.BildGroesseProzent / 100.0 : 1.0;
    const double mx = (f / size - f) / 2.0 / w;
    const double my = (g / size - g) / 2.0 / h;
    const double totalX = 2.0 * (mx + ex);
    const double totalY = 2.0 * (my + ey);
    header.RandErw.Left = totalX * header.BildPosXProzent / 100.0;
    header.RandErw.Top = totalY * header.BildPosYProzent / 100.0;
    header.RandErw.Right = totalX - header.RandErw.Left;
    header.RandErw.Bottom = totalY - header.RandErw.Top;
}

} // namespace quindor
