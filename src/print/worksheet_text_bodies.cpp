// The bodies of gap texts and gap tables: the page picture with the text flowing over it at
// the largest size that fits, the gaps as blanks and answers.
#include "core/rounding.h"
#include "layouts/gap_handlers.h"
#include "layouts/layout_surface.h"
#include "print/worksheet_canvas.h"

#include <cmath>

namespace quindor {

namespace {

constexpr int kCellStaticPicture = 1;
constexpr int kCellQueryPicture = 2;

struct TextBox {
    int left;
    int width;
    int top;
    int bottom;
    int right() const { return left + width; }
};

// The page of the document under the text, with every object but the gaps and the table's
// pictures, which the text draws itself.
QRect DrawGapPage(SheetCanvas& c) {
    const QSize size = WorkingPageSize(c);
    WorkingPage page;
    page.size = size;
    page.pageBackground = c.sheetContent() && c.settings.BasisbildCheck;
    page.drawOnPage = [&c, size](QPainter& painter) {
        DrawPageObjects(c, painter, size, [](const ObjDataTyp& o) {
            return o.Typ != ObjectKind::Gap && !IsTablePictureKind(o.Typ);
        });
    };
    const QRect target = PlaceBodyPicture(c, size);
    const QRect visible =
        target.intersected(QRect(0, c.y, c.width + 1, std::max(0, c.bottomLimit - c.y)));
    DrawWorkingPage(c, page, target, visible);
    return target;
}

// Where the text goes: nearly the page width, or within the document's margins.
TextBox GapTextBox(const SheetCanvas& c, const QRect& picture) {
    const FracRect& m = c.document.Header.EinrueckRand;
    TextBox box;
    box.left = RoundHalfEven(c.width * 0.02);
    box.width = RoundHalfEven(c.width * 0.97);
    box.top = c.y;
    box.bottom = c.bottomLimit;
    if (c.settings.RaenderCheck) {
        box.left = std::max(box.left, RoundHalfEven(c.width * m.Left));
        box.width = std::min(box.width, RoundHalfEven((1.0 - m.Left - m.Right) * c.width));
        box.top += RoundHalfEven(picture.height() * m.Top);
        box.bottom -= RoundHalfEven(picture.height() * m.Bottom);
    }
    return box;
}

// The largest size, from the dialog's start size down, at which the text ends above `limit`.
// Below size 8 the steps are whole units of em height, down to 1: a text too long for
// readable sizes still stays on the page, above the footer, rather than run off it.
// `bottomAt` lays the text out at an em height.
int FitText(const SheetCanvas& c, const std::function<int(int em)>& bottomAt, int limit) {
    double size = WorksheetStartSize(c.settings.MaxFontSize);
    int em = WorksheetFontEm(size);
    while (bottomAt(em) > limit) {
        if (size > 8.0) {
            size = WorksheetFontStep(size - 0.000001);
            em = WorksheetFontEm(size);
        } else if (em > 1) {
            --em;
        } else {
            break;
        }
    }
    return em;
}

MarkupLayoutParams GapParams(const SheetCanvas& c, int em, int areaRight, bool draw,
                             WorksheetGapHandler& gaps, MarkupMeasureCache& cache) {
    MarkupLayoutParams params = c.layoutParams(em, areaRight, draw);
    params.mode = c.mode;
    params.gaps = &gaps;
    params.cache = &cache;
    return params;
}

} // namespace

double WorksheetFontStep(double size) {
    if (size >= 56.0)
        return std::floor(size / 2.0) * 2.0;
    if (size >= 48.0)
        return std::floor(size);
    return std::floor(size * 2.0) / 2.0;
}

double WorksheetStartSize(int maxFontSize) {
    return WorksheetFontStep(maxFontSize / 0.625 + 48.0);
}

int WorksheetFontEm(double size) {
    return RoundHalfEven(size * 0.625);
}

void DrawGapTextBody(SheetCanvas& c) {
    const HeaderDataTyp& h = c.document.Header;
    const QRect picture = DrawGapPage(c);
    const TextBox box = GapTextBox(c, picture);
    const QStringList lines = LayoutLines(h.Lueckentext);
    WorksheetGapHandler gaps(c.mode, h.MinLuecke, c.settings.KaestchengroesseCombo, false);
    MarkupMeasureCache cache;
    const auto layOut = [&](int em, bool draw) {
        const MarkupLayoutParams params = GapParams(c, em, box.right(), draw, gaps, cache);
        int y = box.top;
        for (const QString& line : lines)
            y = LayoutParagraph(params, line, y, box.left);
        return y;
    };
    const int em = FitText(
        c, [&](int size) { return layOut(size, false); }, box.bottom);
    layOut(em, true);
}

void DrawGapTableBody(SheetCanvas& c) {
    const HeaderDataTyp& h = c.document.Header;
    const QRect picture = DrawGapPage(c);
    const TextBox box = GapTextBox(c, picture);
    const int rows = std::clamp(h.Zeilen, 0, kGridRows);
    const int columns = std::clamp(h.Spalten, 0, kGridColumns);
    if (rows == 0 || columns == 0)
        return;
    const int gap = RoundHalfEven(box.width * 0.03);
    const int columnWidth = RoundHalfEven((box.width - (columns - 1) * gap) / double(columns));
    const QColor gridColour = ToQColor(h.LinieCol);
    WorksheetGapHandler gaps(c.mode, h.MinLuecke, c.settings.KaestchengroesseCombo, false);
    MarkupMeasureCache cache;

    const auto layOut = [&](int em, bool draw) {
        const int t = c.textHeight(c.font(em));
        int y = box.top;
        for (int r = 0; r < rows; ++r) {
            int rowBottom = y;
            for (int j = 0; j < columns; ++j) {
                const CellDataTyp& cell = h.Cell(r, j);
                const int x = box.left + j * (columnWidth + gap);
                if (cell.Art < kCellStaticPicture || cell.Art > 3) {
                    const MarkupLayoutParams params =
                        GapParams(c, em, x + columnWidth, draw, gaps, cache);
                    int cellY = y;
                    for (const QString& line : LayoutLines(cell.Text))
                        cellY = LayoutParagraph(params, line, cellY, x);
                    rowBottom = std::max(rowBottom, cellY);
                    continue;
                }
                const int height = RoundHalfEven((cell.Fsize * 2 + 22) * t / 22.0);
                const QSize size = cell.Bild.Image.size();
                const int width =
                    size.isEmpty() ? 0
                                   : RoundHalfEven(double(height) * size.width() / size.height());
                const int top = y + RoundHalfEven(t * 0.5);
                const int centre = x + columnWidth / 2;
                const bool shown = (cell.Art == kCellStaticPicture && c.sheetContent()) ||
                                   (cell.Art == kCellQueryPicture && c.answers());
                if (draw && shown && width > 0)
                    c.painter.drawImage(
                        QRect(x + RoundHalfEven((columnWidth - width) / 2.0), top, width, height),
                        cell.Bild.Image);
                if (draw && cell.Art == kCellQueryPicture && c.sheetContent()) {
                    const int half = RoundHalfEven(columnWidth * 0.45);
                    const int lineY = top + height + RoundHalfEven(t * 0.25);
                    c.line(centre - half, lineY, centre + half, lineY);
                }
                rowBottom = std::max(rowBottom, top + height + RoundHalfEven(t * 0.5));
            }
            if (draw && h.Linie == 1 && r < rows - 1)
                c.line(box.left, rowBottom, box.right(), rowBottom, gridColour);
            y = rowBottom;
        }
        if (draw && h.Linie == 1) {
            for (int j = 1; j < columns; ++j) {
                const int x = box.left + j * (columnWidth + gap) - gap / 2;
                c.line(x, box.top, x, y, gridColour);
            }
        }
        return y;
    };
    const int em = FitText(
        c, [&](int size) { return layOut(size, false); }, box.bottom);
    layOut(em, true);
}

} // namespace quindor
