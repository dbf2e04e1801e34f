#include "editor/object_edits.h"

#include <algorithm>

namespace quindor {

namespace {

// The stored fields are equal (pictures by their data).
bool SameStoredFields(const ObjDataTyp& a, const ObjDataTyp& b) {
    return a.Sx == b.Sx && a.Sy == b.Sy && a.Kx == b.Kx && a.Ky == b.Ky && a.Cap == b.Cap &&
           a.PktCap == b.PktCap && a.PktCap2 == b.PktCap2 && a.BildKenn == b.BildKenn &&
           a.KAusr == b.KAusr && a.TAusr == b.TAusr && a.Ebene == b.Ebene && a.Typ == b.Typ &&
           a.Untertyp == b.Untertyp && a.Sline == b.Sline && a.Fsize == b.Fsize &&
           a.Stil == b.Stil && a.Farbe == b.Farbe && a.LinieFarbe == b.LinieFarbe &&
           a.HFarbe == b.HFarbe && a.HDeck == b.HDeck && a.LinieDicke == b.LinieDicke &&
           a.FrageNummer == b.FrageNummer && a.AntwortAnz == b.AntwortAnz &&
           a.KAusrAkt == b.KAusrAkt && a.Picture.Image == b.Picture.Image &&
           a.BildDeck == b.BildDeck && a.ZIndex == b.ZIndex &&
           a.BildkarteAnpassen == b.BildkarteAnpassen && a.PunktInUebung == b.PunktInUebung;
}

// Partners are indexes into the list: they follow the objects when one comes or goes.
void ShiftPartners(Document& document, int from, int by) {
    for (ObjDataTyp& o : document.Objects) {
        if (o.Partner >= from)
            o.Partner += by;
        else if (by < 0 && o.Partner == from + by)
            o.Partner = -1;
    }
}

} // namespace

void ObjectEditHistory::touched() {
    ++revision_;
    HeaderDataTyp& h = document_.Header;
    h.Modified = true;
    h.MinZIndex = 0;
    h.MaxZIndex = 0;
    for (const ObjDataTyp& o : document_.Objects) {
        h.MinZIndex = std::min(h.MinZIndex, o.ZIndex);
        h.MaxZIndex = std::max(h.MaxZIndex, o.ZIndex);
    }
}

void ObjectEditHistory::put(int index, const ObjDataTyp& object) {
    ObjDataTyp& target = document_.Object(index);
    const ObjectWorkingFields working = target.Working();
    target = object;
    target.Working() = working;
}

void ObjectEditHistory::record(ObjectEdit edit) {
    steps_.resize(static_cast<size_t>(done_));
    steps_.push_back(std::move(edit));
    done_ = static_cast<int>(steps_.size());
}

int ObjectEditHistory::insert(int index, ObjDataTyp object) {
    commit();
    index = std::clamp(index, 0, document_.ObjectCount());
    ShiftPartners(document_, index, 1);
    document_.Objects.insert(document_.Objects.begin() + index, object);
    record({ObjectEdit::Kind::Insert, index, {}, std::move(object)});
    touched();
    return index;
}

void ObjectEditHistory::remove(int index) {
    commit();
    if (index < 0 || index >= document_.ObjectCount())
        return;
    ObjDataTyp gone = document_.Object(index);
    DeleteObject(document_, index);
    ShiftPartners(document_, index + 1, -1);
    record({ObjectEdit::Kind::Remove, index, std::move(gone), {}});
    touched();
}

void ObjectEditHistory::change(int index, const ObjDataTyp& after) {
    if (pending_ && pending_->index != index)
        commit();
    preview(index, after);
    commit();
}

bool ObjectEditHistory::preview(int index, const ObjDataTyp& after) {
    if (pending_ && pending_->index != index)
        commit();
    if (SameStoredFields(document_.Object(index), after))
        return false;
    if (!pending_)
        pending_ = ObjectEdit{ObjectEdit::Kind::Change, index, document_.Object(index), {}};
    pending_->after = after;
    put(index, after);
    touched();
    return true;
}

void ObjectEditHistory::commit() {
    if (!pending_)
        return;
    ObjectEdit edit = std::move(*pending_);
    pending_.reset();
    edit.after = document_.Object(edit.index);
    if (!SameStoredFields(edit.before, edit.after))
        record(std::move(edit));
}

std::optional<EditedObject> ObjectEditHistory::cancel() {
    if (!pending_)
        return std::nullopt;
    const int index = pending_->index;
    put(index, pending_->before);
    pending_.reset();
    touched();
    return EditedObject{index, index};
}

EditedObject ObjectEditHistory::apply(const ObjectEdit& edit, bool forward) {
    const bool inserting = (edit.kind == ObjectEdit::Kind::Insert) == forward;
    switch (edit.kind) {
    case ObjectEdit::Kind::Change:
        put(edit.index, forward ? edit.after : edit.before);
        touched();
        return {edit.index, edit.index};
    case ObjectEdit::Kind::Insert:
    case ObjectEdit::Kind::Remove:
        if (inserting) {
            ShiftPartners(document_, edit.index, 1);
            const ObjDataTyp& object = forward ? edit.after : edit.before;
            document_.Objects.insert(document_.Objects.begin() + edit.index, object);
            touched();
            return {edit.index, -1};
        }
        DeleteObject(document_, edit.index);
        ShiftPartners(document_, edit.index + 1, -1);
        touched();
        return {-1, edit.index};
    }
    return {};
}

std::optional<EditedObject> ObjectEditHistory::undo() {
    commit();
    if (!canUndo())
        return std::nullopt;
    --done_;
    return apply(steps_[static_cast<size_t>(done_)], false);
}

std::optional<EditedObject> ObjectEditHistory::redo() {
    commit();
    if (!canRedo())
        return std::nullopt;
    ++done_;
    return apply(steps_[static_cast<size_t>(done_ - 1)], true);
}

int ObjectEditHistory::nextStepIndex(bool back) const {
    if (back ? !canUndo() : !canRedo())
        return -1;
    return steps_[static_cast<size_t>(back ? done_ - 1 : done_)].index;
}

void ObjectEditHistory::clear() {
    pending_.reset();
    steps_.clear();
    done_ = 0;
}

} // namespace quindor
