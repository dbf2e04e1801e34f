#include "whiteboard/stroke_geometry.h"

#include "core/rounding.h"
#include "whiteboard/tool_tables.h"

#include <QLineF>
#include <QtMath>

#include <cmath>

namespace quindor {

namespace {

QPointF Axis(QPoint p) {
    return QPointF(p) + QPointF(1.0, 1.0);
}

} // namespace

QPolygonF SegmentPolygon(QPoint p, QPoint q, int width) {
    if (p == q)
        return {};
    const QPointF a = Axis(p);
    const QPointF b = Axis(q);
    const QPointF along = b - a;
    const double length = std::hypot(along.x(), along.y());
    const QPointF across = QPointF(-along.y(), along.x()) * (width / 2.0 / length);
    return QPolygonF({a + across, b + across, b - across, a - across});
}

QRect CapBox(QPoint p, int width) {
    const int h = width / 2;
    const int k = RoundHalfEven(width - h);
    return QRect(QPoint(p.x() - h, p.y() - h), QPoint(p.x() + k, p.y() + k));
}

std::array<QPoint, 2> ArrowBarbs(QPoint from, QPoint tip, int width) {
    double angle = 0.0;
    if (from.x() == tip.x())
        angle = tip.y() > from.y() ? M_PI / 2 : -M_PI / 2;
    else
        angle = std::atan2(tip.y() - from.y(), tip.x() - from.x());
    const double length = ArrowHeadLength(width);
    const double back = angle + M_PI;
    const double turn = qDegreesToRadians(20.0);
    std::array<QPoint, 2> barbs;
    for (int side = 0; side < 2; ++side) {
        const double a = back + (side == 0 ? -turn : turn);
        barbs[static_cast<size_t>(side)] = QPoint(tip.x() + RoundHalfEven(length * std::cos(a)),
                                                  tip.y() + RoundHalfEven(length * std::sin(a)));
    }
    return barbs;
}

std::array<QPoint, 3> TrianglePoints(QPoint s, QPoint e) {
    const int top = std::min(s.y(), e.y());
    const int bottom = std::max(s.y(), e.y());
    return {QPoint(RoundHalfEven((s.x() + e.x()) / 2.0), top), QPoint(s.x(), bottom),
            QPoint(e.x(), bottom)};
}

QRect EraserSquare(QPoint p, int size) {
    const int side = EraserSide(size);
    return QRect(p.x() - side / 2, p.y() - side / 2, side, side);
}

QRect FitIntoArea(QSize picture, QSize area) {
    const double w = std::max(1, picture.width());
    const double h = std::max(1, picture.height());
    const int aw = area.width();
    const int ah = area.height();
    QSize target;
    if (h / ah > w / aw)
        target = QSize(RoundHalfEven(ah * w / h), ah);
    else
        target = QSize(aw, RoundHalfEven(aw * h / w));
    return QRect(QPoint(RoundHalfEven((aw - target.width()) / 2.0),
                        RoundHalfEven((ah - target.height()) / 2.0)),
                 target);
}

} // namespace quindor
