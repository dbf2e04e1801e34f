#pragma once

#include "core/program_state.h"
#include "document/layout_dispatch.h"

#include <QPainter>
#include <QPointF>
#include <QString>

namespace quindor {

struct Document;
struct HeaderDataTyp;

// Where the baskets of a cluster document lie on a page: one column per basket between the
// margins, without gaps, and below a band for the basket markers one row per item.
struct ClusterGeometry {
    int baskets = 0;
    int rows = 0;
    int left = 0;
    int top = 0;
    int bottomEdge = 0;
    int columnWidth = 0;
    int headerBand = 0;
    int rowHeight = 0;

    int basketX(int basket) const { return left + basket * columnWidth; }
    // The centre of a cell below the header band, in page pixels.
    QPointF cellCentre(int row, int basket) const;
};

// Baskets and rows as the layout uses them: the grid's counts limited to the grid (16 rows,
// 12 baskets); zero when the document has none.
ClusterGeometry ComputeClusterGeometry(const HeaderDataTyp& header, QSize page);

// Card size step of a card whose own size is `value`, on a page with `baskets` baskets: the
// character height 2 * value + 22 shrinks by 0.1 per basket beyond two. From seven baskets on
// the cards keep the size they have at seven, so that they stay readable.
int ClusterScaledSize(int value, int baskets);
// The basket a query card belongs to, "Korb#" and its number (1 for the first).
QString BasketTag(int basket);
// Radius of the "?" marker at the top of every basket during a run.
int BasketMarkerRadius(int pageWidth, int rows);

// The basket (1 to the number of baskets) whose area contains a point of the page (fractions),
// 0 for none. The areas are the columns between the margins, unrounded, from the top margin to
// the bottom margin; each includes its left and top edges but not its right and bottom ones.
// A dragged card is judged by its centre.
int BasketAt(const HeaderDataTyp& header, QPointF pagePoint);

// The background of the baskets, drawn on the page right after the base image: the basket
// columns in their colours and opacities, the separator lines and, during a run, the markers.
void DrawBasketBackground(const Document& document, QPainter& painter, QSize page,
                          bool exerciseRunning);

// The layout of cluster documents (DokTyp 4). Regenerating deletes every cluster object and
// creates one per filled cell of the grid, row by row, numbering the query cards; otherwise it
// does nothing, since the cards' places depend only on the margins and the grid.
void ClusterLayout(Document& document, const LayoutPass& pass, ProgramState& state);

} // namespace quindor
