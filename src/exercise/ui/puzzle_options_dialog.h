#pragma once

#include "exercise/ui/exercise_dialogs.h"

#include <QDialog>

namespace quindor {

// "Einstellungen zum Schiebepuzzle" (TSPuzzleOptForm): which tiles may be clicked and how many
// there are. The choices last while the program runs; nothing is stored.
class TSPuzzleOptForm : public QDialog {
    Q_OBJECT
public:
    explicit TSPuzzleOptForm(QWidget* parent = nullptr);

    // Only the tiles beside the gap move (otherwise any tile jumps into it).
    bool neighboursOnly() const { return clickable_->value() == 0; }
    void setNeighboursOnly(bool only) { clickable_->setValue(only ? 0 : 1); }
    // Tiles per side, 3 to 6.
    int tilesPerSide() const { return tiles_->value() + 3; }
    void setTilesPerSide(int n) { tiles_->setValue(n - 3); }

private:
    RadioGroup* clickable_;
    RadioGroup* tiles_;
};

} // namespace quindor
