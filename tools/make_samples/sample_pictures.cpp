#include "make_samples/sample_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace quindor::samples {

namespace {

// Each drawing works in a fixed reference size and is scaled to the size asked for.
QImage Canvas(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void Scale(QPainter& p, int width, int height, double refWidth, double refHeight) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(width / refWidth, height / refHeight);
}

QPainterPath Leaf(QPointF base, QPointF tip, double bulge) {
    const QPointF d = tip - base;
    const QPointF n(-d.y() * bulge, d.x() * bulge);
    const QPointF mid = base + d * 0.5;
    QPainterPath path(base);
    path.quadTo(mid + n, tip);
    path.quadTo(mid - n, base);
    return path;
}

void DrawLeaf(QPainter& p, QPointF base, QPointF tip) {
    p.setPen(QPen(QColor(40, 110, 40), 2));
    QLinearGradient g(base, tip);
    g.setColorAt(0, QColor(60, 150, 50));
    g.setColorAt(1, QColor(120, 190, 80));
    p.setBrush(g);
    p.drawPath(Leaf(base, tip, 0.32));
    p.setPen(QPen(QColor(40, 110, 40), 2));
    p.drawLine(base, base + (tip - base) * 0.9);
}

void DrawRoot(QPainter& p, QPointF from, double angle, double length, int depth) {
    const double rad = angle * M_PI / 180.0;
    const QPointF to = from + QPointF(std::cos(rad) * length, std::sin(rad) * length);
    p.setPen(QPen(QColor(150, 110, 60), 2.0 + depth * 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    if (depth == 0)
        return;
    DrawRoot(p, to, angle - 28, length * 0.62, depth - 1);
    DrawRoot(p, to, angle + 24, length * 0.66, depth - 1);
}

void DrawHouse(QPainter& p, const QRectF& r, const QColor& roof) {
    p.setPen(QPen(QColor(90, 60, 50), 1.5));
    p.setBrush(roof);
    p.drawRect(r);
    p.setPen(QPen(roof.darker(140), 2));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
}

void DrawTree(QPainter& p, QPointF c, double radius) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 120, 50, 90));
    p.drawEllipse(c + QPointF(4, 5), radius, radius);
    QRadialGradient g(c - QPointF(radius / 3, radius / 3), radius * 1.3);
    g.setColorAt(0, QColor(120, 200, 90));
    g.setColorAt(1, QColor(40, 130, 50));
    p.setBrush(g);
    p.drawEllipse(c, radius, radius);
}

void DrawRoad(QPainter& p, const QPainterPath& path) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 120, 120), 48, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(QColor(170, 170, 170), 44, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(path);
}

void DrawCentreLine(QPainter& p, const QPainterPath& path) {
    QPen dash(Qt::white, 3, Qt::CustomDashLine, Qt::FlatCap);
    dash.setDashPattern({6, 5});
    p.setPen(dash);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

QPainterPath Line(QPointF a, QPointF b) {
    QPainterPath path(a);
    path.lineTo(b);
    return path;
}

// A simple bicycle of circles and lines, white on the blue cycle-path sign.
void DrawBicycle(QPainter& p, QPointF c, double s) {
    p.setPen(QPen(Qt::white, s * 0.06, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF back = c + QPointF(-s * 0.28, s * 0.12);
    const QPointF front = c + QPointF(s * 0.28, s * 0.12);
    p.drawEllipse(back, s * 0.18, s * 0.18);
    p.drawEllipse(front, s * 0.18, s * 0.18);
    const QPointF pedal = c + QPointF(-s * 0.02, s * 0.12);
    const QPointF seat = c + QPointF(-s * 0.1, -s * 0.14);
    const QPointF head = c + QPointF(s * 0.18, -s * 0.16);
    p.drawPolyline(QPolygonF{back, pedal, head, front});
    p.drawPolyline(QPolygonF{back, seat, pedal});
    p.drawLine(seat, head + QPointF(-s * 0.04, s * 0.02));
    p.drawLine(head, head + QPointF(s * 0.06, -s * 0.06));
}

} // namespace

QImage DrawPlant(int width, int height) {
    QImage image = Canvas(width, height, Qt::white);
    QPainter p(&image);
    Scale(p, width, height, 1000, 720);

    QLinearGradient sky(0, 0, 0, 480);
    sky.setColorAt(0, QColor(150, 200, 240));
    sky.setColorAt(1, QColor(225, 240, 250));
    p.fillRect(QRectF(0, 0, 1000, 480), sky);
    QLinearGradient soil(0, 480, 0, 720);
    soil.setColorAt(0, QColor(150, 105, 65));
    soil.setColorAt(1, QColor(105, 70, 40));
    p.fillRect(QRectF(0, 480, 1000, 240), soil);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(175, 135, 95));
    for (int i = 0; i < 22; ++i)
        p.drawEllipse(QPointF(40 + (i * 173) % 930, 520 + (i * 67) % 180), 7 + i % 4, 4 + i % 3);
    p.setPen(QPen(QColor(80, 160, 60), 3));
    for (int x = 0; x < 1000; x += 9)
        p.drawLine(QPointF(x, 482), QPointF(x + 3, 466 - (x * 7) % 12));

    // Sun with rays in the upper left corner.
    p.setPen(QPen(QColor(250, 200, 40), 5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6.0;
        p.drawLine(QPointF(110 + std::cos(a) * 62, 100 + std::sin(a) * 62),
                   QPointF(110 + std::cos(a) * 88, 100 + std::sin(a) * 88));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 215, 60));
    p.drawEllipse(QPointF(110, 100), 50, 50);

    DrawRoot(p, QPointF(500, 485), 90, 80, 3);
    DrawRoot(p, QPointF(500, 490), 130, 60, 2);
    DrawRoot(p, QPointF(500, 490), 50, 60, 2);

    // Stem and side shoot with a bud.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 140, 45), 12, Qt::SolidLine, Qt::RoundCap));
    QPainterPath stem(QPointF(500, 485));
    stem.cubicTo(QPointF(490, 380), QPointF(515, 260), QPointF(500, 170));
    p.drawPath(stem);
    p.setPen(QPen(QColor(60, 140, 45), 7, Qt::SolidLine, Qt::RoundCap));
    QPainterPath shoot(QPointF(504, 280));
    shoot.quadTo(QPointF(560, 260), QPointF(610, 205));
    p.drawPath(shoot);
    p.setPen(QPen(QColor(40, 110, 40), 2));
    p.setBrush(QColor(90, 165, 60));
    p.drawPath(Leaf(QPointF(612, 210), QPointF(640, 160), 0.35));
    p.setBrush(QColor(235, 110, 150));
    p.drawPath(Leaf(QPointF(622, 192), QPointF(640, 160), 0.25));

    DrawLeaf(p, QPointF(496, 390), QPointF(330, 330));
    DrawLeaf(p, QPointF(505, 330), QPointF(680, 300));
    DrawLeaf(p, QPointF(498, 440), QPointF(400, 450));

    // Blossom: petals around a centre with stamens.
    p.save();
    p.translate(500, 150);
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.rotate(i * 45.0);
        QRadialGradient petal(QPointF(0, -50), 60);
        petal.setColorAt(0, QColor(250, 150, 185));
        petal.setColorAt(1, QColor(220, 60, 110));
        p.setBrush(petal);
        p.setPen(QPen(QColor(190, 50, 95), 2));
        p.drawEllipse(QPointF(0, -50), 24, 44);
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 190, 40));
    p.drawEllipse(QPointF(0, 0), 28, 28);
    p.setBrush(QColor(200, 120, 20));
    for (int i = 0; i < 10; ++i) {
        const double a = i * M_PI / 5.0;
        p.drawEllipse(QPointF(std::cos(a) * 17, std::sin(a) * 17), 4, 4);
    }
    p.restore();
    return image;
}

QImage DrawTownMap(int width, int height) {
    QImage image = Canvas(width, height, QColor(214, 235, 190));
    QPainter p(&image);
    Scale(p, width, height, 1100, 760);

    // River on the right with a bridge for the main road.
    QPainterPath river(QPointF(930, -20));
    river.cubicTo(QPointF(850, 200), QPointF(1010, 420), QPointF(900, 780));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 170, 225), 70, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(river);
    p.setPen(QPen(QColor(150, 200, 240), 40, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(river);

    // Park with a pond and trees.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 215, 140));
    p.drawRoundedRect(QRectF(600, 450, 230, 250), 30, 30);
    p.setBrush(QColor(130, 185, 230));
    p.drawEllipse(QPointF(720, 600), 55, 35);
    for (const QPointF& c : {QPointF(640, 490), QPointF(700, 480), QPointF(790, 500),
                             QPointF(640, 660), QPointF(800, 650), QPointF(780, 560)})
        DrawTree(p, c, 22);

    const QPainterPath mainRoad = Line(QPointF(-10, 380), QPointF(1110, 380));
    const QPainterPath schoolRoad = Line(QPointF(520, -10), QPointF(520, 770));
    QPainterPath sideRoad(QPointF(-10, 640));
    sideRoad.quadTo(QPointF(300, 640), QPointF(520, 560));
    DrawRoad(p, sideRoad);
    DrawRoad(p, mainRoad);
    DrawRoad(p, schoolRoad);
    DrawCentreLine(p, mainRoad);
    DrawCentreLine(p, schoolRoad);

    // Cycle path along the main road, zebra crossing in front of the school.
    p.setPen(QPen(QColor(200, 110, 90), 12, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(0, 416), QPointF(494, 416));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int i = 0; i < 6; ++i)
        p.drawRect(QRectF(499 + i * 8, 240, 5, 40));
    p.setPen(QPen(QColor(140, 90, 60), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(875, 354), QPointF(995, 354));
    p.drawLine(QPointF(875, 406), QPointF(995, 406));

    // School with its yard.
    p.setPen(QPen(QColor(90, 60, 50), 2));
    p.setBrush(QColor(235, 225, 200));
    p.drawRect(QRectF(560, 120, 250, 200));
    p.setBrush(QColor(200, 80, 60));
    p.drawRect(QRectF(580, 140, 150, 90));
    p.drawRect(QRectF(580, 230, 60, 70));

    // Station with tracks at the left edge.
    p.setPen(QPen(QColor(90, 90, 90), 4));
    p.drawLine(QPointF(40, -10), QPointF(40, 340));
    p.drawLine(QPointF(60, -10), QPointF(60, 340));
    p.setPen(QPen(QColor(90, 90, 90), 2));
    for (int y = 0; y < 340; y += 16)
        p.drawLine(QPointF(32, y), QPointF(68, y));
    p.setPen(QPen(QColor(60, 60, 90), 2));
    p.setBrush(QColor(190, 200, 230));
    p.drawRect(QRectF(90, 150, 150, 90));

    // Houses in rows.
    const QColor roofs[3] = {QColor(200, 90, 70), QColor(170, 100, 80), QColor(215, 130, 80)};
    for (int i = 0; i < 4; ++i) {
        DrawHouse(p, QRectF(290 + (i % 2) * 100, 90 + (i / 2) * 120, 70, 60), roofs[i % 3]);
        DrawHouse(p, QRectF(80 + i * 100, 460, 70, 55), roofs[(i + 1) % 3]);
    }
    DrawHouse(p, QRectF(300, 680, 80, 50), roofs[2]);
    DrawHouse(p, QRectF(160, 690, 80, 50), roofs[0]);
    return image;
}

QImage DrawPaper(int width, int height) {
    return Canvas(width, height, Qt::white);
}

QImage DrawSign(Sign sign, int size) {
    QImage image = Canvas(size, size, Qt::transparent);
    QPainter p(&image);
    Scale(p, size, size, 100, 100);
    switch (sign) {
    case Sign::Stop: {
        QPolygonF octagon;
        for (int i = 0; i < 8; ++i) {
            const double a = (22.5 + i * 45.0) * M_PI / 180.0;
            octagon << QPointF(50 + std::cos(a) * 47, 50 + std::sin(a) * 47);
        }
        p.setPen(QPen(Qt::white, 4));
        p.setBrush(QColor(200, 30, 40));
        p.drawPolygon(octagon);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(28);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, 100, 100), Qt::AlignCenter, QStringLiteral("STOP"));
        break;
    }
    case Sign::GiveWay: {
        const QPolygonF triangle{QPointF(4, 10), QPointF(96, 10), QPointF(50, 92)};
        p.setPen(QPen(QColor(200, 30, 40), 12, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.setBrush(Qt::white);
        p.drawPolygon(triangle);
        break;
    }
    case Sign::Crossing: {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 90, 180));
        p.drawRoundedRect(QRectF(4, 4, 92, 92), 8, 8);
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF{QPointF(50, 12), QPointF(90, 86), QPointF(10, 86)});
        p.setBrush(Qt::black);
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(22 + i * 15, 76, 9, 6));
        p.drawEllipse(QPointF(52, 36), 5, 5);
        p.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(51, 43), QPointF(48, 60));
        p.drawLine(QPointF(48, 60), QPointF(40, 72));
        p.drawLine(QPointF(48, 60), QPointF(57, 71));
        p.drawLine(QPointF(50, 47), QPointF(60, 55));
        break;
    }
    case Sign::CyclePath:
        p.setPen(QPen(Qt::white, 3));
        p.setBrush(QColor(30, 90, 180));
        p.drawEllipse(QPointF(50, 50), 46, 46);
        DrawBicycle(p, QPointF(50, 48), 100);
        break;
    }
    return image;
}

QImage DrawCompassRose(int size) {
    QImage image = Canvas(size, size, Qt::transparent);
    QPainter p(&image);
    Scale(p, size, size, 100, 100);
    p.setPen(QPen(QColor(80, 80, 80), 2));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(50, 54), 30, 30);
    p.translate(50, 54);
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.rotate(i * 90.0);
        p.setPen(Qt::NoPen);
        p.setBrush(i == 0 ? QColor(200, 40, 40) : QColor(70, 70, 70));
        p.drawPolygon(QPolygonF{QPointF(0, -30), QPointF(7, 0), QPointF(-7, 0)});
        p.restore();
    }
    p.resetTransform();
    Scale(p, size, size, 100, 100);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(200, 40, 40));
    p.drawText(QRectF(35, 0, 30, 20), Qt::AlignCenter, QStringLiteral("N"));
    return image;
}

QImage DrawSymbol(int index, int size) {
    QImage image = Canvas(size, size, Qt::transparent);
    QPainter p(&image);
    Scale(p, size, size, 32, 32);
    p.setPen(Qt::NoPen);
    switch (index % 4) {
    case 0: // apple
        p.setBrush(QColor(210, 40, 40));
        p.drawEllipse(QPointF(16, 18), 11, 11);
        p.setBrush(QColor(60, 150, 50));
        p.drawEllipse(QPointF(20, 6), 4, 2);
        break;
    case 1: // pear
        p.setBrush(QColor(190, 200, 60));
        p.drawEllipse(QPointF(16, 21), 10, 9);
        p.drawEllipse(QPointF(16, 11), 6, 7);
        break;
    case 2: // bird
        p.setBrush(QColor(60, 60, 70));
        p.drawEllipse(QPointF(15, 18), 10, 7);
        p.drawEllipse(QPointF(24, 12), 5, 5);
        p.setBrush(QColor(240, 170, 30));
        p.drawPolygon(QPolygonF{QPointF(28, 11), QPointF(32, 13), QPointF(28, 14)});
        break;
    default: // fish
        p.setBrush(QColor(70, 140, 210));
        p.drawEllipse(QPointF(14, 16), 10, 6);
        p.drawPolygon(QPolygonF{QPointF(22, 16), QPointF(31, 9), QPointF(31, 23)});
        break;
    }
    return image;
}

} // namespace quindor::samples
