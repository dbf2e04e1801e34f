// The main window without the mouse: the clickable places of the learning view and the
// elements of a run, reached with Tab and chosen with the arrow keys.
#include "app/av_main.h"

#include "exercise/ui/exercise_keyboard.h"
#include "view/page_places.h"
#include "view/ui/keyboard_chooser.h"

namespace quindor {

void MainWindow::setupKeyboard() {
    // The focus is seen on every control of the window.
    new FocusRing(centralWidget());
    exerciseKeyboard_ =
        new ExerciseKeyboard(*exercisePanel_, app_.session.document(), app_.state, app_.view);
    pageKeyboard_ = new PlaceKeyboard(
        page_,
        [this] {
            std::vector<ChooserItem> items;
            const ViewGeometry& g = app_.view.geometry();
            const QPoint origin = page_->pageRect().topLeft();
            for (const PagePlace& place : PagePlaces(app_.view, app_.session.document(),
                                                     app_.state.CurrentQuestion, false)) {
                const QRect rect(g.PageToDisplay(place.area.Left, place.area.Top) + origin,
                                 g.PageToDisplay(place.area.Right, place.area.Bottom) + origin);
                // Only what the view shows can be clicked.
                if (page_->rect().intersects(rect))
                    items.push_back({rect, place.name});
            }
            return items;
        },
        QStringLiteral("Dokumentseite"));
}

} // namespace quindor
