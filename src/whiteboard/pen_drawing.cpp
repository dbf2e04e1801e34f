#include "whiteboard/pen_drawing.h"

#include <algorithm>

namespace quindor {

namespace {

QPointF Axis(QPoint p) {
    return QPointF(p) + QPointF(1.0, 1.0);
}

QRectF AxisRect(QPoint s, QPoint e) {
    return QRectF(Axis(s), Axis(e)).normalized();
}

void FillCap(QPainter& painter, QPoint p, int width) {
    painter.drawEllipse(QRectF(CapBox(p, width)));
}

void DrawArrowHead(QPainter& painter, QPoint from, QPoint tip, int width) {
    for (const QPoint& barb : ArrowBarbs(from, tip, width))
        DrawSegment(painter, tip, barb, width, Caps::End);
}

} // namespace

void DrawSegment(QPainter& painter, QPoint p, QPoint q, int width, Caps caps) {
    painter.setPen(Qt::NoPen);
    const QPolygonF body = SegmentPolygon(p, q, width);
    if (!body.isEmpty())
        painter.drawPolygon(body);
    if (caps != Caps::End)
        FillCap(painter, p, width);
    if (caps != Caps::Start)
        FillCap(painter, q, width);
}

void DrawShape(QPainter& painter, Tool tool, QPoint s, QPoint e, int width) {
    painter.setPen(Qt::NoPen);
    switch (tool) {
    case Tool::Line:
        DrawSegment(painter, s, e, width, Caps::Both);
        return;
    case Tool::Arrow:
    case Tool::DoubleArrow:
        DrawSegment(painter, s, e, width, Caps::Both);
        DrawArrowHead(painter, s, e, width);
        if (tool == Tool::DoubleArrow)
            DrawArrowHead(painter, e, s, width);
        return;
    case Tool::Rectangle: {
        const QPoint corners[] = {s, QPoint(e.x(), s.y()), e, QPoint(s.x(), e.y())};
        for (int i = 0; i < 4; ++i)
            DrawSegment(painter, corners[i], corners[(i + 1) % 4], width, Caps::End);
        return;
    }
    case Tool::FilledRectangle:
        painter.drawRect(AxisRect(s, e));
        return;
    case Tool::Ellipse: {
        QPen pen(painter.brush().color(), width);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(AxisRect(s, e));
        painter.setBrush(pen.color());
        painter.setPen(Qt::NoPen);
        return;
    }
    case Tool::FilledEllipse:
        painter.drawEllipse(AxisRect(s, e));
        return;
    case Tool::Triangle: {
        const auto corners = TrianglePoints(s, e);
        for (size_t i = 0; i < 3; ++i)
            DrawSegment(painter, corners[i], corners[(i + 1) % 3], width, Caps::End);
        return;
    }
    case Tool::FilledTriangle: {
        const auto corners = TrianglePoints(s, e);
        painter.drawPolygon(QPolygonF({Axis(corners[0]), Axis(corners[1]), Axis(corners[2])}));
        return;
    }
    default:
        return;
    }
}

void DrawPreview(QPainter& painter, Tool tool, QPoint s, QPoint e, int width) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    switch (tool) {
    case Tool::Line:
        painter.drawLine(s, e);
        break;
    case Tool::Arrow:
    case Tool::DoubleArrow:
        painter.drawLine(s, e);
        for (const QPoint& barb : ArrowBarbs(s, e, width))
            painter.drawLine(e, barb);
        if (tool == Tool::DoubleArrow) {
            for (const QPoint& barb : ArrowBarbs(e, s, width))
                painter.drawLine(s, barb);
        }
        break;
    case Tool::Rectangle:
    case Tool::FilledRectangle: {
        const QPoint corners[] = {s, QPoint(e.x(), s.y()), e, QPoint(s.x(), e.y())};
        painter.drawPolygon(corners, 4);
        break;
    }
    case Tool::Ellipse:
    case Tool::FilledEllipse:
        painter.drawEllipse(QRect(s, e).normalized());
        break;
    case Tool::Triangle:
    case Tool::FilledTriangle: {
        const auto corners = TrianglePoints(s, e);
        painter.drawPolygon(corners.data(), 3);
        break;
    }
    default:
        break;
    }
    painter.restore();
}

QRect SegmentBounds(QPoint p, QPoint q) {
    return QRect(p, q).normalized().adjusted(-kPenMargin, -kPenMargin, kPenMargin, kPenMargin);
}

QRect ShapeBounds(Tool tool, QPoint s, QPoint e, int width) {
    QRect bounds = QRect(s, e).normalized();
    if (tool == Tool::Arrow || tool == Tool::DoubleArrow) {
        for (const QPoint& barb : ArrowBarbs(s, e, width))
            bounds |= QRect(barb, QSize(1, 1));
        if (tool == Tool::DoubleArrow) {
            for (const QPoint& barb : ArrowBarbs(e, s, width))
                bounds |= QRect(barb, QSize(1, 1));
        }
    }
    return bounds.adjusted(-kPenMargin, -kPenMargin, kPenMargin, kPenMargin);
}

void CombineMinimum(QImage& picture, const QImage& overlay, QRect rect) {
    rect &= picture.rect() & overlay.rect();
    if (rect.isEmpty())
        return;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y)) + rect.left();
        const auto* over = reinterpret_cast<const QRgb*>(overlay.constScanLine(y)) + rect.left();
        for (int x = 0; x < rect.width(); ++x) {
            const QRgb a = line[x];
            const QRgb b = over[x];
            line[x] = (a & 0xFF000000u) | (std::min(a & 0xFF0000u, b & 0xFF0000u)) |
                      (std::min(a & 0xFF00u, b & 0xFF00u)) | (std::min(a & 0xFFu, b & 0xFFu));
        }
    }
}

} // namespace quindor
