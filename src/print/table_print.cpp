#include "print/table_print.h"

#include "core/rounding.h"

#include <QFontMetrics>

#include <numeric>

namespace quindor {

namespace {

constexpr int kMargin = 150;

QFont TableFont(int characterHeight) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, characterHeight));
    return font;
}

} // namespace

int TenthMillimetres(double pixels, int dpi) {
    return RoundHalfEven(pixels * 254.0 / std::max(1, dpi));
}

void MapToTenthMillimetres(QPainter& painter, int dpiX, int dpiY) {
    painter.scale(dpiX / 254.0, dpiY / 254.0);
}

TablePrintLayout LayoutPrintTable(const std::vector<int>& screenWidths, int rowCount,
                                  QSize physical, QPoint offset,
                                  const std::function<int(int)>& rowHeight) {
    TablePrintLayout layout;
    const int printableWidth = physical.width() - 2 * kMargin;
    const int total = std::max(1, std::accumulate(screenWidths.begin(), screenWidths.end(), 0));
    const int left = std::max(0, kMargin - offset.x());
    const int top = std::max(0, kMargin - offset.y());
    layout.edges.push_back(left);
    for (int width : screenWidths)
        layout.edges.push_back(layout.edges.back() +
                               RoundHalfEven(static_cast<double>(width) / total * printableWidth));
    layout.characterHeight = std::min(40, RoundHalfEven(20000.0 / total * printableWidth / 1800.0));
    layout.rowHeight = std::max(1, rowHeight(layout.characterHeight));
    const int lastBottom = physical.height() - 2 * kMargin;
    int page = 0;
    int y = top;
    for (int r = 0; r < rowCount; ++r) {
        layout.rows.push_back({page, y});
        // The next row must end above the page's limit, or it starts a new page.
        if (r + 1 < rowCount && y + 2 * layout.rowHeight > lastBottom) {
            ++page;
            y = top;
        } else {
            y += layout.rowHeight;
        }
    }
    layout.pages = rowCount == 0 ? 1 : page + 1;
    return layout;
}

void PrintTable(QPainter& painter, const PrintTableData& table, QSize physical, QPoint offset,
                const std::function<void()>& newPage) {
    const TablePrintLayout layout =
        LayoutPrintTable(table.screenWidths, static_cast<int>(table.rows.size()), physical, offset,
                         [&painter](int height) {
                             // The height of a line of text, ascent and descent, as the platform
                             // gives "X".
                             return QFontMetrics(TableFont(height), painter.device()).height();
                         });
    painter.setFont(TableFont(layout.characterHeight));
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine));
    painter.setBackgroundMode(Qt::TransparentMode);
    int page = 0;
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const TablePrintLayout::Place& place = layout.rows[r];
        if (place.page != page) {
            newPage();
            page = place.page;
        }
        const QStringList& cells = table.rows[r];
        for (size_t c = 0; c + 1 < layout.edges.size(); ++c) {
            const QRect cell(QPoint(layout.edges[c], place.y),
                             QPoint(layout.edges[c + 1] - 1, place.y + layout.rowHeight - 1));
            const Qt::Alignment align =
                c < table.alignments.size() ? table.alignments[c] : Qt::AlignLeft;
            painter.save();
            painter.setClipRect(cell);
            painter.drawText(cell, static_cast<int>(align | Qt::AlignVCenter),
                             cells.value(static_cast<qsizetype>(c)));
            painter.restore();
        }
        if (static_cast<int>(r) + 1 == table.headerRows) {
            const int y = place.y + layout.rowHeight;
            painter.drawLine(layout.edges.front(), y, layout.edges.back(), y);
        }
    }
}

} // namespace quindor
