#include "exercise/ui/exercise_keyboard.h"

#include "exercise/keyboard_targets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

namespace quindor {

namespace {

// Element panels are buttons to screen readers, whatever kind of frame draws them.
QAccessibleInterface* ElementAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("quindor::ElementPanel") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Button);
    return nullptr;
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint local) {
    const QPointF point(local);
    QMouseEvent event(type, point, widget->mapToGlobal(point), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

bool IsElement(const QObject* object) {
    return qobject_cast<const ElementPanel*>(object) || qobject_cast<const QLineEdit*>(object);
}

bool IsActivation(const QKeyEvent* event) {
    return !event->isAutoRepeat() &&
           (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
            event->key() == Qt::Key_Enter);
}

} // namespace

ExerciseKeyboard::ExerciseKeyboard(ExercisePanel& panel, const Document& document,
                                   const ProgramState& state, const ViewComposer& view)
    : QObject(&panel), panel_(panel), document_(document), state_(state), view_(view),
      targetChooser_(new KeyboardChooser(&panel)), pointChooser_(new KeyboardChooser(&panel)) {
    static const bool installed = [] {
        QAccessible::installFactory(ElementAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    targetChooser_->setObjectName(QStringLiteral("ZielAuswahl"));
    pointChooser_->setObjectName(QStringLiteral("PunktAuswahl"));
    panel.setFocusPolicy(Qt::TabFocus);
    if (panel.accessibleName().isEmpty())
        panel.setAccessibleName(QStringLiteral("Übung"));
    panel.installEventFilter(this);
    targetChooser_->installEventFilter(this);
    pointChooser_->installEventFilter(this);
    connect(targetChooser_, &KeyboardChooser::chosen, this, &ExerciseKeyboard::drop);
    connect(targetChooser_, &KeyboardChooser::cancelled, this, [this] {
        targets_.clear();
        targetChooser_->setHeld(QRect());
        if (picked_)
            picked_->setFocus(Qt::OtherFocusReason);
    });
    connect(pointChooser_, &KeyboardChooser::chosen, this, &ExerciseKeyboard::clickPoint);
    connect(pointChooser_, &KeyboardChooser::cancelled, this,
            [this] { moveFocus(pointChooser_, true); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        const bool wasInside = focusInside_;
        focusInside_ = now && (now == &panel_ || panel_.isAncestorOf(now));
        // An element answered from the keyboard may go with its query (the answers of a
        // question, a pair's buttons): the focus stays in the run, on the first element shown
        // next, instead of going on to whatever follows in the window.
        if (wasInside && !focusInside_ && old && old->parentWidget() == &panel_ &&
            !old->isVisible())
            QMetaObject::invokeMethod(this, &ExerciseKeyboard::focusFirstElement,
                                      Qt::QueuedConnection);
        if (now && now->parentWidget() == &panel_ && IsElement(now))
            describe(now);
    });
}

bool ExerciseKeyboard::isCard(const QWidget* element) const {
    return document_.Header.Type().cardColumn && element != panel_.okPanel() &&
           qobject_cast<const ElementPanel*>(element);
}

std::vector<QWidget*> ExerciseKeyboard::elements() const {
    std::vector<QWidget*> found;
    for (QWidget* child : panel_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (IsElement(child) && child->isVisibleTo(&panel_))
            found.push_back(child);
    }
    std::stable_sort(found.begin(), found.end(), [](const QWidget* a, const QWidget* b) {
        return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
    });
    return found;
}

void ExerciseKeyboard::prepare(QWidget* element) {
    // Reached with the keyboard only: a click with the mouse leaves no frame behind.
    if (qobject_cast<ElementPanel*>(element))
        element->setFocusPolicy(Qt::TabFocus);
    element->installEventFilter(this);
}

void ExerciseKeyboard::describe(QWidget* element) {
    const std::vector<QWidget*> all = elements();
    const auto at = std::find(all.begin(), all.end(), element);
    const QString place = QStringLiteral("%1 von %2")
                              .arg(at - all.begin() + 1)
                              .arg(static_cast<qsizetype>(all.size()));
    if (qobject_cast<QLineEdit*>(element))
        element->setAccessibleDescription(QStringLiteral("Eingabefeld ") + place);
    else if (isCard(element))
        element->setAccessibleDescription(
            QStringLiteral("Kärtchen ") + place +
            QStringLiteral(". Eingabe- oder Leertaste nimmt es auf, dann wählen die Pfeiltasten "
                           "den Platz."));
    else
        element->setAccessibleDescription(place +
                                          QStringLiteral(". Eingabe- oder Leertaste klickt."));
}

bool ExerciseKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched != &panel_ && !focusInside_) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            // After this focus change is through.
            QMetaObject::invokeMethod(
                this, [this, reason] { moveFocus(nullptr, reason == Qt::TabFocusReason); },
                Qt::QueuedConnection);
            return QObject::eventFilter(watched, event);
        }
    }
    if (watched == &panel_) {
        if (event->type() == QEvent::ChildPolished) {
            QObject* child = static_cast<QChildEvent*>(event)->child();
            if (IsElement(child))
                prepare(static_cast<QWidget*>(child));
        } else if (event->type() == QEvent::FocusIn) {
            // The panel itself is only a way in: on to its first or last place.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
                QMetaObject::invokeMethod(
                    this, [this, reason] { moveFocus(nullptr, reason == Qt::TabFocusReason); },
                    Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    auto* widget = static_cast<QWidget*>(watched);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        if (widget == targetChooser_)
            return true;
        moveFocus(widget, key->key() == Qt::Key_Tab);
        return true;
    }
    if (IsElement(widget))
        return elementKey(widget, key);
    return QObject::eventFilter(watched, event);
}

bool ExerciseKeyboard::elementKey(QWidget* element, QKeyEvent* event) {
    auto* card = qobject_cast<ElementPanel*>(element);
    // Input fields keep their keys for editing.
    if (!card)
        return false;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
    case Qt::Key_Down:
    case Qt::Key_Right: {
        const bool forward = event->key() == Qt::Key_Down || event->key() == Qt::Key_Right;
        const std::vector<QWidget*> all = elements();
        const auto at = std::find(all.begin(), all.end(), element);
        if (at == all.end())
            return true;
        const auto next = forward ? at + 1 : at;
        if (forward ? next != all.end() : at != all.begin())
            (forward ? *next : *(at - 1))->setFocus(Qt::TabFocusReason);
        return true;
    }
    default:
        break;
    }
    if (!IsActivation(event))
        return false;
    if (isCard(card))
        pickUp(card);
    else
        ClickWidget(card, card->rect().center());
    return true;
}

void ExerciseKeyboard::focusFirstElement() {
    if (!panel_.isVisible() || state_.ViewMode != Mode::Exercise)
        return;
    const std::vector<QWidget*> shown = elements();
    if (!shown.empty())
        shown.front()->setFocus(Qt::TabFocusReason);
}

void ExerciseKeyboard::moveFocus(QWidget* from, bool forward) {
    points_ = PagePlaces(view_, document_, state_.CurrentQuestion, true);
    std::vector<QWidget*> order;
    if (!points_.empty())
        order.push_back(pointChooser_);
    for (QWidget* element : elements())
        order.push_back(element);
    const auto at = std::find(order.begin(), order.end(), from);
    const int count = static_cast<int>(order.size());
    const int index = at == order.end() ? (forward ? 0 : count - 1)
                                        : static_cast<int>(at - order.begin()) + (forward ? 1 : -1);
    if (index < 0 || index >= count) {
        FocusPast(&panel_, forward);
        return;
    }
    QWidget* next = order[static_cast<size_t>(index)];
    if (next == pointChooser_)
        showPoints();
    else
        next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

std::vector<ChooserItem> ExerciseKeyboard::pointItems() const {
    std::vector<ChooserItem> items;
    for (const PagePlace& place : points_)
        items.push_back({QRect(panel_.pageToPanel(place.area.Left, place.area.Top),
                               panel_.pageToPanel(place.area.Right, place.area.Bottom)),
                         place.name});
    return items;
}

void ExerciseKeyboard::showPoints() {
    points_ = PagePlaces(view_, document_, state_.CurrentQuestion, true);
    pointChooser_->choose(pointItems(), 0);
}

void ExerciseKeyboard::clickPoint(int index) {
    const std::vector<ChooserItem> items = pointItems();
    if (index >= 0 && index < static_cast<int>(items.size()))
        ClickWidget(&panel_, items[static_cast<size_t>(index)].rect.center());
}

void ExerciseKeyboard::pickUp(ElementPanel* card) {
    targets_ = CardTargets(document_, state_.CurrentQuestion, view_.askedTarget());
    if (targets_.empty())
        return;
    picked_ = card;
    targetChooser_->setHeld(card->geometry());
    std::vector<ChooserItem> items;
    for (const PagePlace& place : targets_)
        items.push_back({QRect(panel_.pageToPanel(place.area.Left, place.area.Top),
                               panel_.pageToPanel(place.area.Right, place.area.Bottom)),
                         place.name});
    targetChooser_->choose(std::move(items), 0);
}

void ExerciseKeyboard::drop(int index) {
    QPointer<ElementPanel> card = picked_;
    if (!card || index < 0 || index >= static_cast<int>(targets_.size()))
        return;
    const QRect area = targetChooser_->items()[static_cast<size_t>(index)].rect;
    const bool basket = targets_[static_cast<size_t>(index)].basket > 0;
    targets_.clear();
    picked_ = nullptr;
    targetChooser_->setHeld(QRect());
    // Dragged as the mouse drags it: a card is judged by the middle of its left edge, a card
    // for a basket by its centre.
    const QPoint grip(card->width() / 2, card->height() / 2);
    const QPoint topLeft =
        basket ? area.center() - grip : QPoint(area.center().x(), area.center().y() - grip.y());
    card->setFocus(Qt::OtherFocusReason);
    SendMouse(card, QEvent::MouseButtonPress, grip);
    SendMouse(card, QEvent::MouseMove, topLeft + grip - card->pos());
    SendMouse(card, QEvent::MouseButtonRelease, grip);
    // A card that was taken is gone: the focus goes to the card now on top.
    if (card && card->isVisible()) {
        card->setFocus(Qt::OtherFocusReason);
        return;
    }
    const std::vector<QWidget*> left = elements();
    if (!left.empty())
        left.front()->setFocus(Qt::TabFocusReason);
}

} // namespace quindor
