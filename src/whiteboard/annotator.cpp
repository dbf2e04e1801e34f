#include "whiteboard/annotator.h"

#include "whiteboard/pen_drawing.h"
#include "whiteboard/stroke_geometry.h"

#include <QFontMetrics>

#include <cmath>

namespace quindor {

Annotator::Annotator(ViewComposer& view) : view_(view) {
    view_.rebuilding = [this](const ViewRebuild& rebuild) { viewRebuilding(rebuild); };
}

Annotator::~Annotator() {
    view_.rebuilding = nullptr;
}

QColor Annotator::colour() const {
    return ToQColor(ColourById(tools_.colour).colour);
}

void Annotator::viewRebuilding(const ViewRebuild& rebuild) {
    if (applying_)
        return;
    filed_ = false;
    pressed_ = false;
    preview_.reset();
    const bool drawn =
        view_.displayPicture().constBits() != view_.cleanDisplayPicture().constBits();
    if (rebuild.reason == ViewRebuildReason::Zoom && (drawn || history_.canUndo())) {
        // Zooming composes the view anew; undoing it brings the picture back as it was.
        history_.end(view_.displayPicture());
        history_.pushZoom(view_.displayPicture(), rebuild.fromZoom, rebuild.toZoom);
        return;
    }
    history_.clear();
}

void Annotator::beginStep() {
    filed_ = false;
    history_.begin(view_.displayPicture().size(), view_.geometry().Zoom);
}

void Annotator::endStep() {
    history_.end(view_.displayPicture());
}

QRect Annotator::paint(QRect bounds, bool seeThroughAllowed,
                       const std::function<void(QPainter&)>& draw) {
    QImage& display = view_.drawingPicture();
    bounds &= display.rect();
    if (bounds.isEmpty())
        return {};
    history_.touch(display, bounds);
    const QColor colour = this->colour();
    if (!seeThroughAllowed || !ColourById(tools_.colour).seeThrough) {
        QPainter painter(&display);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        draw(painter);
        return bounds;
    }
    // See-through: drawn on white, then the darker of drawing and picture per channel.
    QImage& overlay = view_.overlayPicture();
    {
        QPainter painter(&overlay);
        painter.setClipRect(bounds);
        painter.fillRect(bounds, Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        draw(painter);
    }
    CombineMinimum(display, overlay, bounds);
    return bounds;
}

QRect Annotator::erase(QPoint from, QPoint to) {
    QImage& display = view_.drawingPicture();
    const QImage& clean = view_.cleanDisplayPicture();
    // Squares along the way, so a quick movement leaves no gaps.
    const int side = EraserSide(tools_.size);
    const double distance = std::hypot(to.x() - from.x(), to.y() - from.y());
    const int steps = std::max(1, static_cast<int>(std::ceil(distance / (side / 2.0))));
    QRect changed;
    for (int i = 0; i <= steps; ++i) {
        const QPoint at = from + (to - from) * i / steps;
        const QRect square = EraserSquare(at, tools_.size) & display.rect();
        if (square.isEmpty())
            continue;
        history_.touch(display, square);
        changed |= square;
    }
    if (changed.isEmpty() || clean.size() != display.size())
        return changed;
    QPainter painter(&display);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int i = 0; i <= steps; ++i) {
        const QRect square = EraserSquare(from + (to - from) * i / steps, tools_.size);
        painter.drawImage(square.topLeft(), clean, square);
    }
    return changed;
}

QRect Annotator::preview(QPoint end) {
    const int width = PenWidth(tools_.size);
    const QRect bounds = ShapeBounds(tools_.tool, start_, end, width);
    QImage& display = view_.drawingPicture();
    history_.touch(display, bounds);
    QPainter painter(&display);
    DrawPreview(painter, tools_.tool, start_, end, width);
    return bounds & display.rect();
}

QRect Annotator::press(QPoint point) {
    if (pressed_ || !DrawsWithLeftButton(tools_.tool) || view_.displayPicture().isNull())
        return {};
    beginStep();
    pressed_ = true;
    start_ = point;
    last_ = point;
    preview_.reset();
    const int width = PenWidth(tools_.size);
    switch (tools_.tool) {
    case Tool::Freehand:
        // A dot where the pen touches down.
        return paint(SegmentBounds(point, point, width), true,
                     [&](QPainter& p) { DrawSegment(p, point, point, width, Caps::Start); });
    case Tool::Eraser:
        return erase(point, point);
    case Tool::Stamp: {
        if (stamped_)
            return {};
        stamped_ = true;
        const StampPlacement placement =
            PlaceStamp(stamps_.stamp(tools_.stamp), StampPointSize(tools_.size), point,
                       &view_.drawingPicture());
        return paint(placement.reach, false,
                     [&](QPainter& p) { DrawStamp(p, placement, colour()); });
    }
    default:
        return {};
    }
}

QRect Annotator::move(QPoint point) {
    if (!pressed_)
        return {};
    const int width = PenWidth(tools_.size);
    QRect changed;
    switch (tools_.tool) {
    case Tool::Freehand: {
        const QPoint from = last_;
        changed = paint(SegmentBounds(from, point, width), true,
                        [&](QPainter& p) { DrawSegment(p, from, point, width, Caps::Start); });
        break;
    }
    case Tool::Eraser:
        changed = erase(last_, point);
        break;
    default:
        if (IsShapeTool(tools_.tool)) {
            if (preview_)
                changed = preview(*preview_);
            changed |= preview(point);
            preview_ = point;
        }
        break;
    }
    last_ = point;
    return changed;
}

QRect Annotator::release(QPoint point) {
    if (!pressed_)
        return {};
    pressed_ = false;
    stamped_ = false;
    QRect changed;
    if (IsShapeTool(tools_.tool)) {
        if (preview_)
            changed = preview(*preview_);
        preview_.reset();
        const int width = PenWidth(tools_.size);
        const Tool tool = tools_.tool;
        const QPoint start = start_;
        changed |= paint(ShapeBounds(tool, start, point, width), true,
                         [&](QPainter& p) { DrawShape(p, tool, start, point, width); });
    }
    endStep();
    return changed;
}

QRect Annotator::drawText(QPoint topLeft, const QString& text, const QFont& font) {
    if (text.isEmpty() || view_.displayPicture().isNull())
        return {};
    beginStep();
    const QFontMetrics metrics(font, &view_.drawingPicture());
    const QRect box(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height()));
    const int margin = metrics.height() / 3;
    const QRect changed =
        paint(box.adjusted(-margin, -margin, margin, margin), false, [&](QPainter& p) {
            p.setFont(font);
            p.setPen(colour());
            p.drawText(QPoint(topLeft.x(), topLeft.y() + metrics.ascent()), text);
        });
    endStep();
    return changed;
}

QRect Annotator::pastePicture(const QImage& picture, QRect area) {
    if (picture.isNull() || area.isEmpty() || view_.displayPicture().isNull())
        return {};
    const QRect target = FitIntoArea(picture.size(), area.size()).translated(area.topLeft());
    beginStep();
    const QRect changed = paint(target, false, [&](QPainter& p) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(target), picture);
    });
    endStep();
    return changed;
}

void Annotator::removeAll() {
    if (view_.displayPicture().isNull())
        return;
    beginStep();
    history_.touch(view_.displayPicture(), view_.displayPicture().rect());
    view_.removeDrawings();
    endStep();
}

void Annotator::commitDrawings() {
    pressed_ = false;
    view_.commitDrawings();
    history_.clear();
    filed_ = false;
}

bool Annotator::undo() {
    if (!history_.canUndo())
        return false;
    applying_ = true;
    view_.SetZoom(history_.nextUndo().zoom);
    history_.undo(view_.drawingPicture());
    applying_ = false;
    filed_ = false;
    return true;
}

bool Annotator::redo() {
    if (!history_.canRedo())
        return false;
    const UndoHistory::Step& step = history_.nextRedo();
    applying_ = true;
    view_.SetZoom(step.zoomStep ? step.toZoom : step.zoom);
    history_.redo(view_.drawingPicture());
    applying_ = false;
    filed_ = false;
    return true;
}

} // namespace quindor
