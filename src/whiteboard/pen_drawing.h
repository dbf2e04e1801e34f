#pragma once

#include "whiteboard/stroke_geometry.h"
#include "whiteboard/tool_tables.h"

#include <QImage>
#include <QPainter>

namespace quindor {

// How the pens draw, on any painter: filled polygons and ellipses in the painter's brush,
// anti-aliased when the painter asks for it.

// A thick segment with its caps.
void DrawSegment(QPainter& painter, QPoint p, QPoint q, int width, Caps caps);
// The final drawing of a shape tool (line to filled triangle) from s to e.
void DrawShape(QPainter& painter, Tool tool, QPoint s, QPoint e, int width);
// The preview of a shape: its lines one pixel wide, inverting the picture below and without
// fill, so that drawing it a second time removes it.
void DrawPreview(QPainter& painter, Tool tool, QPoint s, QPoint e, int width);

// The pixels a drawing may reach: the bounding box of its defining points enlarged by the pen's
// half width, the caps' extra half pixel and the smoothing, which is never more than
// kMaxPenMargin even for the widest pen.
constexpr int kMaxPenMargin = 15;
int PenMargin(int width);
QRect ShapeBounds(Tool tool, QPoint s, QPoint e, int width);
QRect SegmentBounds(QPoint p, QPoint q, int width);

// Combines a see-through drawing into the picture: per channel the smaller of the overlay and
// the picture, so white leaves the picture as it is and one colour over itself does not get
// darker. Only the rectangle is touched.
void CombineMinimum(QImage& picture, const QImage& overlay, QRect rect);

} // namespace quindor
