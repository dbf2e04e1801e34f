#pragma once

#include "document/document.h"

#include <QPoint>
#include <QPointF>
#include <QSize>

namespace quindor {

// Zoom levels of the learning view.
enum class ZoomLevel { Percent100, Percent150, Percent200 };
double ZoomFactorOf(ZoomLevel level);

// Which part of the page the picture area shows, and how screen, page and image coordinates
// map onto each other.
struct ViewGeometry {
    ZoomLevel Zoom = ZoomLevel::Percent100;
    double ZoomFactor = 1.0;
    FracRect ViewRect{0.0, 0.0, 1.0, 1.0};
    QPoint ViewOrigin;
    double DisplayAspect = 1.0;
    QSize DisplaySize;
    QSize PageImageSize;

    // Page fractions of a display point, clamped to the page.
    QPointF ScreenToPage(double x, double y) const;
    QPoint PageToDisplay(double fx, double fy) const;
    QPoint PageToImage(double fx, double fy) const;
};

} // namespace quindor
