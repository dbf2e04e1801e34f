#pragma once

#include "document/document.h"

#include <optional>
#include <vector>

namespace quindor {

// One step of editing the objects of a page, undone and redone as a whole.
struct ObjectEdit {
    enum class Kind { Insert, Remove, Change };
    Kind kind = Kind::Change;
    int index = -1;
    // The object before and after the step (Insert has no before, Remove no after).
    ObjDataTyp before;
    ObjDataTyp after;
};

// Where a step left an object: the index it has now (-1 when it went away) and the index it had.
struct EditedObject {
    int index = -1;
    int formerIndex = -1;
};

// The changes made to the objects of a document, each applied at once and kept as one step to
// undo and redo. A change in progress (a drag, typing) shows as it goes and becomes one step
// when it is committed. Every step marks the document modified. The working fields of an
// object (its cover state, where it was drawn) stay as they are when a step is undone: only
// what the file holds goes back.
class ObjectEditHistory {
public:
    explicit ObjectEditHistory(Document& document) : document_(document) {}

    // Puts the object at the index (clamped to the list); returns where it went.
    int insert(int index, ObjDataTyp object);
    void remove(int index);
    // Replaces the object with its changed copy; nothing happens when nothing changed.
    void change(int index, const ObjDataTyp& after);

    // Shows a change without making it a step yet; the first one remembers the object before.
    // False when the object already was so.
    bool preview(int index, const ObjDataTyp& after);
    // The previewed change becomes one step (none when it changed nothing).
    void commit();
    // Takes the previewed change back.
    std::optional<EditedObject> cancel();
    bool previewing() const { return pending_.has_value(); }

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < static_cast<int>(steps_.size()); }
    // The object the step touched, or nothing when there was no step to take.
    std::optional<EditedObject> undo();
    std::optional<EditedObject> redo();
    // The index of the object the next undo (back) or redo touches; -1 when there is none.
    int nextStepIndex(bool back) const;
    // Counts every change to the document, previews included.
    int revision() const { return revision_; }
    void clear();

private:
    void record(ObjectEdit edit);
    EditedObject apply(const ObjectEdit& edit, bool forward);
    void put(int index, const ObjDataTyp& object);
    void touched();

    Document& document_;
    std::vector<ObjectEdit> steps_;
    int done_ = 0;
    std::optional<ObjectEdit> pending_;
    int revision_ = 0;
};

} // namespace quindor
