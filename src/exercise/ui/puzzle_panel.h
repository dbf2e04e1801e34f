#pragma once

#include "exercise/sliding_puzzle.h"

#include <QAbstractButton>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QWidget>

#include <vector>

namespace quindor {

// One tile of the sliding puzzle ("SPuzzlePan" + its number): its part of the page, stretched
// one pixel inside a black border and a raised edge. A press of the left mouse button, Space
// or Enter reports it at once; the arrow keys go on to the board.
class PuzzleTile : public QAbstractButton {
    Q_OBJECT
public:
    PuzzleTile(int tile, QWidget* parent);

    int tile() const { return tile_; }
    // The board's picture (shared, not copied) and the part of it that the tile shows.
    void setPart(const QImage& board, const QRect& part);

signals:
    void tilePressed(int tile);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    int tile_;
    QImage board_;
    QRect part_;
};

// The board of the sliding puzzle, laid over the work area where the exercise panel lies
// during a run, and of the same size: the tiles on a grey board on a light ground. It keeps
// the game (TSchiebepuzzle) and shows it; the window starts and ends it.
class PuzzlePanel : public QWidget {
    Q_OBJECT
public:
    // The panel follows the size of its parent, 9 pixels from the left, 8 from the top, 17
    // narrower and 16 lower.
    PuzzlePanel(RandomGenerator& random, QWidget* parent);

    const TSchiebepuzzle& puzzle() const { return puzzle_; }
    // A new game on the picture (copied), shown, with the keyboard focus.
    void start(int tilesPerSide, bool neighboursOnly, const QImage& picture, int64_t startTicks);
    // Lays the board out for the panel's size again, the tiles at their new size; the game
    // stays.
    void relayout();
    // Shows the tile that was missing (the puzzle is solved).
    void showHiddenTile();
    // Removes the tiles and hides the panel.
    void stop();
    bool running() const { return !tiles_.empty(); }
    PuzzleTile* tile(int number) const;
    // Moves a tile as its press does.
    void ClickTile(int tile);

signals:
    // A tile moved: the status line is due.
    void moved();
    // The last move put every tile in place.
    void solved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followParent();
    // Every tile to its place, with the cursor and the name that say whether it may move.
    void Place();
    void afterMove(int tile);
    // The picture stretched once to the board, each tile given its part of it.
    void cutTiles();

    TSchiebepuzzle puzzle_;
    QImage picture_;
    QImage board_;
    std::vector<PuzzleTile*> tiles_;
};

// The status line of the puzzle ("SPuzzleStatusPan") beside the work area: tiles in and out
// of place, the quota, the moves and the clock.
class PuzzleStatusPanel : public QFrame {
    Q_OBJECT
public:
    explicit PuzzleStatusPanel(QWidget* parent = nullptr);

    void setStatus(const PuzzleStatusTexts& texts);
    // Only a changed text is painted again.
    void setClock(const QString& text);
    QLabel* value(const QString& name) const { return findChild<QLabel*>(name); }

private:
    QLabel* correct_;
    QLabel* wrong_;
    QLabel* quota_;
    QLabel* moves_;
    QLabel* clock_;
};

} // namespace quindor
