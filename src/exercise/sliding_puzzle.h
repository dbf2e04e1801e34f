#pragma once

#include "core/random_generator.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace quindor {

// Where the board lies on its panel and how large one tile is, in pixels.
struct PuzzleBoard {
    int left = 0;
    int top = 0;
    int tileWidth = 0;
    int tileHeight = 0;
};

// The board of n x n tiles for a panel and a picture: the tiles keep the picture's aspect
// ratio, the board fills the panel less 20 pixels in the tighter direction and is centred.
PuzzleBoard PuzzleBoardLayout(QSize panel, QSize picture, int n);

// The part of the picture that the tile of a place shows: one pixel inside its share of the
// picture on every side, so the tiles look cut apart.
QRect PuzzleTileSource(QSize picture, int n, int column, int row);

// Which way a tile slides into the gap (the arrow keys): Left moves the tile right of the gap.
enum class SlideDirection { Left, Up, Right, Down };

// The status line of a puzzle: "Richtig:", "Falsch:", "Lösungsquote:", "Züge:" and
// "Benötigte Zeit:".
struct PuzzleStatusTexts {
    QString correct;
    QString wrong;
    QString quota;
    QString moves;
    QString time;
};

// The sliding puzzle: a square board of n x n places (3 to 6) holding the tiles 0 .. n*n-1,
// tile row*n+column belonging at (column, row). The last tile is never shown; its place is the
// gap that the others slide into. Every board it deals comes from legal moves, so every one
// can be solved.
class TSchiebepuzzle {
public:
    static constexpr int kMinSize = 3;
    static constexpr int kMaxSize = 6;

    explicit TSchiebepuzzle(RandomGenerator& random) : random_(random) {}

    // A new game of n x n tiles (kept within 3 to 6), shuffled; the clock counts from
    // startTicks.
    void Start(int n, bool neighboursOnly, const PuzzleBoard& board, int64_t startTicks);
    // Another board size for the same game (the window changed size).
    void Relayout(const PuzzleBoard& board) { board_ = board; }
    // The tile's mouse-down: a tile that may move changes places with the gap and counts one
    // move. Returns whether it moved.
    bool ClickTile(int tile);
    // The tile beside the gap on the far side of `direction` slides in. Returns that tile, -1
    // at the edge of the board.
    int slide(SlideDirection direction);
    // Many random legal moves of the gap from the solved board; never leaves it solved.
    void Shuffle();
    // Counts the places whose tile belongs there.
    void Count();

    bool mayMove(int tile) const;
    bool solved() const { return outOfPlace_ == 0; }
    bool neighboursOnly() const { return neighboursOnly_; }
    int size() const { return n_; }
    int hiddenTile() const { return n_ * n_ - 1; }
    int tileAt(int column, int row) const;
    QPoint placeOf(int tile) const;
    QPoint gap() const { return gap_; }
    int moves() const { return moves_; }
    int inPlace() const { return inPlace_; }
    int outOfPlace() const { return outOfPlace_; }
    const PuzzleBoard& board() const { return board_; }
    // Where the panel of a tile goes: at its place, one pixel larger than the tile so that
    // neighbours share their border.
    QRect tileRect(int tile) const;
    // The board area with its frame.
    QRect boardRect() const;
    // "mm:ss" since the start, at least 00:00.
    QString clockText(int64_t nowTicks) const;
    PuzzleStatusTexts statusTexts(int64_t nowTicks) const;
    // Puts the tiles in the given order (row by row); for tests and benchmarks that need a
    // known board. The gap goes where the hidden tile is.
    void setBoard(const std::vector<int>& tiles);

private:
    void swapWithGap(QPoint place);

    RandomGenerator& random_;
    PuzzleBoard board_;
    int n_ = kMinSize;
    bool neighboursOnly_ = true;
    // grid_[column][row]: the tile at that place.
    std::array<std::array<int, kMaxSize>, kMaxSize> grid_{};
    QPoint gap_;
    int64_t startTicks_ = 0;
    int moves_ = 0;
    int inPlace_ = 0;
    int outOfPlace_ = 0;
};

} // namespace quindor
