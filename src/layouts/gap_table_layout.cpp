#include "layouts/gap_table_layout.h"

#include "core/rounding.h"
#include "document/document.h"
#include "document/numbering.h"
#include "layouts/gap_handlers.h"
#include "layouts/layout_surface.h"

#include <vector>

namespace quindor {

namespace {

bool IsPictureCell(const CellDataTyp& cell) {
    return cell.Art >= 1 && cell.Art <= 3;
}

void AddPictureObject(Document& document, const CellDataTyp& cell, double kx, double ky) {
    const ObjectKind typ = KindAfter(ObjectKind::TableStaticPicture, cell.Art - 1);
    const QString cap = typ == ObjectKind::TablePictureLink ? cell.Link : QString();
    ObjDataTyp& o = document.Object(AddObject(document, {.Typ = typ,
                                                         .Ebene = 1,
                                                         .Cap = cap,
                                                         .FrageNummer = 0,
                                                         .Kx = kx,
                                                         .Ky = ky,
                                                         .KAusr = 4,
                                                         .Fsize = cell.Fsize}));
    o.Picture = cell.Bild;
    o.Picture.Linear = true;
    o.BildKenn = cell.BildKenn;
    o.BildkarteAnpassen = cell.BildkarteAnpassen;
    if (typ == ObjectKind::TablePictureLink)
        o.PunktInUebung = cell.PunktInUebung;
}

// One pass over the grid; returns false when a text ran below the bottom margin in a
// measuring pass.
class TableRun {
public:
    TableRun(Document& document, const LayoutPass& pass, LayoutSurface& surface,
             const GapTableGeometry& geometry, int rows, int columns)
        : document_(document), pass_(pass), surface_(surface), g_(geometry), rows_(rows),
          columns_(columns),
          gaps_(document, surface.size(), document.Header.MinLuecke, pass.drawText) {}

    bool measure(int fontHeight) {
        gaps_.startPass(false, pass_.regenerate);
        const int limit = surface_.height() - g_.bottom;
        int y = g_.top;
        for (int r = 0; r < rows_; ++r) {
            int rowBottom = y;
            for (int j = 0; j < columns_; ++j) {
                const CellDataTyp& cell = document_.Header.Cell(r, j);
                if (IsPictureCell(cell)) {
                    rowBottom = std::max(rowBottom, y + pictureHeight(cell));
                    continue;
                }
                if (std::abs(fontHeight) < 9)
                    continue;
                const MarkupLayoutParams params = cellParams(fontHeight, j, true);
                int cellY = y;
                for (const QString& line : LayoutLines(cell.Text)) {
                    cellY = LayoutParagraph(params, line, cellY, g_.columnX(j));
                    if (cellY > limit)
                        return false;
                }
                rowBottom = std::max(rowBottom, cellY);
            }
            y = rowBottom;
        }
        return true;
    }

    void draw(int fontHeight) {
        gaps_.startPass(true, pass_.regenerate);
        size_t pictureCursor = 0;
        const bool lines = document_.Header.Linie == 1 && pass_.drawText && surface_.painter();
        int y = g_.top;
        for (int r = 0; r < rows_; ++r) {
            int rowBottom = y;
            for (int j = 0; j < columns_; ++j) {
                const CellDataTyp& cell = document_.Header.Cell(r, j);
                const int x = g_.columnX(j);
                if (IsPictureCell(cell)) {
                    const double kx = (x + g_.columnWidth / 2.0) / surface_.width();
                    const double ky = static_cast<double>(y) / surface_.height() + 0.0035;
                    if (pass_.regenerate)
                        AddPictureObject(document_, cell, kx, ky);
                    else
                        moveNextPicture(pictureCursor, kx, ky);
                    rowBottom = std::max(rowBottom, y + pictureHeight(cell));
                    continue;
                }
                const MarkupLayoutParams params = cellParams(fontHeight, j, false);
                int cellY = y;
                for (const QString& line : LayoutLines(cell.Text))
                    cellY = LayoutParagraph(params, line, cellY, x);
                rowBottom = std::max(rowBottom, cellY);
            }
            if (lines && r < rows_ - 1)
                drawLine(QPoint(g_.left, rowBottom), QPoint(g_.rightEdge, rowBottom));
            y = rowBottom;
        }
        if (lines) {
            for (int j = 1; j < columns_; ++j)
                drawLine(QPoint(g_.separatorX(j), g_.top), QPoint(g_.separatorX(j), y));
        }
    }

private:
    int pictureHeight(const CellDataTyp& cell) const {
        return GapTablePictureHeight(cell.Fsize, surface_.size());
    }

    MarkupLayoutParams cellParams(int fontHeight, int column, bool measureOnly) {
        const int rightMargin = surface_.width() - (g_.columnX(column) + g_.columnWidth);
        return surface_.gapParams(document_, fontHeight, rightMargin, gaps_, measureOnly,
                                  pass_.regenerate);
    }

    void moveNextPicture(size_t& cursor, double kx, double ky) {
        std::vector<ObjDataTyp>& objects = document_.Objects;
        while (cursor < objects.size() && !IsTablePictureKind(objects[cursor].Typ))
            ++cursor;
        if (cursor == objects.size())
            return;
        // The anchor stays where the object was created; only the card follows the grid.
        objects[cursor].Kx = kx;
        objects[cursor].Ky = ky;
        ++cursor;
    }

    void drawLine(QPoint from, QPoint to) {
        QPainter* painter = surface_.painter();
        painter->setPen(QPen(ToQColor(document_.Header.LinieCol), 1, Qt::SolidLine, Qt::FlatCap));
        painter->drawLine(from, to);
    }

    Document& document_;
    const LayoutPass& pass_;
    LayoutSurface& surface_;
    const GapTableGeometry& g_;
    const int rows_;
    const int columns_;
    GapObjectHandler gaps_;
};

} // namespace

GapTableGeometry ComputeGapTableGeometry(const Document& document, QSize page) {
    const FracRect& m = document.Header.EinrueckRand;
    const int w = page.width();
    const int h = page.height();
    const int columns = std::max(1, document.Header.Spalten);
    GapTableGeometry g;
    g.left = RoundHalfEven(w * m.Left);
    g.rightEdge = RoundHalfEven((1.0 - m.Right) * w);
    g.top = RoundHalfEven(h * m.Top);
    g.bottom = RoundHalfEven(h * m.Bottom);
    const double usable = (1.0 - m.Right - m.Left) * w;
    g.columnGap = RoundHalfEven(usable * 0.03);
    g.columnWidth = RoundHalfEven((usable - (columns - 1) * g.columnGap) / columns);
    return g;
}

int GapTablePictureHeight(int fsize, QSize page) {
    return RoundHalfEven((fsize * 2 + 22) * 1.115 * page.width() / 870.0 + page.height() * 0.028);
}

void GapTableLayout(Document& document, const LayoutPass& pass, ProgramState& state) {
    HeaderDataTyp& h = document.Header;
    h.GapFontAdjustment = 0;
    if (pass.regenerate) {
        DeleteObjectsOfKinds(document,
                             {ObjectKind::Gap, ObjectKind::TableStaticPicture,
                              ObjectKind::TableQueryPicture, ObjectKind::TablePictureLink});
    }
    // The reader refuses larger grids; an empty one has nothing to lay out.
    const int rows = std::min(h.Zeilen, kGridRows);
    const int columns = std::min(h.Spalten, kGridColumns);
    LayoutSurface surface(pass);
    if (rows <= 0 || columns <= 0 || surface.size().isEmpty())
        return;
    const GapTableGeometry geometry = ComputeGapTableGeometry(document, surface.size());
    TableRun run(document, pass, surface, geometry, rows, columns);

    int fontHeight = GapLayoutFontHeight(surface.width(), h.GapFontAdjustment);
    while (!run.measure(fontHeight)) {
        h.GapFontAdjustment -= GapFitStep(fontHeight);
        fontHeight = GapLayoutFontHeight(surface.width(), h.GapFontAdjustment);
    }
    h.GapFontHeight = fontHeight;
    run.draw(fontHeight);

    if (pass.regenerate)
        SetNumberingMode(document, state, state.NumberingMode);
}

} // namespace quindor
