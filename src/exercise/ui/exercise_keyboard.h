#pragma once

#include "exercise/ui/exercise_elements.h"
#include "exercise/ui/uebung_pan.h"
#include "view/page_places.h"
#include "view/ui/keyboard_chooser.h"

#include <QObject>
#include <QPointer>

#include <vector>

namespace quindor {

// A run without the mouse. Tab and Shift+Tab go through the points of the page released for
// exercises and the element panels in the order they are seen, the arrow keys step from panel
// to panel. Enter or Space on a card picks it up and shows where it can go (the open positions
// or the baskets); the arrow keys choose, Enter or Space drops it there, Escape keeps it. Every
// other element (answers, boxes, "OK", pair buttons) is clicked with Enter or Space. Drops and
// clicks travel the mouse's own way, so the checks, sounds and protocol lines are the same.
// Element panels are buttons to screen readers, with their place among the others.
class ExerciseKeyboard : public QObject {
    Q_OBJECT
public:
    ExerciseKeyboard(ExercisePanel& panel, const Document& document, const ProgramState& state,
                     const ViewComposer& view);

    // The places offered for the card picked up (empty while none is), and their chooser.
    const std::vector<PagePlace>& targets() const { return targets_; }
    KeyboardChooser* targetChooser() const { return targetChooser_; }
    KeyboardChooser* pointChooser() const { return pointChooser_; }
    // The element panels in the order they are seen: top to bottom, left to right.
    std::vector<QWidget*> elements() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isCard(const QWidget* element) const;
    void prepare(QWidget* element);
    void describe(QWidget* element);
    bool elementKey(QWidget* element, QKeyEvent* event);
    // Moves the focus one place along the points and the elements, out of the panel past
    // either end; from null it enters at the first or last place.
    void moveFocus(QWidget* from, bool forward);
    void focusFirstElement();
    void showPoints();
    std::vector<ChooserItem> pointItems() const;
    void pickUp(ElementPanel* card);
    void drop(int index);
    void clickPoint(int index);

    ExercisePanel& panel_;
    const Document& document_;
    const ProgramState& state_;
    const ViewComposer& view_;
    KeyboardChooser* targetChooser_;
    KeyboardChooser* pointChooser_;
    // Whether the focus was inside the panel before it moved: Tab from outside enters at the
    // first place, whichever element the window's chain reaches first.
    bool focusInside_ = false;
    QPointer<ElementPanel> picked_;
    std::vector<PagePlace> targets_;
    std::vector<PagePlace> points_;
};

} // namespace quindor
