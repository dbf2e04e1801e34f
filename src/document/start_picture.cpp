#include "document/document_session.h"

#include <QLinearGradient>
#include <QPainter>

namespace quindor {

Picture BuiltInStartPicture() {
    // A calm slate-blue board with a light frame: the surface the program shows before a
    // document is chosen.
    QImage image(870, 609, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, image.height());
    gradient.setColorAt(0.0, QColor(0x3C, 0x5A, 0x73));
    gradient.setColorAt(1.0, QColor(0x24, 0x3B, 0x4E));
    painter.fillRect(image.rect(), gradient);
    painter.setPen(QPen(QColor(255, 255, 255, 60), 6));
    painter.drawRoundedRect(QRectF(18, 18, image.width() - 36, image.height() - 36), 14, 14);
    painter.setPen(QPen(QColor(255, 255, 255, 28), 2));
    for (int y = 120; y < image.height() - 60; y += 60)
        painter.drawLine(70, y, image.width() - 70, y);
    painter.end();
    Picture picture;
    picture.Image = image;
    picture.Linear = true;
    return picture;
}

} // namespace quindor
