// The main window's part in the sliding puzzle: its menu item, the board over the work area,
// its status line and clock, the solved puzzle and the abort.
#include "app/av_main.h"

#include "core/activity_guard.h"
#include "exercise/exercise_run.h"
#include "exercise/ui/puzzle_options_dialog.h"
#include "exercise/ui/puzzle_panel.h"

#include <QElapsedTimer>
#include <QMenuBar>
#include <QVBoxLayout>

namespace quindor {

PuzzleStatusPanel& MainWindow::puzzleStatus() {
    if (!puzzleStatus_) {
        puzzleStatus_ = new PuzzleStatusPanel(statusDock_);
        puzzleStatus_->hide();
        statusSlot_->addWidget(puzzleStatus_);
    }
    return *puzzleStatus_;
}

void MainWindow::setupPuzzle() {
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    puzzleTicks_ = [clock] { return clock->elapsed(); };
    puzzlePanel_ = new PuzzlePanel(app_.state.Random, workArea_);

    // In the exercise menu, after the abort that also ends a puzzle.
    auto* menu = menuBar()->findChild<QMenu*>(QStringLiteral("UebungMenu"));
    QAction* item = new QAction(QStringLiteral("&Schiebepuzzle"), menu);
    item->setObjectName(QStringLiteral("Schiebepuzzle1"));
    const QList<QAction*> items = menu->actions();
    const qsizetype abort = items.indexOf(action(QStringLiteral("UebungAbbrechenItem")));
    menu->insertAction(items.value(abort + 1), item);
    connect(item, &QAction::triggered, this, &MainWindow::SlidingPuzzleCommand);

    connect(puzzlePanel_, &PuzzlePanel::moved, this, &MainWindow::refreshPuzzleStatus);
    connect(puzzlePanel_, &PuzzlePanel::solved, this, &MainWindow::puzzleSolved);
    connect(zeitTimer_, &QTimer::timeout, this, [this] {
        if (app_.state.ViewMode == Mode::Puzzle)
            puzzleStatus().setClock(puzzlePanel_->puzzle().clockText(puzzleTicks_()));
    });
}

void MainWindow::SlidingPuzzleCommand() {
    if (!leavePictureEditing(true))
        return;
    ProgramState& state = app_.state;
    if (state.ViewMode == Mode::Exercise || state.ViewMode == Mode::Puzzle) {
        app_.messages.information(QStringLiteral(
            "Die aktuelle Übung ist noch nicht beendet.\r\nWählen Sie \"Übung abbrechen\", um "
            "die aktuelle Übung vorzeitig abzubrechen."));
        return;
    }
    // The view is rebuilt when the puzzle ends: its drawings are offered to the chronicle first.
    if (!offerScreenToChronicle(false))
        return;
    if (!puzzleOptions_)
        puzzleOptions_ = new TSPuzzleOptForm(this);
    // The button stays pressed while the options are open; a refusal releases it.
    exerciseButton_->setChecked(true);
    const bool confirmed = puzzleAnswer_ ? puzzleAnswer_(*puzzleOptions_)
                                         : puzzleOptions_->exec() == QDialog::Accepted;
    if (!confirmed) {
        UpdateModeControls();
        return;
    }
    state.ViewMode = Mode::Puzzle;
    selectTool(Tool::Pointer);
    for (QWidget* tool : learningTools_)
        tool->hide();
    page_->hide();
    UpdateModeControls();
    // Every game deals a board of its own.
    state.Random.seedFromClock();
    puzzlePanel_->start(puzzleOptions_->tilesPerSide(), puzzleOptions_->neighboursOnly(),
                        app_.view.pageImage(), puzzleTicks_());
    refreshPuzzleStatus();
    zeitTimer_->start();
}

void MainWindow::refreshPuzzleStatus() {
    puzzleStatus().setStatus(puzzlePanel_->puzzle().statusTexts(puzzleTicks_()));
}

void MainWindow::puzzleSolved() {
    puzzlePanel_->showHiddenTile();
    zeitTimer_->stop();
    PlaySound(app_.sound, app_.messages, app_.settings, app_.state, QStringLiteral("richtig1"),
              false);
    app_.messages.information(QStringLiteral("Das Schiebepuzzle ist gelöst!"));
    app_.state.ViewMode = Mode::Learning;
    takeDownPuzzle();
}

bool MainWindow::abortPuzzle() {
    if (!MayLeaveCurrentActivity(app_.state, app_.messages))
        return false;
    app_.state.ViewMode = Mode::Learning;
    takeDownPuzzle();
    return true;
}

void MainWindow::takeDownPuzzle() {
    puzzlePanel_->stop();
    // What the end of a run gives back: the clock stops, the view and its tools return.
    exerciseLeft();
}

} // namespace quindor
