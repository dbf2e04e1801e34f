// The bodies of the sheet that show the document's page: labelling, cross-matching and
// baskets, with the placing of page pictures that the gap texts share.
#include "core/rounding.h"
#include "layouts/cluster_layout.h"
#include "layouts/pair_layout.h"
#include "print/worksheet_canvas.h"
#include "view/object_renderer.h"
#include "view/page_builder.h"

#include <cmath>

namespace quindor {

namespace {

constexpr int kCellQueryText = 1;
constexpr int kCellQueryPicture = 3;

RenderContext SheetRenderContext(const SheetCanvas& c, QSize size) {
    RenderContext context;
    context.imageSize = size;
    context.displayAspect = static_cast<double>(size.width()) / std::max(1, size.height());
    context.layers = c.source.layers;
    context.worksheetMode = static_cast<SheetDrawing>(c.mode);
    context.blankSizeIndex = c.settings.KaestchengroesseCombo;
    return context;
}

// The page of a labelling or cross-matching document at full page width, shrunk to the room
// above the bottom limit when it is higher, and framed.
void DrawFullWidthPage(SheetCanvas& c, bool withDrawings) {
    WorkingPage page;
    if (withDrawings && c.sheetContent() && c.settings.ZeichnungenEinbindenCheck &&
        !c.source.viewPicture.isNull()) {
        page.size = c.source.viewPicture.size();
        page.picture = c.source.viewPicture;
    } else {
        page.size = WorkingPageSize(c);
        page.pageBackground = c.sheetContent() && c.settings.BasisbildCheck;
    }
    const QSize size = page.size;
    page.drawOnPage = [&c, size](QPainter& painter) {
        DrawPageObjects(c, painter, size, [](const ObjDataTyp&) { return true; });
    };
    const int room = c.bottomLimit - c.y;
    if (size.isEmpty() || room <= 0)
        return;
    int width = c.width;
    int height = RoundHalfEven(static_cast<double>(width) * size.height() / size.width());
    int x = 0;
    if (height > room) {
        height = room;
        width = RoundHalfEven(static_cast<double>(height) * size.width() / size.height());
        x = RoundHalfEven((c.width - width) / 2.0);
    }
    const QRect target(x, c.y, width, height);
    DrawWorkingPage(c, page, target, target);
    if (c.sheetContent())
        c.frame(0, c.y, c.width, c.y + height);
    c.y += height;
}

// The lines the learner writes the items on, and the lines between the baskets, on the page.
void DrawBasketLines(const SheetCanvas& c, QPainter& painter, QSize size) {
    const HeaderDataTyp& h = c.document.Header;
    const ClusterGeometry g = ComputeClusterGeometry(h, size);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
    for (int r = 0; r < g.rows; ++r) {
        for (int i = 0; i < g.baskets; ++i) {
            const CellDataTyp& cell = h.Cell(r, i);
            const bool query = (cell.Art == kCellQueryText && !cell.Text.trimmed().isEmpty()) ||
                               cell.Art == kCellQueryPicture;
            if (!query)
                continue;
            const int cx = RoundHalfEven(g.left + i * g.columnWidth + g.columnWidth * 0.5);
            const int half = RoundHalfEven(g.columnWidth * 0.4);
            const int y = RoundHalfEven((r + 0.95) * g.rowHeight + g.top + g.headerBand);
            painter.drawLine(cx - half, y, cx + half, y);
            painter.drawLine(cx - half, y + 1, cx + half, y + 1);
        }
    }
    if (h.Linie == 1) {
        painter.setPen(QPen(ToQColor(h.LinieCol), 1, Qt::SolidLine, Qt::FlatCap));
        const int bottom = RoundHalfEven((1.0 - h.EinrueckRand.Bottom) * size.height());
        for (int i = 1; i < g.baskets; ++i) {
            const int x = g.left + i * g.columnWidth;
            painter.drawLine(x, g.top, x, bottom);
            painter.drawLine(x + 1, g.top, x + 1, bottom);
        }
    }
    painter.restore();
}

} // namespace

void DrawPageBackground(const SheetCanvas& c, QPainter& painter, QSize size) {
    const HeaderDataTyp& h = c.document.Header;
    // White pages need nothing on white paper.
    if ((WinColorToArgb(h.HtgdCol) & 0xFFFFFF) != 0xFFFFFF)
        painter.fillRect(QRectF(QPointF(0, 0), QSizeF(size)), ToQColor(h.HtgdCol));
    const QImage base = ReducedBaseImage(c.document);
    if (base.isNull())
        return;
    // Placed as the learning view places it, drawn straight onto the sheet at its own
    // resolution.
    const QSize page = PageSizeOf(h, base.size());
    const double sx = static_cast<double>(size.width()) / page.width();
    const double sy = static_cast<double>(size.height()) / page.height();
    const QRectF target(RoundHalfEven(base.width() * h.RandErw.Left) * sx,
                        RoundHalfEven(base.height() * h.RandErw.Top) * sy, base.width() * sx,
                        base.height() * sy);
    painter.save();
    painter.setOpacity(RoundHalfEven(std::clamp(h.BasisbildDeck, 0, 100) / 100.0 * 255) / 255.0);
    const Picture& picture = c.document.BaseImage;
    if (picture.redrawsAs(base)) {
        // A picture the program draws itself is drawn at the size it takes on the sheet.
        QImage drawn(target.size().toSize().expandedTo(QSize(1, 1)),
                     QImage::Format_ARGB32_Premultiplied);
        picture.Redraw(drawn, drawn.rect());
        painter.drawImage(target, drawn);
    } else {
        painter.drawImage(target, base);
    }
    painter.restore();
}

void DrawPageObjects(SheetCanvas& c, QPainter& painter, QSize size,
                     const std::function<bool(const ObjDataTyp&)>& take) {
    const RenderContext context = SheetRenderContext(c, size);
    for (const int i : DrawingOrder(c.document)) {
        if (take(c.document.Object(i)))
            DrawObject(c.document, i, painter, context);
    }
}

void DrawWorkingPage(SheetCanvas& c, const WorkingPage& page, const QRect& target,
                     const QRect& visible) {
    if (target.isEmpty() || visible.isEmpty() || page.size.isEmpty())
        return;
    QPainter& painter = c.painter;
    painter.save();
    painter.setClipRect(visible);
    painter.translate(target.topLeft());
    painter.scale(static_cast<double>(target.width()) / page.size.width(),
                  static_cast<double>(target.height()) / page.size.height());
    if (!page.picture.isNull())
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(page.size)), page.picture);
    else if (page.pageBackground)
        DrawPageBackground(c, painter, page.size);
    if (page.drawOnPage)
        page.drawOnPage(painter);
    painter.restore();
}

QRect PlaceBodyPicture(SheetCanvas& c, QSize size) {
    WorksheetSettings& s = c.settings;
    if (size.isEmpty())
        return QRect();
    const double aspect = static_cast<double>(size.height()) / size.width();
    if (c.request.orientationChanged) {
        // The picture fills the new page's width, or the room left below, whichever is less.
        double width = c.width;
        const int room = c.bottomLimit - c.y;
        if (width * aspect > room)
            width = std::max(0, room) / aspect;
        s.BasisbildGroesse = std::floor(width / c.width * 1000.0) / 10.0;
        s.BasisbildY = 0.0;
    }
    // Zero or less shows no picture.
    if (s.BasisbildGroesse <= 0.0)
        return QRect();
    int width = RoundHalfEven(s.BasisbildGroesse * c.width / 100.0);
    const int height = RoundHalfEven(width * aspect);
    if (s.VollbreiteCheck)
        width = c.width;
    const int top = c.y + RoundHalfEven(s.BasisbildY * kSheetUnitsPerCm);
    const int x =
        RoundHalfEven((c.width - width) / 2.0) + RoundHalfEven(s.BasisbildX * kSheetUnitsPerCm);
    return QRect(x, top, width, height);
}

void DrawLabellingBody(SheetCanvas& c) {
    DrawFullWidthPage(c, true);
}

void DrawPairBody(SheetCanvas& c) {
    Document& d = c.document;
    // The sheet's own arrangement: every right-hand query element in its row, then mixed with
    // the seed of this dialog session.
    RestoreRightHandOrder(d);
    int count = 0;
    for (ObjDataTyp& o : d.Objects) {
        if (!IsPairKind(o.Typ))
            continue;
        o.Sline = kPairLineForm;
        const bool rightHandQuery =
            (o.Typ == ObjectKind::PairText || o.Typ == ObjectKind::PairPicture) &&
            o.FrageNummer > 0;
        if (rightHandQuery)
            ++count;
    }
    RandomGenerator random;
    ShuffleRightHandElements(d, count, c.request.seed, random);
    DrawFullWidthPage(c, false);
}

void DrawClusterBody(SheetCanvas& c) {
    const QSize size = WorkingPageSize(c);
    WorkingPage page;
    page.size = size;
    const bool baseImage = c.sheetContent() && c.settings.BasisbildCheck;
    page.pageBackground = baseImage;
    page.drawOnPage = [&c, size, baseImage](QPainter& painter) {
        if (baseImage)
            DrawBasketBackground(c.document, painter, size, false);
        DrawPageObjects(c, painter, size,
                        [](const ObjDataTyp& o) { return !IsClusterKind(o.Typ); });
        // The cards of the baskets above everything else, in the order of the grid.
        const RenderContext context = SheetRenderContext(c, size);
        for (int i = 0; i < c.document.ObjectCount(); ++i) {
            if (IsClusterKind(c.document.Object(i).Typ))
                DrawObject(c.document, i, painter, context);
        }
        if (c.sheetContent())
            DrawBasketLines(c, painter, size);
    };
    const QRect target = PlaceBodyPicture(c, size);
    const QRect visible =
        target.intersected(QRect(0, c.y, c.width + 1, std::max(0, c.bottomLimit - c.y)));
    DrawWorkingPage(c, page, target, visible);
    if (target.isEmpty())
        return;
    const int top = std::max(target.top(), c.y);
    c.y = target.top() + target.height();
    if (c.sheetContent())
        c.frame(0, top, c.width, std::min(c.y, c.bottomLimit));
}

} // namespace quindor
