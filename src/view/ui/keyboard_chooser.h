#pragma once

#include <QAbstractButton>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>
#include <vector>

namespace quindor {

// One place to choose: where it lies on the host widget and what it is called.
struct ChooserItem {
    QRect rect;
    QString name;
};

// Chooses one of several places of a widget from the keyboard: a frame marks the place, the
// arrow keys (and Home, End) move it, Enter or Space takes it, Escape gives up; Tab goes on to
// the next control. It lies over the whole host but lets the mouse through, and it carries the
// name of the place marked, so that a screen reader says it.
class KeyboardChooser : public QAbstractButton {
    Q_OBJECT
public:
    explicit KeyboardChooser(QWidget* host);

    // Shows the places with the frame on place `current` and takes the keyboard focus.
    void choose(std::vector<ChooserItem> items, int current);
    // New places (after one was taken), the frame on the same number as far as there is one.
    void setItems(std::vector<ChooserItem> items);
    const std::vector<ChooserItem>& items() const { return items_; }
    int current() const { return current_; }
    void select(int index);
    // A second, dashed frame around what is being placed (the card picked up); empty: none.
    void setHeld(const QRect& rect);

signals:
    void chosen(int index);
    void cancelled();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::vector<ChooserItem> items_;
    int current_ = -1;
    QRect held_;
};

// A widget property: the widget shows its keyboard focus itself, the focus ring leaves it out.
inline constexpr char kOwnFocusFrame[] = "ownFocusFrame";

// A frame around whatever control inside the host has the keyboard focus, drawn over
// everything, so that the focus is seen on every control, also on those that draw none of
// their own, while the keyboard is in use: from a key press until the next mouse click.
// Choosers and widgets with kOwnFocusFrame draw their own. The mouse goes through it.
class FocusRing : public QWidget {
    Q_OBJECT
public:
    explicit FocusRing(QWidget* host);
    // Frames the widget (inside the host), or hides for none.
    void follow(QWidget* target);
    QWidget* target() const { return target_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();
    void followFocus(QWidget* now);

    QPointer<QWidget> target_;
    bool keyboard_ = false;
};

// Makes the clickable places of a picture widget reachable with Tab: when the widget gets the
// focus from the keyboard, a chooser shows its places; taking one clicks there with the left
// button, exactly as the mouse would. A widget without places passes the focus on.
class PlaceKeyboard : public QObject {
    Q_OBJECT
public:
    // places: the places at this moment, in host coordinates.
    PlaceKeyboard(QWidget* host, std::function<std::vector<ChooserItem>()> places,
                  const QString& hostName);
    KeyboardChooser* chooser() const { return chooser_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void click(int index);

    QWidget* host_;
    std::function<std::vector<ChooserItem>()> places_;
    KeyboardChooser* chooser_;
};

// The colour of every keyboard frame.
QColor KeyboardFocusColour();

// Gives the focus to the next (or, backwards, the previous) control of the window's Tab order
// that lies outside the widget.
void FocusPast(QWidget* widget, bool forward);

// A press and release of the left button at a point of a widget, as the mouse sends them.
void ClickWidget(QWidget* widget, QPoint local);

} // namespace quindor
