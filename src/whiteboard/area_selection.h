#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>

namespace quindor {

// The area chosen with the area tool, in display-picture pixels: spanned by the press point and
// the current point, the far corner not included.
class AreaSelection {
public:
    // Starts at a point of a picture of the given bounds, which the area never leaves.
    void start(QPoint point, QRect bounds);
    void stretch(QPoint point);
    // A press and release on the same pixel leave no area.
    void finish(QPoint point);
    void clear() { area_.reset(); }

    bool valid() const { return area_.has_value() && !area_->isEmpty(); }
    QRect rect() const { return area_.value_or(QRect()); }
    // Moves the area by delta, kept inside bounds.
    void moveBy(QPoint delta, QRect bounds);

    // " (x1,y1) - (x2,y2)  B:w H:h" with the last pixel of the area as its far corner.
    QString label() const;

private:
    QPoint clamped(QPoint point) const;

    // Where the corners may lie: the far corner one pixel past the picture's last.
    QRect corners_;
    QPoint anchor_;
    std::optional<QRect> area_;
};

// What the view output takes: the area's part of the picture when there is an area, else the
// whole picture.
QImage OutputPicture(const QImage& display, const AreaSelection* area);

} // namespace quindor
