#include "document/picture.h"

namespace quindor {

Picture BlankPicture() {
    // A small white card with a grey frame: visible, and recognisably "no picture yet".
    QImage image(32, 32, QImage::Format_RGBA8888);
    image.fill(qRgba(255, 255, 255, 255));
    const QRgb frame = qRgba(160, 160, 160, 255);
    for (int i = 0; i < 32; ++i) {
        image.setPixel(i, 0, frame);
        image.setPixel(i, 31, frame);
        image.setPixel(0, i, frame);
        image.setPixel(31, i, frame);
    }
    Picture picture;
    picture.Image = image;
    picture.Linear = true;
    return picture;
}

} // namespace quindor
