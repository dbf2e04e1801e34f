#include "layouts/cluster_layout.h"

#include "core/rounding.h"
#include "document/document.h"
#include "document/numbering.h"
#include "layouts/grid_cells.h"
#include "layouts/layout_surface.h"

#include <algorithm>

namespace quindor {

namespace {

// A cluster card is centred on its cell (the view knows this side as well).
constexpr int kCardCentred = 5;
// The band above the rows that the basket markers keep free, a share of the page height.
constexpr double kHeaderBand = 0.05;
// Share of the cell a card may fill across and down.
constexpr double kCardWidthShare = 0.95;
constexpr double kCardHeightShare = 0.85;
// The size scale stops shrinking at the scale of seven baskets.
constexpr double kSmallestSizeScale = 0.5;

} // namespace

QPointF ClusterGeometry::cellCentre(int row, int basket) const {
    return QPointF(left + basket * columnWidth + columnWidth * 0.5,
                   (row + 0.5) * rowHeight + top + headerBand);
}

ClusterGeometry ComputeClusterGeometry(const HeaderDataTyp& h, QSize page) {
    ClusterGeometry g;
    g.baskets = std::clamp(h.Spalten, 0, kGridColumns);
    g.rows = std::clamp(h.Zeilen, 0, kGridRows);
    const FracRect& m = h.EinrueckRand;
    const double w = page.width();
    const double hgt = page.height();
    g.left = RoundHalfEven(w * m.Left);
    g.top = RoundHalfEven(hgt * m.Top);
    g.bottomEdge = RoundHalfEven((1.0 - m.Bottom) * hgt);
    if (g.baskets > 0)
        g.columnWidth = RoundHalfEven((1.0 - m.Right - m.Left) * w / g.baskets);
    g.headerBand = RoundHalfEven(hgt * kHeaderBand);
    if (g.rows > 0)
        g.rowHeight = RoundHalfEven(((1.0 - m.Top - m.Bottom) * hgt - g.headerBand) / g.rows);
    return g;
}

int ClusterScaledSize(int value, int baskets) {
    const double scale = std::max(kSmallestSizeScale, 1.0 - (baskets - 2) * 0.1);
    return RoundHalfEven(((value * 2.0 + 22.0) * scale - 22.0) / 2.0);
}

QString BasketTag(int basket) {
    return QStringLiteral("Korb#") + QString::number(basket);
}

int BasketMarkerRadius(int pageWidth, int rows) {
    const double f = pageWidth / 870.0;
    return std::max(0, RoundHalfEven(f * 18.0 * (1.0 - rows / 50.0)));
}

int BasketAt(const HeaderDataTyp& h, QPointF p) {
    const int baskets = std::clamp(h.Spalten, 0, kGridColumns);
    if (baskets == 0)
        return 0;
    const FracRect& m = h.EinrueckRand;
    const double w = (1.0 - m.Left - m.Right) / baskets;
    if (p.y() < m.Top || p.y() >= 1.0 - m.Bottom)
        return 0;
    for (int k = 1; k <= baskets; ++k) {
        if (p.x() >= m.Left + (k - 1) * w && p.x() < m.Left + k * w)
            return k;
    }
    return 0;
}

void ClusterLayout(Document& document, const LayoutPass& pass, ProgramState& state) {
    HeaderDataTyp& h = document.Header;
    if (h.DokTyp != DocumentType::Cluster || !pass.regenerate)
        return;
    DeleteObjectsOfKinds(document, {ObjectKind::ClusterStaticText, ObjectKind::ClusterText,
                                    ObjectKind::ClusterStaticPicture, ObjectKind::ClusterPicture});
    const QSize page = pass.size();
    const ClusterGeometry g = ComputeClusterGeometry(h, page);
    if (g.baskets > 0 && g.rows > 0 && !page.isEmpty()) {
        const double w = page.width();
        const double hgt = page.height();
        const double fixedWidth = g.columnWidth * kCardWidthShare / w;
        const double fixedHeight = g.rowHeight * kCardHeightShare / hgt;
        int query = 0;
        for (int r = 0; r < g.rows; ++r) {
            for (int i = 0; i < g.baskets; ++i) {
                const CellDataTyp& cell = h.Cell(r, i);
                const QPointF point = g.cellCentre(r, i);
                const bool picture = IsPictureCell(cell.Art);
                const bool text = cell.Art == kCellStaticText || cell.Art == kCellQueryText;
                // A text cell left empty keeps its place in the basket free.
                if (!picture && !(text && !cell.Text.trimmed().isEmpty()))
                    continue;
                const int fsize = ClusterScaledSize(picture ? cell.Fsize : 0, g.baskets);
                const int index =
                    AddObject(document, {.Typ = KindAfter(ObjectKind::ClusterStaticText, cell.Art),
                                         .Ebene = 1,
                                         .Cap = picture ? QString() : cell.Text,
                                         .FrageNummer = 0,
                                         .Kx = point.x() / w,
                                         .Ky = point.y() / hgt,
                                         .KAusr = kCardCentred,
                                         .Fsize = fsize});
                ObjDataTyp& o = document.Object(index);
                if (picture) {
                    o.Picture = cell.Bild;
                    o.Picture.Linear = true;
                    o.BildkarteAnpassen = cell.BildkarteAnpassen;
                } else {
                    o.TAusr = 1;
                }
                o.FixedWidth = fixedWidth;
                o.FixedHeight = fixedHeight;
                if (IsQueryCell(cell.Art)) {
                    o.FrageNummer = ++query;
                    o.BildKenn = BasketTag(i + 1);
                }
            }
        }
    }
    SetNumberingMode(document, state, state.NumberingMode);
}

} // namespace quindor
