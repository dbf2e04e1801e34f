#include "whiteboard/pen_drawing.h"

#include <QPainterPath>

#include <algorithm>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace quindor {

namespace {

QPointF Axis(QPoint p) {
    return QPointF(p) + QPointF(1.0, 1.0);
}

QRectF AxisRect(QPoint s, QPoint e) {
    return QRectF(Axis(s), Axis(e)).normalized();
}

// Whether a closed polygon runs clockwise on the screen (y downwards).
bool RunsClockwise(const QPolygonF& polygon) {
    double twiceArea = 0.0;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QPointF& a = polygon.at(i);
        const QPointF& b = polygon.at((i + 1) % polygon.size());
        twiceArea += a.x() * b.y() - b.x() * a.y();
    }
    return twiceArea > 0.0;
}

// Which way round the painter's ellipses run.
bool EllipsesRunClockwise() {
    static const bool clockwise = [] {
        QPainterPath ellipse;
        ellipse.addEllipse(QRectF(0, 0, 10, 10));
        return RunsClockwise(ellipse.toFillPolygon());
    }();
    return clockwise;
}

void DrawArrowHead(QPainter& painter, QPoint from, QPoint tip, int width) {
    for (const QPoint& barb : ArrowBarbs(from, tip, width))
        DrawSegment(painter, tip, barb, width, Caps::End);
}

} // namespace

void DrawSegment(QPainter& painter, QPoint p, QPoint q, int width, Caps caps) {
    // Body and caps as one outline: filled at once, their smoothed edges are not blended twice
    // where they overlap. The winding rule fills the overlap only when body and caps run the
    // same way round; run against each other they cancel, and every joint shows a hole.
    QPainterPath outline;
    outline.setFillRule(Qt::WindingFill);
    QPolygonF body = SegmentPolygon(p, q, width);
    if (!body.isEmpty()) {
        if (RunsClockwise(body) != EllipsesRunClockwise())
            std::reverse(body.begin(), body.end());
        outline.addPolygon(body);
    }
    if (caps != Caps::End)
        outline.addEllipse(QRectF(CapBox(p, width)));
    if (caps != Caps::Start)
        outline.addEllipse(QRectF(CapBox(q, width)));
    painter.setPen(Qt::NoPen);
    painter.drawPath(outline);
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

int PenMargin(int width) {
    return std::min(kMaxPenMargin, width / 2 + 3);
}

QRect SegmentBounds(QPoint p, QPoint q, int width) {
    const int m = PenMargin(width);
    return QRect(p, q).normalized().adjusted(-m, -m, m, m);
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
    const int m = PenMargin(width);
    return bounds.adjusted(-m, -m, m, m);
}

void CombineMinimum(QImage& picture, const QImage& overlay, QRect rect) {
    rect &= picture.rect() & overlay.rect();
    if (rect.isEmpty())
        return;
    // Byte by byte: the overlay's alpha is always full, so the picture keeps its own.
    const qsizetype offset = static_cast<qsizetype>(rect.left()) * 4;
    const qsizetype bytes = static_cast<qsizetype>(rect.width()) * 4;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        uint8_t* line = picture.scanLine(y) + offset;
        const uint8_t* over = overlay.constScanLine(y) + offset;
        qsizetype i = 0;
#ifdef __SSE2__
        for (; i + 16 <= bytes; i += 16) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line + i));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(over + i));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(line + i), _mm_min_epu8(a, b));
        }
#endif
        for (; i < bytes; ++i)
            line[i] = std::min(line[i], over[i]);
    }
}

} // namespace quindor
