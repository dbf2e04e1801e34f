#pragma once

#include <QImage>

#include <functional>

namespace quindor {

// A raster picture of the document: 32-bit RGBA with per-pixel alpha, plus the two marks the
// drawing code honours. A null Image means "no picture".
struct Picture {
    QImage Image;
    // Drawn with alpha blending (the picture has partial transparency).
    bool Blended = false;
    // Resampled bilinearly when drawn scaled, rather than nearest-neighbour.
    bool Linear = false;
    // A picture the program draws itself draws anew into an area of an image, at the
    // size it is shown rather than scaled, as long as Image is still the picture it drew (the
    // image's cache key).
    std::function<void(QImage&, const QRect&)> Redraw;
    qint64 RedrawKey = 0;

    bool redraws() const { return Redraw && RedrawKey == Image.cacheKey(); }
    // Whether an image to be shown is this picture as it drew itself (not a reduced copy).
    bool redrawsAs(const QImage& shown) const {
        return redraws() && shown.cacheKey() == Image.cacheKey();
    }
    bool isNone() const { return Image.isNull(); }
    bool isEmpty() const { return Image.isNull() || Image.width() == 0 || Image.height() == 0; }
    void clear() { *this = Picture(); }
};

// The picture that stands in for a missing picture of a picture object when it is stored.
Picture BlankPicture();

} // namespace quindor
