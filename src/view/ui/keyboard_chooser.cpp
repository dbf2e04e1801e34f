#include "view/ui/keyboard_chooser.h"

#include "core/colour.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace quindor {

QColor KeyboardFocusColour() {
    return ToQColor(MakeWinColor(0, 90, 255));
}

void ClickWidget(QWidget* widget, QPoint local) {
    const QPointF point(local);
    QMouseEvent press(QEvent::MouseButtonPress, point, widget->mapToGlobal(point), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, point, widget->mapToGlobal(point),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

void FocusPast(QWidget* widget, bool forward) {
    QWidget* w = widget;
    for (int guard = 0; guard < 10'000; ++guard) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == widget)
            return;
        if (widget->isAncestorOf(w) || !(w->focusPolicy() & Qt::TabFocus) || !w->isVisible() ||
            !w->isEnabled())
            continue;
        w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return;
    }
}

namespace {

// A frame of three pixels in the focus colour with a white line inside, seen on any picture.
void DrawFrame(QPainter& painter, const QRect& rect) {
    painter.setPen(QPen(KeyboardFocusColour(), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect).adjusted(1.5, 1.5, -1.5, -1.5));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(rect.adjusted(3, 3, -4, -4));
}

} // namespace

KeyboardChooser::KeyboardChooser(QWidget* host) : QAbstractButton(host) {
    setObjectName(QStringLiteral("TastaturAuswahl"));
    setProperty(kOwnFocusFrame, true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Reached through its host, never by Tab on its own.
    setFocusPolicy(Qt::NoFocus);
    setAccessibleDescription(QStringLiteral("Pfeiltasten wählen, Eingabe- oder Leertaste nimmt "
                                            "die Stelle, Escape bricht ab."));
    hide();
}

void KeyboardChooser::choose(std::vector<ChooserItem> items, int current) {
    items_ = std::move(items);
    setGeometry(parentWidget()->rect());
    show();
    raise();
    select(current);
    setFocus(Qt::TabFocusReason);
}

void KeyboardChooser::setItems(std::vector<ChooserItem> items) {
    items_ = std::move(items);
    select(current_);
}

void KeyboardChooser::select(int index) {
    const int count = static_cast<int>(items_.size());
    current_ = count == 0 ? -1 : std::clamp(index, 0, count - 1);
    setText(current_ < 0 ? QString() : items_[static_cast<size_t>(current_)].name);
    update();
}

void KeyboardChooser::setHeld(const QRect& rect) {
    held_ = rect;
    update();
}

void KeyboardChooser::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!held_.isEmpty()) {
        painter.setPen(QPen(KeyboardFocusColour(), 2, Qt::DashLine));
        painter.drawRect(held_.adjusted(-3, -3, 2, 2));
    }
    if (current_ >= 0)
        DrawFrame(painter, items_[static_cast<size_t>(current_)].rect.adjusted(-5, -5, 5, 5));
}

void KeyboardChooser::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        select(current_ - 1);
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        select(current_ + 1);
        return;
    case Qt::Key_Home:
        select(0);
        return;
    case Qt::Key_End:
        select(static_cast<int>(items_.size()) - 1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (current_ >= 0 && !event->isAutoRepeat())
            emit chosen(current_);
        return;
    case Qt::Key_Escape:
        hide();
        emit cancelled();
        return;
    default:
        event->ignore();
    }
}

void KeyboardChooser::keyReleaseEvent(QKeyEvent* event) {
    event->ignore();
}

void KeyboardChooser::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    // A dialog opened by the place taken comes back to the chooser; anything else ends it.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        hide();
}

FocusRing::FocusRing(QWidget* host) : QWidget(host) {
    setObjectName(QStringLiteral("TastaturRahmen"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { followFocus(now); });
}

void FocusRing::followFocus(QWidget* now) {
    const bool inside = now && now != parentWidget() && parentWidget()->isAncestorOf(now);
    const bool framed = keyboard_ && inside && !now->property(kOwnFocusFrame).toBool();
    follow(framed ? now : nullptr);
}

void FocusRing::follow(QWidget* target) {
    if (target_)
        target_->removeEventFilter(this);
    target_ = target;
    if (!target) {
        hide();
        return;
    }
    target->installEventFilter(this);
    place();
}

void FocusRing::place() {
    if (!target_ || !target_->isVisible()) {
        hide();
        return;
    }
    setGeometry(QRect(target_->mapTo(parentWidget(), QPoint(0, 0)), target_->size())
                    .adjusted(-4, -4, 4, 4));
    show();
    raise();
    update();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    // The frame is the keyboard's: it shows from the first key on and goes with the user's
    // mouse (not with the clicks the keyboard makes itself), so that a control the program or
    // a click gave the focus to is not framed.
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress && !keyboard_) {
        keyboard_ = true;
        followFocus(QApplication::focusWidget());
    } else if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) &&
               keyboard_ && event->spontaneous() && watched->isWidgetType()) {
        keyboard_ = false;
        follow(nullptr);
    }
    if (watched == target_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawFrame(painter, rect());
}

PlaceKeyboard::PlaceKeyboard(QWidget* host, std::function<std::vector<ChooserItem>()> places,
                             const QString& hostName)
    : QObject(host), host_(host), places_(std::move(places)), chooser_(new KeyboardChooser(host)) {
    host->setFocusPolicy(Qt::TabFocus);
    if (host->accessibleName().isEmpty())
        host->setAccessibleName(hostName);
    host->installEventFilter(this);
    chooser_->installEventFilter(this);
    connect(chooser_, &KeyboardChooser::chosen, this, &PlaceKeyboard::click);
    connect(chooser_, &KeyboardChooser::cancelled, host_, [this] { host_->setFocus(); });
}

bool PlaceKeyboard::eventFilter(QObject* watched, QEvent* event) {
    // From the places on to the controls beside the widget, not to the chooser's own neighbours.
    if (watched == chooser_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            FocusPast(host_, key == Qt::Key_Tab);
            return true;
        }
    }
    if (watched == host_ && event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            std::vector<ChooserItem> places = places_();
            const int start =
                reason == Qt::TabFocusReason ? 0 : static_cast<int>(places.size()) - 1;
            // Without places the frame goes round the whole widget and says so.
            if (places.empty())
                places.push_back(
                    {host_->rect().adjusted(5, 5, -5, -5),
                     host_->accessibleName() + QStringLiteral(": nichts zum Anklicken")});
            chooser_->choose(std::move(places), std::max(0, start));
        }
    }
    return QObject::eventFilter(watched, event);
}

void PlaceKeyboard::click(int index) {
    if (places_().empty())
        return;
    const QPoint point = chooser_->items()[static_cast<size_t>(index)].rect.center();
    ClickWidget(host_, point);
    // What the click changed (a field uncovered, another question, another document).
    if (chooser_->isVisible())
        chooser_->setItems(places_());
}

} // namespace quindor
