#include "layouts/pair_layout.h"

#include "core/rounding.h"
#include "document/document.h"
#include "document/numbering.h"
#include "layouts/grid_cells.h"
#include "layouts/layout_surface.h"

#include <algorithm>
#include <map>

namespace quindor {

namespace {

constexpr int kPairColumns = 2;
// Left elements lie left of their point, right elements right of it.
constexpr int kCardLeft = 3;
constexpr int kCardRight = 1;
constexpr int kAlignRight = 2;
// The line that joins a pair: its width and the length of its straight ends.
constexpr int kPairLineWidth = 2;
constexpr int kPairLineEnd = 50;
// Short captions are padded with blanks to this length.
constexpr qsizetype kShortestCaption = 4;
constexpr double kCardHeightShare = 0.85;
// More than enough rounds to mix sixteen elements; only damaged numbers get that far.
constexpr int kMostShuffleRounds = 1000;

bool IsRightHandQuery(const ObjDataTyp& o) {
    return o.Typ == ObjectKind::PairText || o.Typ == ObjectKind::PairPicture;
}

} // namespace

PairGeometry ComputePairGeometry(const HeaderDataTyp& h, QSize page) {
    PairGeometry g;
    g.rows = std::clamp(h.Zeilen, 0, kGridRows);
    const FracRect& m = h.EinrueckRand;
    const double w = page.width();
    const double hgt = page.height();
    g.left = RoundHalfEven(w * m.Left);
    g.top = RoundHalfEven(hgt * m.Top);
    g.columnWidth = RoundHalfEven((1.0 - m.Right - m.Left) * w / kPairColumns);
    g.quarter = RoundHalfEven(g.columnWidth * 0.25);
    if (g.rows > 0)
        g.rowHeight = RoundHalfEven((1.0 - m.Top - m.Bottom) * hgt / g.rows);
    return g;
}

QString PairTag(int pair) {
    return QStringLiteral("Paar#") + QString::number(pair);
}

std::array<QPoint, 4> PairLinePoints(QPoint anchor, QPoint cardPoint) {
    return {anchor, anchor + QPoint(kPairLineEnd, 0), cardPoint - QPoint(kPairLineEnd, 0),
            cardPoint};
}

void PairLayout(Document& document, const LayoutPass& pass, ProgramState& state) {
    HeaderDataTyp& h = document.Header;
    if (h.DokTyp != DocumentType::CrossMatching || !pass.regenerate)
        return;
    DeleteObjectsOfKinds(document, {ObjectKind::PairStaticText, ObjectKind::PairText,
                                    ObjectKind::PairStaticPicture, ObjectKind::PairPicture});
    const QSize page = pass.size();
    const PairGeometry g = ComputePairGeometry(h, page);
    const int columns = std::clamp(h.Spalten, 0, kPairColumns);
    if (g.rows > 0 && columns > 0 && !page.isEmpty()) {
        const double w = page.width();
        const double hgt = page.height();
        const double fixedWidth = (g.columnWidth - g.quarter) / w;
        const double fixedHeight = g.rowHeight * kCardHeightShare / hgt;
        int query = 0;
        for (int r = 0; r < g.rows; ++r) {
            int leftIndex = -1;
            for (int c = 0; c < columns; ++c) {
                const CellDataTyp& cell = h.Cell(r, c);
                // A cell of an unknown kind stays a static text, so that every row still
                // makes a whole pair.
                const int art = cell.Art >= kCellStaticText && cell.Art <= kCellQueryPicture
                                    ? cell.Art
                                    : kCellStaticText;
                const bool picture = IsPictureCell(art);
                const bool right = c == 1;
                const QString cap =
                    picture ? QString() : cell.Text.leftJustified(kShortestCaption, u' ');
                const double kx = (right ? g.rightX() : g.leftX()) / w;
                const double ky = g.rowY(r) / hgt;
                const int index =
                    AddObject(document, {.Typ = KindAfter(ObjectKind::PairStaticText, art),
                                         .Ebene = 1,
                                         .Cap = cap,
                                         .FrageNummer = -1,
                                         .Kx = kx,
                                         .Ky = ky,
                                         .KAusr = right ? kCardRight : kCardLeft,
                                         .Fsize = picture ? cell.Fsize : 0});
                ObjDataTyp& o = document.Object(index);
                if (picture) {
                    o.Picture = cell.Bild;
                    o.Picture.Linear = true;
                } else if (!right) {
                    o.TAusr = kAlignRight;
                }
                o.BildKenn = PairTag(r + 1);
                o.FixedWidth = fixedWidth;
                o.FixedHeight = fixedHeight;
                if (!right) {
                    // Without a right-hand cell the element stays alone.
                    o.Partner = -1;
                    leftIndex = index;
                    continue;
                }
                o.Sx = o.Kx - 2.0 * g.quarter / w;
                o.Sy = o.Ky;
                o.Sline = kPairLineForm;
                o.LinieDicke = kPairLineWidth;
                o.LinieFarbe = h.LinieCol;
                o.Partner = leftIndex;
                document.Object(leftIndex).Partner = index;
                if (IsQueryCell(art))
                    o.FrageNummer = ++query;
            }
        }
    }
    SetNumberingMode(document, state, state.NumberingMode);
}

void RestoreRightHandOrder(Document& document) {
    for (ObjDataTyp& o : document.Objects) {
        if (!IsRightHandQuery(o) || o.FrageNummer <= 0)
            continue;
        const bool partnered = o.Partner >= 0 && o.Partner < document.ObjectCount();
        o.Ky = partnered ? document.Object(o.Partner).Sy : o.Sy;
    }
}

int ShuffleRightHandElements(Document& document, int count, uint32_t seed,
                             RandomGenerator& random) {
    if (seed != 0)
        random.seed(seed);
    else
        random.seedFromClock();
    // The first right-hand query element of every number from 1 to count.
    std::map<int, int> byNumber;
    for (int i = 0; i < document.ObjectCount(); ++i) {
        const ObjDataTyp& o = document.Object(i);
        if (IsRightHandQuery(o) && o.FrageNummer >= 1 && o.FrageNummer <= count)
            byNumber.emplace(o.FrageNummer, i);
    }
    const auto element = [&](int number) -> ObjDataTyp* {
        const auto it = byNumber.find(number);
        return it == byNumber.end() ? nullptr : &document.Object(it->second);
    };
    // Elements numbered above count (or twice) never move, so only the movable ones are
    // judged; a single movable element cannot leave its row at all.
    const bool mixable = count > 1 && byNumber.size() > 1;
    int rounds = 0;
    for (;;) {
        for (int j = 1; j <= count; ++j) {
            const int a = random.random(count);
            ObjDataTyp* first = element(j);
            ObjDataTyp* second = element(a + 1);
            if (first && second)
                std::swap(first->Ky, second->Ky);
        }
        ++rounds;
        if (!mixable || rounds >= kMostShuffleRounds)
            break;
        const bool inOwnRow = std::any_of(byNumber.begin(), byNumber.end(), [&](const auto& e) {
            const ObjDataTyp& o = document.Object(e.second);
            return o.Ky == o.Sy;
        });
        if (!inOwnRow)
            break;
    }
    random.seedFromClock();
    return rounds;
}

} // namespace quindor
