#pragma once

#include "view/view_composer.h"
#include "whiteboard/stamps.h"
#include "whiteboard/tool_tables.h"
#include "whiteboard/undo_history.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <functional>
#include <optional>

namespace quindor {

// The drawing tools at work on the display picture of the learning view. Every operation
// returns the rectangle of the display picture it changed, for the window to show again.
class Annotator {
public:
    explicit Annotator(ViewComposer& view);
    Annotator(const Annotator&) = delete;
    Annotator& operator=(const Annotator&) = delete;
    ~Annotator();

    ToolState& tools() { return tools_; }
    const ToolState& tools() const { return tools_; }
    StampTable& stamps() { return stamps_; }
    const StampTable& stamps() const { return stamps_; }
    // The current pen colour as drawn (see-through colours in their plain colour).
    QColor colour() const;

    // The left button with a drawing tool (freehand pen to filled triangle) at a display point.
    // The press starts a step that can be undone; the release ends it.
    QRect press(QPoint point);
    QRect move(QPoint point);
    QRect release(QPoint point);
    bool pressed() const { return pressed_; }

    // The text of the text field, drawn with its font at its top-left corner.
    QRect drawText(QPoint topLeft, const QString& text, const QFont& font);
    // A picture stretched into an area of the display picture with its proportions kept.
    QRect pastePicture(const QImage& picture, QRect area);
    // Takes every drawing away, also those committed into the page.
    void removeAll();
    // Before the view moves: the drawings go into the page image, and nothing can be undone.
    void commitDrawings();

    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    // The last drawing step undone or redone, with the zoom it was drawn at; false when there
    // was none.
    bool undo();
    bool redo();
    const UndoHistory& history() const { return history_; }

    // The screen has been filed in the chronicle and not drawn on since.
    bool filed() const { return filed_; }
    void setFiled(bool filed) { filed_ = filed; }

private:
    void viewRebuilding(const ViewRebuild& rebuild);
    // Draws with the current colour within bounds; see-through colours through the overlay.
    QRect paint(QRect bounds, bool seeThroughAllowed, const std::function<void(QPainter&)>& draw);
    QRect erase(QPoint from, QPoint to);
    QRect preview(QPoint end);
    void beginStep();
    void endStep();

    ViewComposer& view_;
    ToolState tools_;
    StampTable stamps_ = StampTable::defaults();
    UndoHistory history_;
    bool filed_ = false;
    // The view is rebuilt by an undo or redo, not by the user.
    bool applying_ = false;
    // The press under way.
    bool pressed_ = false;
    QPoint start_;
    QPoint last_;
    std::optional<QPoint> preview_;
    bool stamped_ = false;
};

} // namespace quindor
