#include "editor/picture_editing.h"

#include "core/rounding.h"
#include "document/numbering.h"
#include "editor/free_objects.h"
#include "view/object_renderer.h"

#include <algorithm>

namespace quindor {

namespace {

// How far the mouse goes before a press becomes a drag, and how near the anchor handle a press
// takes it, in display pixels.
constexpr int kDragStart = 3;
constexpr int kHandleReach = 7;
constexpr int kLargeStep = 10;

QPointF Clamped(QPointF p) {
    return {std::clamp(p.x(), 0.0, 1.0), std::clamp(p.y(), 0.0, 1.0)};
}

// Where an object that was at `former` stands after a step that added or removed `step`.
int IndexAfter(int former, const EditedObject& step) {
    if (step.formerIndex < 0 && step.index >= 0)
        return former >= step.index ? former + 1 : former;
    if (step.index < 0 && step.formerIndex >= 0)
        return former > step.formerIndex ? former - 1 : (former == step.formerIndex ? -1 : former);
    return former;
}

} // namespace

PictureEditing::PictureEditing(Document& document, ViewComposer& view, ProgramState& state)
    : document_(document), view_(view), state_(state), history_(document) {}

bool PictureEditing::isEditable(int index) const {
    return index >= 0 && index < document_.ObjectCount() &&
           IsFreeKind(document_.Objects[static_cast<size_t>(index)].Typ);
}

const ObjDataTyp* PictureEditing::selectedObject() const {
    return isEditable(selected_) ? &document_.Objects[static_cast<size_t>(selected_)] : nullptr;
}

void PictureEditing::notifySelection() {
    if (selectionChanged)
        selectionChanged();
}

void PictureEditing::select(int index) {
    const int chosen = isEditable(index) ? index : -1;
    if (chosen == selected_)
        return;
    history_.commit();
    selected_ = chosen;
    notifySelection();
}

void PictureEditing::setAdding(std::optional<ObjectKind> kind) {
    adding_ = kind;
    grip_ = EditGrip::None;
}

QPointF PictureEditing::pageAt(QPoint display) const {
    return view_.geometry().ScreenToPage(display.x(), display.y());
}

int PictureEditing::objectAt(QPoint display) const {
    const QPointF point = pageAt(display);
    const RenderContext context = view_.renderContext();
    const std::vector<int> order = DrawingOrder(document_);
    // The covered fields lie above all others, as they are drawn.
    for (int pass = 0; pass < 2; ++pass) {
        for (auto it = order.rbegin(); it != order.rend(); ++it) {
            const ObjDataTyp& o = document_.Objects[static_cast<size_t>(*it)];
            if (IsCoveredQueryField(o) != (pass == 0) || !IsFreeKind(o.Typ) ||
                !context.layerVisible(o.Ebene))
                continue;
            if (o.CardRect.contains(point))
                return *it;
        }
    }
    return -1;
}

QRect PictureEditing::cardOnDisplay(int index) const {
    if (index < 0 || index >= document_.ObjectCount())
        return QRect();
    const FracRect& r = document_.Objects[static_cast<size_t>(index)].CardRect;
    if (r.Left < 0.0)
        return QRect();
    const ViewGeometry& g = view_.geometry();
    return QRect(g.PageToDisplay(r.Left, r.Top), g.PageToDisplay(r.Right, r.Bottom) - QPoint(1, 1));
}

QPoint PictureEditing::anchorOnDisplay(int index) const {
    const ObjDataTyp& o = document_.Object(index);
    return view_.geometry().PageToDisplay(o.Sx, o.Sy);
}

bool PictureEditing::hasAnchorHandle(int index) const {
    return isEditable(index) && !IsPointKind(document_.Object(index).Typ);
}

bool PictureEditing::onAnchorHandle(QPoint display) const {
    return hasAnchorHandle(selected_) &&
           (anchorOnDisplay(selected_) - display).manhattanLength() <= kHandleReach;
}

EditGrip PictureEditing::press(QPoint display) {
    pressDisplay_ = display;
    pressPage_ = pageAt(display);
    dragging_ = false;
    if (adding_) {
        // What is being made is not the object selected before.
        select(-1);
        return grip_ = EditGrip::Placing;
    }
    if (onAnchorHandle(display)) {
        pressed_ = document_.Object(selected_);
        return grip_ = EditGrip::Anchor;
    }
    select(objectAt(display));
    if (selected_ < 0)
        return grip_ = EditGrip::None;
    pressed_ = document_.Object(selected_);
    return grip_ = EditGrip::Card;
}

void PictureEditing::drag(QPoint display) {
    if (grip_ != EditGrip::Card && grip_ != EditGrip::Anchor)
        return;
    if (!dragging_ && (display - pressDisplay_).manhattanLength() < kDragStart)
        return;
    dragging_ = true;
    const QPointF page = pageAt(display);
    ObjDataTyp after = pressed_;
    if (grip_ == EditGrip::Anchor) {
        after.Sx = page.x();
        after.Sy = page.y();
    } else {
        const QPointF delta = page - pressPage_;
        const QPointF card = Clamped(QPointF(pressed_.Kx, pressed_.Ky) + delta);
        after.Kx = card.x();
        after.Ky = card.y();
        // Without a line the spot goes with the card, which keeps the side it stands on.
        if (pressed_.Sline == 0 || IsPointKind(pressed_.Typ)) {
            const QPointF spot = Clamped(QPointF(pressed_.Sx, pressed_.Sy) + delta);
            after.Sx = spot.x();
            after.Sy = spot.y();
        }
    }
    // The automatic side is worked out again for where the card is now.
    if (after.KAusr == 0)
        after.KAusrAkt = 0;
    preview(after);
}

std::optional<Placement> PictureEditing::release(QPoint display) {
    const EditGrip grip = grip_;
    grip_ = EditGrip::None;
    if (grip == EditGrip::Card || grip == EditGrip::Anchor) {
        history_.commit();
        return std::nullopt;
    }
    if (grip != EditGrip::Placing || !adding_)
        return std::nullopt;
    // One object per press of the tool: the next press selects again.
    const ObjectKind kind = *adding_;
    adding_.reset();
    const QPointF spot = pressPage_;
    const bool drawn = (display - pressDisplay_).manhattanLength() >= kDragStart;
    return Placement{kind, spot, drawn ? pageAt(display) : DefaultCardPoint(kind, spot)};
}

void PictureEditing::moveSelected(QPointF delta, bool anchor, bool asStep) {
    const ObjDataTyp* o = selectedObject();
    if (!o)
        return;
    ObjDataTyp after = *o;
    const bool together = !anchor && (o->Sline == 0 || IsPointKind(o->Typ));
    if (!anchor || together) {
        const QPointF card = Clamped(QPointF(o->Kx, o->Ky) + delta);
        after.Kx = card.x();
        after.Ky = card.y();
    }
    if (anchor || together) {
        const QPointF spot = Clamped(QPointF(o->Sx, o->Sy) + delta);
        after.Sx = spot.x();
        after.Sy = spot.y();
    }
    if (after.KAusr == 0)
        after.KAusrAkt = 0;
    if (asStep)
        change(after);
    else
        preview(after);
}

EditKey PictureEditing::key(int key, Qt::KeyboardModifiers modifiers) {
    EditKey result;
    result.handled = true;
    const QSize page = view_.pageImage().size();
    const int step = (modifiers & Qt::ShiftModifier) ? kLargeStep : 1;
    const bool anchor = modifiers & Qt::ControlModifier;
    const double dx = page.width() > 0 ? static_cast<double>(step) / page.width() : 0.0;
    const double dy = page.height() > 0 ? static_cast<double>(step) / page.height() : 0.0;
    switch (key) {
    case Qt::Key_Left:
        moveSelected({-dx, 0.0}, anchor, true);
        break;
    case Qt::Key_Right:
        moveSelected({dx, 0.0}, anchor, true);
        break;
    case Qt::Key_Up:
        moveSelected({0.0, -dy}, anchor, true);
        break;
    case Qt::Key_Down:
        moveSelected({0.0, dy}, anchor, true);
        break;
    case Qt::Key_Delete:
        removeSelected();
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        const int count = document_.ObjectCount();
        const int way = (key == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier)) ? -1 : 1;
        int next = selected_;
        for (int n = 0; n < count; ++n) {
            next = ((next < 0 && way < 0 ? count : next) + way + count) % count;
            if (isEditable(next)) {
                select(next);
                break;
            }
        }
        break;
    }
    case Qt::Key_Escape:
        if (adding_)
            setAdding(std::nullopt);
        else if (selected_ >= 0)
            select(-1);
        else
            result.handled = false;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (adding_) {
            const FracRect& v = view_.geometry().ViewRect;
            const QPointF spot((v.Left + v.Right) / 2, (v.Top + v.Bottom) / 2);
            result.place = Placement{*adding_, spot, DefaultCardPoint(*adding_, spot)};
            adding_.reset();
        } else {
            result.editText = selected_ >= 0;
            result.handled = result.editText;
        }
        break;
    default:
        result.handled = false;
    }
    return result;
}

PictureEditing::Renumber PictureEditing::renumberingFor(const ObjDataTyp& before,
                                                        const ObjDataTyp& after) const {
    if (TakesPartInNumbering(before.Typ) != TakesPartInNumbering(after.Typ))
        return Renumber::Yes;
    if (!TakesPartInNumbering(after.Typ) || state_.NumberingMode != Numbering::Ordered)
        return Renumber::No;
    const bool alphabetical = document_.Header.GeordnetArt == 1;
    const bool moved = before.Kx != after.Kx || before.Ky != after.Ky;
    return (alphabetical ? before.Cap != after.Cap : moved) ? Renumber::Yes : Renumber::No;
}

void PictureEditing::show(QRegion before, const std::vector<int>& placed, Renumber renumber,
                          const std::optional<EditedObject>& moved) {
    if (renumber == Renumber::Yes) {
        std::vector<std::pair<int, int>> numbers;
        for (int i = 0; i < document_.ObjectCount(); ++i)
            numbers.emplace_back(i, document_.Objects[static_cast<size_t>(i)].Nummer);
        // The numbers were those of the list before the step.
        if (moved) {
            for (auto& [index, number] : numbers)
                index = IndexAfter(index, *moved);
        }
        SetNumberingMode(document_, state_, state_.NumberingMode);
        // A number shows on a covered field only.
        for (const auto& [index, number] : numbers) {
            if (index < 0 || index >= document_.ObjectCount())
                continue;
            const ObjDataTyp& o = document_.Objects[static_cast<size_t>(index)];
            if (o.Nummer != number && o.State == ObjectState::Covered)
                before += view_.objectArea(index);
        }
    }
    const QRect display = view_.redrawArea(before, placed);
    if (redrawn)
        redrawn(display);
}

int PictureEditing::add(const ObjDataTyp& object) {
    const int count = document_.ObjectCount();
    const int index = history_.insert(count, object);
    selected_ = index;
    show(QRegion(), {index}, TakesPartInNumbering(object.Typ) ? Renumber::Yes : Renumber::No,
         EditedObject{index, -1});
    notifySelection();
    return index;
}

void PictureEditing::change(const ObjDataTyp& after) {
    preview(after);
    history_.commit();
}

void PictureEditing::preview(const ObjDataTyp& after) {
    if (!isEditable(selected_))
        return;
    const ObjDataTyp before = document_.Object(selected_);
    const QRegion area(view_.objectArea(selected_));
    if (!history_.preview(selected_, after))
        return;
    // What the teacher changed the content of is shown, not covered.
    ObjDataTyp& now = document_.Object(selected_);
    if (before.Cap != after.Cap || before.Picture.Image != after.Picture.Image ||
        before.Typ != after.Typ)
        now.State = ObjectState::Shown;
    show(area, {selected_}, renumberingFor(before, after));
    notifySelection();
}

void PictureEditing::commit() {
    history_.commit();
}

void PictureEditing::removeSelected() {
    if (!isEditable(selected_))
        return;
    const int index = selected_;
    const ObjDataTyp gone = document_.Object(index);
    const QRegion area(view_.objectArea(index));
    history_.remove(index);
    selected_ = -1;
    show(area, {}, TakesPartInNumbering(gone.Typ) ? Renumber::Yes : Renumber::No,
         EditedObject{-1, index});
    notifySelection();
}

void PictureEditing::showStep(const std::optional<EditedObject>& step, const QRegion& before) {
    if (!step)
        return;
    selected_ = isEditable(step->index) ? step->index : -1;
    std::vector<int> placed;
    if (step->index >= 0)
        placed.push_back(step->index);
    // Any step may have changed what the numbering goes by.
    show(before, placed, Renumber::Yes, step->index != step->formerIndex ? step : std::nullopt);
    notifySelection();
}

bool PictureEditing::takeStep(bool back) {
    history_.commit();
    const QRegion before(view_.objectArea(history_.nextStepIndex(back)));
    const std::optional<EditedObject> step = back ? history_.undo() : history_.redo();
    showStep(step, before);
    return step.has_value();
}

bool PictureEditing::undo() {
    return takeStep(true);
}

bool PictureEditing::redo() {
    return takeStep(false);
}

} // namespace quindor
