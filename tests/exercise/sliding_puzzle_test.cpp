#include "exercise/sliding_puzzle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace quindor {
namespace {

// The board row by row.
std::vector<int> Tiles(const TSchiebepuzzle& puzzle) {
    std::vector<int> tiles;
    for (int row = 0; row < puzzle.size(); ++row) {
        for (int column = 0; column < puzzle.size(); ++column)
            tiles.push_back(puzzle.tileAt(column, row));
    }
    return tiles;
}

// A board of sliding tiles can be solved exactly when the parity of its permutation (the gap
// counted as the last tile) equals the parity of the gap's distance from the bottom-right place.
bool Solvable(const TSchiebepuzzle& puzzle) {
    const std::vector<int> tiles = Tiles(puzzle);
    int inversions = 0;
    for (size_t i = 0; i < tiles.size(); ++i) {
        for (size_t j = i + 1; j < tiles.size(); ++j)
            inversions += tiles[i] > tiles[j];
    }
    const int n = puzzle.size();
    const QPoint gap = puzzle.gap();
    const int distance = (n - 1 - gap.x()) + (n - 1 - gap.y());
    return inversions % 2 == distance % 2;
}

// 4 x 4, one move from solved: tile 14 stands in the gap's place at the bottom right and the
// gap left of it.
std::vector<int> OneMoveFromSolved() {
    std::vector<int> tiles(16);
    std::iota(tiles.begin(), tiles.end(), 0);
    std::swap(tiles[14], tiles[15]);
    return tiles;
}

TEST(SlidingPuzzle, EveryShuffledBoardIsAPermutationThatCanBeSolved) {
    RandomGenerator random;
    TSchiebepuzzle puzzle(random);
    for (int n = 3; n <= 6; ++n) {
        for (uint32_t seed = 0; seed < 200; ++seed) {
            random.seed(seed * 7919u + static_cast<uint32_t>(n));
            puzzle.Start(n, true, PuzzleBoard{}, 0);
            std::vector<int> tiles = Tiles(puzzle);
            std::sort(tiles.begin(), tiles.end());
            std::vector<int> expected(static_cast<size_t>(n * n));
            std::iota(expected.begin(), expected.end(), 0);
            ASSERT_EQ(tiles, expected) << n << " / " << seed;
            ASSERT_EQ(puzzle.tileAt(puzzle.gap().x(), puzzle.gap().y()), n * n - 1);
            ASSERT_TRUE(Solvable(puzzle)) << n << " / " << seed;
            ASSERT_GE(puzzle.outOfPlace(), 1) << "dealt solved: " << n << " / " << seed;
            ASSERT_EQ(puzzle.inPlace() + puzzle.outOfPlace(), n * n);
            ASSERT_EQ(puzzle.moves(), 0);
        }
    }
}

TEST(SlidingPuzzle, SizeKeptWithinThreeToSix) {
    RandomGenerator random(5);
    TSchiebepuzzle puzzle(random);
    puzzle.Start(2, true, PuzzleBoard{}, 0);
    EXPECT_EQ(puzzle.size(), 3);
    puzzle.Start(9, true, PuzzleBoard{}, 0);
    EXPECT_EQ(puzzle.size(), 6);
    EXPECT_EQ(puzzle.hiddenTile(), 35);
}

TEST(SlidingPuzzle, TheGapCountsAmongThePlacesAndTheLastMoveSolves) {
    RandomGenerator random(1);
    TSchiebepuzzle puzzle(random);
    puzzle.Start(4, true, PuzzleBoard{}, 0);
    puzzle.setBoard(OneMoveFromSolved());
    EXPECT_EQ(puzzle.gap(), QPoint(2, 3));
    EXPECT_EQ(puzzle.inPlace(), 14);
    EXPECT_EQ(puzzle.outOfPlace(), 2);
    EXPECT_FALSE(puzzle.solved());
    const PuzzleStatusTexts texts = puzzle.statusTexts(0);
    EXPECT_EQ(texts.correct, QStringLiteral("14 von  16"));
    EXPECT_EQ(texts.wrong, QStringLiteral("2"));
    EXPECT_EQ(texts.quota, QStringLiteral("87.5 %"));

    EXPECT_TRUE(puzzle.ClickTile(14));
    EXPECT_TRUE(puzzle.solved());
    EXPECT_EQ(puzzle.moves(), 1);
    EXPECT_EQ(puzzle.statusTexts(0).quota, QStringLiteral("100.0 %"));
    EXPECT_EQ(puzzle.statusTexts(0).moves, QStringLiteral("1"));
}

TEST(SlidingPuzzle, OnlyNeighboursMoveUnlessEveryTileMay) {
    RandomGenerator random(1);
    TSchiebepuzzle puzzle(random);
    puzzle.Start(4, true, PuzzleBoard{}, 0);
    puzzle.setBoard(OneMoveFromSolved());
    // Tile 12 stands two places left of the gap, tile 9 diagonally above it.
    EXPECT_FALSE(puzzle.ClickTile(12));
    EXPECT_FALSE(puzzle.ClickTile(9));
    EXPECT_EQ(puzzle.moves(), 0);
    EXPECT_EQ(puzzle.tileAt(0, 3), 12);
    // The hidden tile sits in the gap and never moves.
    EXPECT_FALSE(puzzle.ClickTile(15));

    puzzle.Start(4, false, PuzzleBoard{}, 0);
    puzzle.setBoard(OneMoveFromSolved());
    EXPECT_TRUE(puzzle.ClickTile(12));
    EXPECT_EQ(puzzle.moves(), 1);
    EXPECT_EQ(puzzle.tileAt(2, 3), 12);
    EXPECT_EQ(puzzle.gap(), QPoint(0, 3));
    EXPECT_FALSE(puzzle.ClickTile(15));
}

TEST(SlidingPuzzle, ArrowKeysSlideTheTileBesideTheGap) {
    RandomGenerator random(1);
    TSchiebepuzzle puzzle(random);
    puzzle.Start(4, true, PuzzleBoard{}, 0);
    puzzle.setBoard(OneMoveFromSolved());
    // Gap at (2, 3): the tile right of it slides left, the one above it slides down.
    EXPECT_EQ(puzzle.slide(SlideDirection::Up), -1) << "nothing below the bottom row";
    EXPECT_EQ(puzzle.moves(), 0);
    EXPECT_EQ(puzzle.slide(SlideDirection::Down), 10);
    EXPECT_EQ(puzzle.gap(), QPoint(2, 2));
    EXPECT_EQ(puzzle.slide(SlideDirection::Up), 10);
    EXPECT_EQ(puzzle.slide(SlideDirection::Right), 13);
    EXPECT_EQ(puzzle.slide(SlideDirection::Left), 13);
    EXPECT_EQ(puzzle.slide(SlideDirection::Left), 14);
    EXPECT_TRUE(puzzle.solved());
    EXPECT_EQ(puzzle.moves(), 5);
    EXPECT_EQ(puzzle.slide(SlideDirection::Left), -1) << "nothing right of the right column";
}

TEST(SlidingPuzzle, ClockCountsWholeSecondsFromTheStart) {
    RandomGenerator random(1);
    TSchiebepuzzle puzzle(random);
    puzzle.Start(3, true, PuzzleBoard{}, 10'000);
    EXPECT_EQ(puzzle.clockText(10'999), QStringLiteral("00:00"));
    EXPECT_EQ(puzzle.clockText(71'999), QStringLiteral("01:01"));
    EXPECT_EQ(puzzle.clockText(5'000), QStringLiteral("00:00")) << "a clock running backwards";
    EXPECT_EQ(puzzle.statusTexts(12'000).time, QStringLiteral("00:02"));
}

TEST(SlidingPuzzle, BoardFollowsThePicturesAspectAndIsCentred) {
    // Wider than the panel: the width rules, the board is centred vertically.
    PuzzleBoard wide = PuzzleBoardLayout(QSize(1000, 800), QSize(1600, 600), 4);
    EXPECT_EQ(wide.tileWidth, 245);
    EXPECT_EQ(wide.tileHeight, 91);
    EXPECT_EQ(wide.left, 10);
    EXPECT_EQ(wide.top, 218);
    // Taller: the height rules, centred across.
    PuzzleBoard tall = PuzzleBoardLayout(QSize(1000, 800), QSize(600, 900), 3);
    EXPECT_EQ(tall.tileHeight, 260);
    EXPECT_EQ(tall.tileWidth, 173);
    EXPECT_EQ(tall.left, 240);
    EXPECT_EQ(tall.top, 10);

    RandomGenerator random(1);
    TSchiebepuzzle puzzle(random);
    puzzle.Start(4, true, wide, 0);
    puzzle.setBoard(OneMoveFromSolved());
    EXPECT_EQ(puzzle.tileRect(0), QRect(10, 218, 246, 92));
    EXPECT_EQ(puzzle.tileRect(14), QRect(10 + 3 * 245, 218 + 3 * 91, 246, 92));
    EXPECT_EQ(puzzle.boardRect(), QRect(10, 218, 4 * 245 + 1, 4 * 91 + 1));
    // Another size keeps the tiles where they are.
    puzzle.Relayout(tall);
    EXPECT_EQ(puzzle.tileAt(3, 3), 14);
    EXPECT_EQ(puzzle.tileRect(14), QRect(240 + 3 * 173, 10 + 3 * 260, 174, 261));
}

TEST(SlidingPuzzle, TilesCutOnePixelInsideTheirShare) {
    EXPECT_EQ(PuzzleTileSource(QSize(900, 600), 3, 1, 2), QRect(301, 401, 298, 198));
    // Halves round to the even neighbour: 2.5 to 2, 7.5 to 8.
    EXPECT_EQ(PuzzleTileSource(QSize(10, 10), 4, 1, 0).left(), 3);
    EXPECT_EQ(PuzzleTileSource(QSize(10, 10), 4, 2, 0), QRect(6, 1, 1, 1));
}

} // namespace
} // namespace quindor
