#pragma once

#include <QPoint>
#include <QPolygonF>
#include <QRect>
#include <QRectF>

#include <array>

namespace quindor {

// The geometry of the pens, in display-picture pixels. A pen of width w draws around the
// corner a pixel shares with its lower right neighbour: the point P + (0.5, 0.5) taken from
// the pixel's centre, which is P + (1, 1) in painter coordinates (where pixel P spans P to
// P + 1). The round caps are centred there as well.

// The body of a thick segment from p to q: the band of width w along the segment, without
// anything beyond its ends (the caps round them). Empty for p == q.
QPolygonF SegmentPolygon(QPoint p, QPoint q, int width);

// The pixels a round cap at p covers: from (px - h, py - h) up to, but not including,
// (px + k + 1, py + k + 1) with h = floor(w / 2) and k = round(w - h).
QRect CapBox(QPoint p, int width);

// Which ends of a segment get a cap: freehand segments their start, the edges of outlines
// their end, straight lines both.
enum class Caps { Start, End, Both };

// The two barbs of an arrow head at tip t for a shaft coming from b: the points where the two
// outline segments from t end, each of the head length, pointing back along the shaft turned
// by 20 degrees to either side. A shaft of no length points up.
std::array<QPoint, 2> ArrowBarbs(QPoint from, QPoint tip, int width);

// The triangle spanned by a drag from s to e: apex in the middle of the upper edge, base along
// the lower edge.
std::array<QPoint, 3> TrianglePoints(QPoint s, QPoint e);

// The square the eraser takes back from the clean picture around p.
QRect EraserSquare(QPoint p, int size);

// Where a picture of w x h lands in an area of aw x ah with its proportions kept, centred;
// relative to the area's top-left corner.
QRect FitIntoArea(QSize picture, QSize area);

} // namespace quindor
