#include "sample_images.h"

#include "core/random_generator.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>

namespace quindor::bench {

QImage PhotoLikeImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0.0, QColor(92, 140, 196));
    sky.setColorAt(0.55, QColor(186, 206, 222));
    sky.setColorAt(0.56, QColor(92, 120, 60));
    sky.setColorAt(1.0, QColor(58, 84, 40));
    painter.fillRect(image.rect(), sky);
    RandomGenerator random(12345);
    for (int i = 0; i < 60; ++i) {
        const int x = random.random(width);
        const int y = height / 2 + random.random(height / 2);
        const int r = 20 + random.random(width / 10);
        QRadialGradient blob(x, y, r);
        blob.setColorAt(0.0, QColor(60 + random.random(120), 80 + random.random(120),
                                    30 + random.random(80), 200));
        blob.setColorAt(1.0, QColor(0, 0, 0, 0));
        painter.setBrush(blob);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPoint(x, y), r, r);
    }
    painter.end();
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int noise = random.random(13) - 6;
            const QRgb p = line[x];
            line[x] =
                qRgb(std::clamp(qRed(p) + noise, 0, 255), std::clamp(qGreen(p) + noise, 0, 255),
                     std::clamp(qBlue(p) + noise, 0, 255));
        }
    }
    return image;
}

} // namespace quindor::bench
