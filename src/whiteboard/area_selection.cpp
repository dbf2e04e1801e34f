#include "whiteboard/area_selection.h"

#include <algorithm>

namespace quindor {

void AreaSelection::start(QPoint point, QRect bounds) {
    corners_ = bounds.adjusted(0, 0, 1, 1);
    anchor_ = clamped(point);
    area_ = QRect(anchor_, QSize(0, 0));
}

QPoint AreaSelection::clamped(QPoint point) const {
    return QPoint(std::clamp(point.x(), corners_.left(), corners_.right()),
                  std::clamp(point.y(), corners_.top(), corners_.bottom()));
}

void AreaSelection::stretch(QPoint point) {
    if (!area_)
        return;
    point = clamped(point);
    area_ =
        QRect(QPoint(std::min(anchor_.x(), point.x()), std::min(anchor_.y(), point.y())),
              QPoint(std::max(anchor_.x(), point.x()) - 1, std::max(anchor_.y(), point.y()) - 1));
}

void AreaSelection::finish(QPoint point) {
    stretch(point);
    if (clamped(point) == anchor_)
        area_.reset();
}

void AreaSelection::moveBy(QPoint delta, QRect bounds) {
    if (!area_)
        return;
    QRect moved = area_->translated(delta);
    moved.moveLeft(std::clamp(moved.left(), bounds.left(),
                              std::max(bounds.left(), bounds.right() + 1 - moved.width())));
    moved.moveTop(std::clamp(moved.top(), bounds.top(),
                             std::max(bounds.top(), bounds.bottom() + 1 - moved.height())));
    area_ = moved;
}

QString AreaSelection::label() const {
    const QRect r = rect();
    const int x2 = r.left() + r.width();
    const int y2 = r.top() + r.height();
    return QStringLiteral(" (%1,%2) - (%3,%4)  B:%5 H:%6")
        .arg(r.left())
        .arg(r.top())
        .arg(x2 - 1)
        .arg(y2 - 1)
        .arg(r.width())
        .arg(r.height());
}

QImage OutputPicture(const QImage& display, const AreaSelection* area) {
    // An area chosen before the view changed its size keeps only what the view still shows.
    const QRect part = area && area->valid() ? area->rect() & display.rect() : QRect();
    return part.isEmpty() ? display : display.copy(part);
}

} // namespace quindor
