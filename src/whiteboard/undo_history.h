#pragma once

#include "view/view_geometry.h"

#include <QImage>
#include <QRect>

#include <deque>
#include <vector>

namespace quindor {

// The drawing steps that can be undone and redone, newest last. A step keeps only the tiles of
// the display picture it changed, before and after, so a stroke across a corner costs a few
// tiles, not the whole picture. At most kMaxSteps steps and kMaxBytes of pictures are kept;
// the oldest go first.
class UndoHistory {
public:
    static constexpr int kTile = 64;
    static constexpr int kMaxSteps = 20;
    static constexpr qsizetype kMaxBytes = 192LL * 1024 * 1024;

    // Starts recording a step on a picture of the given size, at the given zoom.
    void begin(QSize pictureSize, ZoomLevel zoom);
    bool recording() const { return recording_; }
    // Before the recording step changes rect of the picture: keeps what is there.
    void touch(const QImage& picture, QRect rect);
    // Ends the step with the picture as it is now; a step that changed nothing is dropped.
    // Clears what could be redone.
    void end(const QImage& picture);

    // A change of zoom, which composes the view anew: the whole picture as it was, and the
    // levels before and after.
    void pushZoom(const QImage& before, ZoomLevel from, ZoomLevel to);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    void clear();

    // What undoing or redoing the newest step needs: a zoom step asks the view for its level
    // first.
    struct Step {
        struct Tile {
            QPoint origin;
            QImage before;
            QImage after;
        };
        ZoomLevel zoom = ZoomLevel::Percent100;
        std::vector<Tile> tiles;
        bool zoomStep = false;
        ZoomLevel toZoom = ZoomLevel::Percent100;
        QImage wholeBefore;

        qsizetype bytes() const;
    };
    const Step& nextUndo() const { return undo_.back(); }
    const Step& nextRedo() const { return redo_.back(); }
    // Puts the step's pictures back into the picture (the zoom is the caller's business);
    // returns the rectangle that changed.
    QRect undo(QImage& picture);
    QRect redo(QImage& picture);
    int steps() const { return static_cast<int>(undo_.size()); }
    qsizetype bytes() const;

private:
    void push(Step step);

    std::deque<Step> undo_;
    std::deque<Step> redo_;
    bool recording_ = false;
    Step current_;
    QSize size_;
    int columns_ = 0;
    std::vector<bool> saved_;
};

} // namespace quindor
