#pragma once

#include "core/program_state.h"
#include "document/layout_dispatch.h"

namespace quindor {

struct Document;

// Geometry of the gap table on a page: the grid's columns between the margins.
struct GapTableGeometry {
    int left = 0;
    int rightEdge = 0;
    int top = 0;
    int bottom = 0;
    int columnGap = 0;
    int columnWidth = 0;

    int columnX(int column) const { return left + column * (columnWidth + columnGap); }
    // Where the grid line between column-1 and column runs.
    int separatorX(int column) const { return columnX(column) - columnGap / 2; }
};

GapTableGeometry ComputeGapTableGeometry(const Document& document, QSize page);
// Height of a picture cell of the given card size on the page.
int GapTablePictureHeight(int fsize, QSize page);

// The layout of the gap table (DokTyp 1, DokUnterTyp 1): the grid of cells over the page, the
// cell texts with their gaps as in the gap text, one picture object per picture cell (kinds
// 31 static, 32 query, 33 link) and the optional grid lines.
void GapTableLayout(Document& document, const LayoutPass& pass, ProgramState& state);

} // namespace quindor
