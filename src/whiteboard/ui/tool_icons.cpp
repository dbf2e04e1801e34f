#include "whiteboard/ui/tool_icons.h"

#include "whiteboard/pen_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace quindor {

namespace {

// The icons are designed on 24 units and drawn at the 22 pixels the tool buttons show them,
// so that no button scales its picture.
constexpr int kSide = 24;
constexpr int kShown = 22;

QIcon Drawn(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(kShown, kShown);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(static_cast<double>(kShown) / kSide, static_cast<double>(kShown) / kSide);
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

void Sheet(QPainter& p, const QRectF& r) {
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setBrush(Qt::NoBrush);
}

void Arrow(QPainter& p, QPointF from, QPointF to) {
    p.drawLine(from, to);
    const QLineF shaft(to, from);
    for (const double turn : {-30.0, 30.0}) {
        QLineF barb = shaft;
        barb.setLength(5);
        barb.setAngle(shaft.angle() + turn);
        p.drawLine(barb);
    }
}

} // namespace

QIcon BoardIconOf(BoardIcon icon) {
    switch (icon) {
    case BoardIcon::Pointer:
        return Drawn([](QPainter& p) {
            p.setBrush(Qt::white);
            p.drawPolygon(
                QPolygonF({{6, 3}, {6, 19}, {10, 15}, {13, 21}, {15, 20}, {12, 14}, {17, 14}}));
        });
    case BoardIcon::Hand:
        return Drawn([](QPainter& p) {
            p.setBrush(QColor(0xF4, 0xD9, 0xB8));
            for (int i = 0; i < 4; ++i)
                p.drawRoundedRect(QRectF(6 + i * 3.5, 3 + (i == 0 || i == 3 ? 2 : 0), 3, 10), 1.5,
                                  1.5);
            p.drawRoundedRect(QRectF(5, 11, 14, 10), 4, 4);
        });
    case BoardIcon::Eraser:
        return Drawn([](QPainter& p) {
            p.translate(12, 12);
            p.rotate(-35);
            p.setBrush(QColor(0xF0, 0x8C, 0xA0));
            p.drawRect(QRectF(-9, -5, 12, 10));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(3, -5, 6, 10));
        });
    case BoardIcon::Stamp:
        return Drawn([](QPainter& p) {
            p.setBrush(QColor(0x8B, 0x5A, 0x2B));
            p.drawEllipse(QRectF(8, 2, 8, 6));
            p.drawRect(QRectF(10.5, 8, 3, 7));
            p.setBrush(QColor(0xC0, 0x30, 0x30));
            p.drawRect(QRectF(4, 15, 16, 5));
        });
    case BoardIcon::Text:
        return Drawn([](QPainter& p) {
            // A bold serif capital: a thin left and a broad right stroke, the bar between them
            // and a foot under each.
            QPainterPath letter;
            letter.setFillRule(Qt::WindingFill);
            letter.addPolygon(QPolygonF({{10.6, 3.5}, {12.0, 3.5}, {7.7, 19.0}, {6.3, 19.0}}));
            letter.addPolygon(QPolygonF({{10.6, 3.5}, {13.7, 3.5}, {18.4, 19.0}, {14.6, 19.0}}));
            letter.addRect(QRectF(8.4, 13.0, 7.6, 1.7));
            letter.addRect(QRectF(4.6, 18.6, 5.0, 1.6));
            letter.addRect(QRectF(13.4, 18.6, 6.6, 1.6));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x30, 0x30, 0x30));
            p.drawPath(letter);
        });
    case BoardIcon::Area:
        return Drawn([](QPainter& p) {
            p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.4, Qt::DashLine));
            p.drawRect(QRectF(3.5, 5.5, 17, 13));
        });
    case BoardIcon::RemoveAll:
        return Drawn([](QPainter& p) {
            Sheet(p, QRectF(4.5, 3.5, 15, 17));
            p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(7, 7), QPointF(17, 17));
            p.drawLine(QPointF(17, 7), QPointF(7, 17));
        });
    case BoardIcon::Undo:
        return Drawn([](QPainter& p) {
            QPainterPath path;
            path.moveTo(8, 9);
            path.cubicTo(14, 4, 22, 8, 19, 16);
            p.drawPath(path);
            p.drawLine(QPointF(8, 9), QPointF(9, 3.5));
            p.drawLine(QPointF(8, 9), QPointF(13.5, 10.5));
        });
    case BoardIcon::Copy:
        return Drawn([](QPainter& p) {
            Sheet(p, QRectF(3.5, 3.5, 11, 13));
            Sheet(p, QRectF(9.5, 8.5, 11, 13));
        });
    case BoardIcon::Save:
        return Drawn([](QPainter& p) {
            p.setBrush(QColor(0x3A, 0x6E, 0xB5));
            p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 2, 2);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(7.5, 3.5, 9, 6));
            p.drawRect(QRectF(6.5, 13.5, 11, 7));
        });
    case BoardIcon::Print:
        return Drawn([](QPainter& p) {
            Sheet(p, QRectF(7.5, 2.5, 9, 7));
            p.setBrush(QColor(0x90, 0x90, 0x90));
            p.drawRoundedRect(QRectF(3.5, 9.5, 17, 8), 2, 2);
            Sheet(p, QRectF(7.5, 14.5, 9, 7));
        });
    case BoardIcon::Sheet:
        return Drawn([](QPainter& p) {
            Sheet(p, QRectF(5.5, 2.5, 13, 19));
            p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
            for (int y = 7; y < 20; y += 3)
                p.drawLine(QPointF(7.5, y + 0.5), QPointF(16.5, y + 0.5));
        });
    case BoardIcon::FileInChronicle:
        return Drawn([](QPainter& p) {
            p.setBrush(QColor(0xE8, 0xC8, 0x70));
            p.drawRect(QRectF(3.5, 12.5, 17, 9));
            Arrow(p, QPointF(12, 2), QPointF(12, 16));
        });
    case BoardIcon::Chronicle:
        return Drawn([](QPainter& p) {
            p.setBrush(QColor(0xE8, 0xC8, 0x70));
            p.drawRect(QRectF(3.5, 12.5, 17, 9));
            Arrow(p, QPointF(12, 16), QPointF(12, 2));
        });
    case BoardIcon::OpenPicture:
        return Drawn([](QPainter& p) {
            p.setBrush(QColor(0xBF, 0xE0, 0xF5));
            p.drawRect(QRectF(3.5, 4.5, 17, 15));
            p.setBrush(QColor(0x4C, 0x9A, 0x3C));
            p.drawPolygon(QPolygonF({{4, 19}, {10, 11}, {14, 16}, {16, 13}, {20, 19}}));
        });
    case BoardIcon::Paste:
        return Drawn([](QPainter& p) {
            p.setBrush(QColor(0xC8, 0x9B, 0x5C));
            p.drawRoundedRect(QRectF(4.5, 4.5, 15, 17), 2, 2);
            Sheet(p, QRectF(7.5, 8.5, 9, 10));
            p.setBrush(QColor(0x80, 0x80, 0x80));
            p.drawRect(QRectF(9.5, 2.5, 5, 4));
        });
    case BoardIcon::Leave:
        return Drawn([](QPainter& p) {
            Sheet(p, QRectF(3.5, 3.5, 11, 17));
            Arrow(p, QPointF(9, 12), QPointF(21, 12));
        });
    }
    return {};
}

QIcon PenPresetIcon(int preset, const QColor& colour) {
    return Drawn([&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        const Tool tool = PenPresetTool(preset);
        if (tool == Tool::Freehand) {
            p.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            QPainterPath path;
            path.moveTo(3, 17);
            path.cubicTo(8, 3, 12, 24, 21, 6);
            p.drawPath(path);
            return;
        }
        const bool upright = tool == Tool::Triangle || tool == Tool::FilledTriangle;
        const QPoint s = IsShapeTool(tool) && !upright ? QPoint(3, 5) : QPoint(3, 19);
        const QPoint e = upright ? QPoint(19, 4) : QPoint(19, 17);
        const bool line = tool == Tool::Line || tool == Tool::Arrow || tool == Tool::DoubleArrow;
        DrawShape(p, tool, line ? QPoint(3, 19) : s, line ? QPoint(18, 4) : e, 2);
    });
}

QIcon SizeIcon(int size) {
    return Drawn([size](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        const double width = 2.0 + 4.0 * (size - 1);
        p.drawRoundedRect(QRectF(2, 12 - width / 2, 20, width), width / 2, width / 2);
    });
}

QIcon ColourIcon(int colourId) {
    const PenColour& colour = ColourById(colourId);
    return Drawn([&colour](QPainter& p) {
        p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
        if (colour.seeThrough) {
            for (int y = 0; y < 4; ++y) {
                for (int x = 0; x < 4; ++x)
                    p.fillRect(QRectF(4 + x * 4, 4 + y * 4, 4, 4),
                               (x + y) % 2 ? QColor(0x60, 0x60, 0x60) : Qt::white);
            }
            p.setBrush(ToQColor(colour.colour, 150));
        } else {
            p.setBrush(ToQColor(colour.colour));
        }
        p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 3, 3);
    });
}

} // namespace quindor
