#pragma once

#include "core/program_state.h"
#include "document/layout_dispatch.h"

#include <QPoint>
#include <QString>

#include <array>
#include <cstdint>

namespace quindor {

struct Document;
struct HeaderDataTyp;

// The line form (Sline) of the line that joins a pair.
constexpr int kPairLineForm = 5;

// Where the pairs of a cross-matching document lie on a page: the left elements in a column
// just left of the middle of the usable width, the right elements just right of it, one row
// per pair.
struct PairGeometry {
    int rows = 0;
    int left = 0;
    int top = 0;
    int columnWidth = 0;
    // The distance of both element points from the middle.
    int quarter = 0;
    int rowHeight = 0;

    int leftX() const { return left + columnWidth - quarter; }
    int rightX() const { return left + columnWidth + quarter; }
    double rowY(int row) const { return (row + 0.5) * rowHeight + top; }
};

// Every document of this type has two columns, and the layout places two whatever the grid
// says; rows are limited to the grid (16).
PairGeometry ComputePairGeometry(const HeaderDataTyp& header, QSize page);

// The tag both elements of a pair carry, "Paar#" and the pair's number (1 for the first row).
QString PairTag(int pair);

// The corners of the line that joins a pair, in page pixels: from the anchor 50 pixels to the
// right, across to 50 pixels before the card point, and on to the card point.
std::array<QPoint, 4> PairLinePoints(QPoint anchor, QPoint cardPoint);

// The layout of cross-matching documents (DokTyp 5). Regenerating deletes every pair element
// and creates both elements of every row anew in their own row, left before right, each
// naming the other as Partner, the right one joined to its partner by a line; the right-hand
// query elements are numbered 1, 2, ... in row order. Without regenerating it does nothing.
// A run calls it regenerating at its end or abort to put every element back.
void PairLayout(Document& document, const LayoutPass& pass, ProgramState& state);

// Puts every right-hand query element back into its own row (the row of its partner).
void RestoreRightHandOrder(Document& document);

// Mixes the rows of the right-hand query elements numbered 1 to count until none of them
// stands in its own row (once only when fewer than two of them can move). A seed other than 0
// makes the order reproducible; 0 takes one from the clock. The generator is seeded from the
// clock again afterwards. The mixing stops after a bounded number of rounds should the
// numbers be damaged. Returns the rounds it took.
int ShuffleRightHandElements(Document& document, int count, uint32_t seed, RandomGenerator& random);

} // namespace quindor
