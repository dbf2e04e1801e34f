#include "exercise/sliding_puzzle.h"

#include "core/rounding.h"
#include "exercise/exercise_texts.h"

#include <algorithm>
#include <cstdlib>

namespace quindor {

PuzzleBoard PuzzleBoardLayout(QSize panel, QSize picture, int n) {
    const int64_t w = panel.width();
    const int64_t h = panel.height();
    const int64_t pw = std::max(1, picture.width());
    const int64_t ph = std::max(1, picture.height());
    n = std::max(1, n);
    PuzzleBoard board;
    // pw / ph > w / h, without the rounding of a division.
    if (pw * h > w * ph) {
        board.tileWidth = static_cast<int>((w - 20) / n);
        board.tileHeight = static_cast<int>(board.tileWidth * ph / pw);
    } else {
        board.tileHeight = static_cast<int>((h - 20) / n);
        board.tileWidth = static_cast<int>(pw * board.tileHeight / ph);
    }
    // A panel too small for the board still gets tiles that can show a pixel of picture.
    board.tileWidth = std::max(4, board.tileWidth);
    board.tileHeight = std::max(4, board.tileHeight);
    board.left = static_cast<int>((w - n * board.tileWidth) / 2);
    board.top = static_cast<int>((h - n * board.tileHeight) / 2);
    return board;
}

QRect PuzzleTileSource(QSize picture, int n, int column, int row) {
    const double pw = picture.width();
    const double ph = picture.height();
    const int left = RoundHalfEven(column * pw / n) + 1;
    const int right = RoundHalfEven((column + 1) * pw / n) - 1;
    const int top = RoundHalfEven(row * ph / n) + 1;
    const int bottom = RoundHalfEven((row + 1) * ph / n) - 1;
    return QRect(left, top, std::max(1, right - left), std::max(1, bottom - top));
}

void TSchiebepuzzle::Start(int n, bool neighboursOnly, const PuzzleBoard& board,
                           int64_t startTicks) {
    n_ = std::clamp(n, kMinSize, kMaxSize);
    neighboursOnly_ = neighboursOnly;
    board_ = board;
    startTicks_ = startTicks;
    for (int column = 0; column < n_; ++column) {
        for (int row = 0; row < n_; ++row)
            grid_[column][row] = row * n_ + column;
    }
    gap_ = QPoint(n_ - 1, n_ - 1);
    Shuffle();
    moves_ = 0;
    Count();
}

void TSchiebepuzzle::Shuffle() {
    // The gap walks from place to place; the tiles it passes follow it.
    static constexpr QPoint kSteps[4] = {{1, 0}, {0, -1}, {-1, 0}, {0, 1}};
    do {
        const int moves = 4 * n_ * n_ * (n_ + n_);
        for (int made = 0; made < moves;) {
            const QPoint next = gap_ + kSteps[random_.random(4)];
            if (next.x() < 0 || next.x() >= n_ || next.y() < 0 || next.y() >= n_)
                continue;
            swapWithGap(next);
            ++made;
        }
        Count();
    } while (outOfPlace_ == 0);
}

void TSchiebepuzzle::swapWithGap(QPoint place) {
    grid_[gap_.x()][gap_.y()] = grid_[place.x()][place.y()];
    grid_[place.x()][place.y()] = hiddenTile();
    gap_ = place;
}

void TSchiebepuzzle::Count() {
    inPlace_ = 0;
    for (int column = 0; column < n_; ++column) {
        for (int row = 0; row < n_; ++row)
            inPlace_ += grid_[column][row] == row * n_ + column;
    }
    outOfPlace_ = n_ * n_ - inPlace_;
}

int TSchiebepuzzle::tileAt(int column, int row) const {
    if (column < 0 || column >= n_ || row < 0 || row >= n_)
        return -1;
    return grid_[column][row];
}

QPoint TSchiebepuzzle::placeOf(int tile) const {
    for (int column = 0; column < n_; ++column) {
        for (int row = 0; row < n_; ++row) {
            if (grid_[column][row] == tile)
                return {column, row};
        }
    }
    return {-1, -1};
}

bool TSchiebepuzzle::mayMove(int tile) const {
    const QPoint place = placeOf(tile);
    if (place.x() < 0 || place == gap_)
        return false;
    if (!neighboursOnly_)
        return true;
    return std::abs(place.x() - gap_.x()) + std::abs(place.y() - gap_.y()) == 1;
}

bool TSchiebepuzzle::ClickTile(int tile) {
    if (!mayMove(tile))
        return false;
    swapWithGap(placeOf(tile));
    ++moves_;
    Count();
    return true;
}

int TSchiebepuzzle::slide(SlideDirection direction) {
    QPoint from = gap_;
    switch (direction) {
    case SlideDirection::Left:
        from.rx() += 1;
        break;
    case SlideDirection::Right:
        from.rx() -= 1;
        break;
    case SlideDirection::Up:
        from.ry() += 1;
        break;
    case SlideDirection::Down:
        from.ry() -= 1;
        break;
    }
    const int tile = tileAt(from.x(), from.y());
    return tile >= 0 && ClickTile(tile) ? tile : -1;
}

QRect TSchiebepuzzle::tileRect(int tile) const {
    const QPoint place = placeOf(tile);
    return QRect(board_.left + place.x() * board_.tileWidth,
                 board_.top + place.y() * board_.tileHeight, board_.tileWidth + 1,
                 board_.tileHeight + 1);
}

QRect TSchiebepuzzle::boardRect() const {
    return QRect(board_.left, board_.top, n_ * board_.tileWidth + 1, n_ * board_.tileHeight + 1);
}

QString TSchiebepuzzle::clockText(int64_t nowTicks) const {
    return ClockText(static_cast<int>(std::max<int64_t>(0, nowTicks - startTicks_) / 1000));
}

PuzzleStatusTexts TSchiebepuzzle::statusTexts(int64_t nowTicks) const {
    const int places = n_ * n_;
    return {QString::number(inPlace_) + QStringLiteral(" von  ") + QString::number(places),
            QString::number(outOfPlace_),
            QString::number(100.0 * inPlace_ / places, 'f', 1) + QStringLiteral(" %"),
            QString::number(moves_), clockText(nowTicks)};
}

void TSchiebepuzzle::setBoard(const std::vector<int>& tiles) {
    for (int column = 0; column < n_; ++column) {
        for (int row = 0; row < n_; ++row) {
            const size_t i = static_cast<size_t>(row * n_ + column);
            grid_[column][row] = i < tiles.size() ? tiles[i] : static_cast<int>(i);
            if (grid_[column][row] == hiddenTile())
                gap_ = QPoint(column, row);
        }
    }
    Count();
}

} // namespace quindor
