#include "layouts/choice_markers.h"

#include <QPainter>
#include <QPainterPath>

namespace quindor {

namespace {

QImage FramedSquare() {
    QImage image(kChoiceMarkerSize, kChoiceMarkerSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(QColor(180, 180, 180), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, kChoiceMarkerSize - 1, kChoiceMarkerSize - 1);
    return image;
}

QImage TickImage() {
    QImage image = FramedSquare();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(5, 35);
    tick.lineTo(16, 57);
    tick.lineTo(58, 4);
    // A thick stroke whose ends stay inside the frame.
    painter.setPen(QPen(QColor(0, 128, 0), 7, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(tick);
    return image;
}

QImage BarImage() {
    QImage image = FramedSquare();
    QPainter painter(&image);
    painter.fillRect(QRect(8, 30, 49, 4), QColor(255, 0, 0));
    return image;
}

} // namespace

Picture ChoiceMarkerPicture(bool tick) {
    // Built once; the copies share the pixels until someone draws on one.
    static const QImage kTick = TickImage();
    static const QImage kBar = BarImage();
    Picture picture;
    picture.Image = tick ? kTick : kBar;
    picture.Linear = true;
    return picture;
}

} // namespace quindor
