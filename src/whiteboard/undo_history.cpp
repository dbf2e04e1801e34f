#include "whiteboard/undo_history.h"

#include <QPainter>

namespace quindor {

namespace {

void Paste(QImage& picture, const QImage& part, QPoint at) {
    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(at, part);
}

} // namespace

qsizetype UndoHistory::Step::bytes() const {
    qsizetype total = wholeBefore.sizeInBytes();
    for (const Tile& tile : tiles)
        total += tile.before.sizeInBytes() + tile.after.sizeInBytes();
    return total;
}

qsizetype UndoHistory::bytes() const {
    qsizetype total = 0;
    for (const Step& step : undo_)
        total += step.bytes();
    for (const Step& step : redo_)
        total += step.bytes();
    return total;
}

void UndoHistory::begin(QSize pictureSize, ZoomLevel zoom) {
    current_ = Step();
    current_.zoom = zoom;
    size_ = pictureSize;
    columns_ = (pictureSize.width() + kTile - 1) / kTile;
    const int rows = (pictureSize.height() + kTile - 1) / kTile;
    saved_.assign(static_cast<size_t>(std::max(0, columns_ * rows)), false);
    recording_ = true;
}

void UndoHistory::touch(const QImage& picture, QRect rect) {
    if (!recording_ || picture.size() != size_)
        return;
    rect &= QRect(QPoint(0, 0), size_);
    if (rect.isEmpty())
        return;
    for (int row = rect.top() / kTile; row <= rect.bottom() / kTile; ++row) {
        for (int column = rect.left() / kTile; column <= rect.right() / kTile; ++column) {
            const size_t index = static_cast<size_t>(row * columns_ + column);
            if (saved_[index])
                continue;
            saved_[index] = true;
            const QRect tile =
                QRect(column * kTile, row * kTile, kTile, kTile) & QRect(QPoint(0, 0), size_);
            current_.tiles.push_back({tile.topLeft(), picture.copy(tile), QImage()});
        }
    }
}

void UndoHistory::end(const QImage& picture) {
    if (!recording_)
        return;
    recording_ = false;
    saved_.clear();
    if (picture.size() != size_)
        return;
    // Keep only the tiles that really changed (a preview drawn and taken away leaves none).
    std::vector<Step::Tile> changed;
    for (Step::Tile& tile : current_.tiles) {
        tile.after = picture.copy(QRect(tile.origin, tile.before.size()));
        if (tile.after != tile.before)
            changed.push_back(std::move(tile));
    }
    current_.tiles = std::move(changed);
    if (current_.tiles.empty())
        return;
    redo_.clear();
    push(std::move(current_));
    current_ = Step();
}

void UndoHistory::pushZoom(const QImage& before, ZoomLevel from, ZoomLevel to) {
    Step step;
    step.zoom = from;
    step.zoomStep = true;
    step.toZoom = to;
    step.wholeBefore = before;
    redo_.clear();
    push(std::move(step));
}

void UndoHistory::push(Step step) {
    undo_.push_back(std::move(step));
    while (undo_.size() > 1 && (static_cast<int>(undo_.size()) > kMaxSteps || bytes() > kMaxBytes))
        undo_.pop_front();
}

void UndoHistory::clear() {
    undo_.clear();
    redo_.clear();
    recording_ = false;
    saved_.clear();
}

QRect UndoHistory::undo(QImage& picture) {
    if (undo_.empty())
        return {};
    Step step = std::move(undo_.back());
    undo_.pop_back();
    QRect changed;
    if (step.zoomStep) {
        if (step.wholeBefore.size() == picture.size()) {
            picture = step.wholeBefore;
            changed = picture.rect();
        }
    } else if (step.tiles.front().before.format() == picture.format()) {
        for (const Step::Tile& tile : step.tiles) {
            Paste(picture, tile.before, tile.origin);
            changed |= QRect(tile.origin, tile.before.size());
        }
    }
    redo_.push_back(std::move(step));
    return changed;
}

QRect UndoHistory::redo(QImage& picture) {
    if (redo_.empty())
        return {};
    Step step = std::move(redo_.back());
    redo_.pop_back();
    QRect changed;
    if (!step.zoomStep) {
        for (const Step::Tile& tile : step.tiles) {
            Paste(picture, tile.after, tile.origin);
            changed |= QRect(tile.origin, tile.after.size());
        }
    }
    undo_.push_back(std::move(step));
    return changed;
}

} // namespace quindor
