#pragma once

#include "core/program_state.h"
#include "document/document.h"
#include "editor/object_edits.h"
#include "view/view_composer.h"

#include <QPoint>
#include <QPointF>
#include <QRect>

#include <functional>
#include <optional>

namespace quindor {

// What a press on the page took hold of.
enum class EditGrip { None, Card, Anchor, Placing };

// Where a new object goes, chosen on the page: the spot it points at and its card point.
struct Placement {
    ObjectKind kind = ObjectKind::QueryLabel;
    QPointF spot;
    QPointF cardPoint;
};

// What a key asked for beyond what the editing did itself.
struct EditKey {
    bool handled = false;
    // Enter while adding: the new object goes to the middle of what the view shows.
    std::optional<Placement> place;
    // Enter on a selected object: its text is to be edited.
    bool editText = false;
};

// Editing the free objects of the open document on the learning view: selecting them, dragging
// cards and the spots they point at, the arrow keys, adding and deleting, each change one step
// to undo. The page is redrawn only where something changed, numbered and covered as the
// learning view shows it. Mouse positions are points of the display picture.
class PictureEditing {
public:
    PictureEditing(Document& document, ViewComposer& view, ProgramState& state);

    ObjectEditHistory& history() { return history_; }
    // Whether the object is one the editor changes (not one a layout made).
    bool isEditable(int index) const;
    int selected() const { return selected_; }
    const ObjDataTyp* selectedObject() const;
    void select(int index);
    // The kind the next press on the page adds (one object, then it selects again); none: a
    // press selects.
    std::optional<ObjectKind> adding() const { return adding_; }
    void setAdding(std::optional<ObjectKind> kind);

    // The editable object under a display point, the topmost first.
    int objectAt(QPoint display) const;
    // Where an object's card and its anchor show on the display.
    QRect cardOnDisplay(int index) const;
    QPoint anchorOnDisplay(int index) const;
    // Whether the object shows a handle at its anchor (points stand where they point).
    bool hasAnchorHandle(int index) const;
    // Whether a display point takes the anchor handle of the selected object.
    bool onAnchorHandle(QPoint display) const;

    EditGrip press(QPoint display);
    // Moves what the press took hold of; a drag starts a few pixels away from the press.
    void drag(QPoint display);
    // Ends the drag as one step; while adding, gives where the new object goes and ends adding.
    std::optional<Placement> release(QPoint display);
    EditGrip grip() const { return grip_; }
    QPoint pressPoint() const { return pressDisplay_; }

    // Arrows move the selected card (with Ctrl its anchor) one pixel, ten with Shift; Delete
    // removes it; Tab steps through the objects; Escape ends adding, then the selection.
    EditKey key(int key, Qt::KeyboardModifiers modifiers);

    // Adds the object at the end of the list and selects it; returns its index.
    int add(const ObjDataTyp& object);
    // Changes the selected object as one step.
    void change(const ObjDataTyp& after);
    // Shows a change of the selected object that becomes one step when committed.
    void preview(const ObjDataTyp& after);
    void commit();
    void removeSelected();
    bool undo();
    bool redo();

    // Told after every change: the part of the display picture to show again.
    std::function<void(const QRect& display)> redrawn;
    // Told when the selection or the selected object changed.
    std::function<void()> selectionChanged;

private:
    enum class Renumber { No, Yes };
    // Shows the change: the areas objects left, the objects placed anew.
    void show(QRegion before, const std::vector<int>& placed, Renumber renumber,
              const std::optional<EditedObject>& moved = std::nullopt);
    Renumber renumberingFor(const ObjDataTyp& before, const ObjDataTyp& after) const;
    void showStep(const std::optional<EditedObject>& step, const QRegion& before);
    bool takeStep(bool back);
    QPointF pageAt(QPoint display) const;
    void moveSelected(QPointF delta, bool anchor, bool asStep);
    void notifySelection();

    Document& document_;
    ViewComposer& view_;
    ProgramState& state_;
    ObjectEditHistory history_;
    int selected_ = -1;
    std::optional<ObjectKind> adding_;
    EditGrip grip_ = EditGrip::None;
    bool dragging_ = false;
    QPoint pressDisplay_;
    QPointF pressPage_;
    ObjDataTyp pressed_;
};

} // namespace quindor
