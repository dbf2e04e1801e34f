#pragma once

#include <QPainter>
#include <QPoint>
#include <QSize>
#include <QStringList>

#include <functional>
#include <vector>

namespace quindor {

// A table to print: the columns with their on-screen widths and alignments, the header rows
// and the data rows.
struct PrintTableData {
    std::vector<int> screenWidths;
    std::vector<Qt::Alignment> alignments;
    int headerRows = 1;
    std::vector<QStringList> rows;
};

// Where everything of a printed table goes, in 0.1 mm of the printable area.
struct TablePrintLayout {
    std::vector<int> edges;
    int characterHeight = 0;
    int rowHeight = 0;
    struct Place {
        int page;
        int y;
    };
    std::vector<Place> rows;
    int pages = 0;
};

// Margins of 15 mm, columns in proportion to their screen widths, rows as high as "X"; a row
// that would end below the page's last row position goes onto a new page.
// physical: the paper in 0.1 mm; offset: the unprintable margin at the top left in 0.1 mm;
// rowHeight: the line height of "X" at the character height (measured on the device).
TablePrintLayout LayoutPrintTable(const std::vector<int>& screenWidths, int rowCount,
                                  QSize physical, QPoint offset,
                                  const std::function<int(int characterHeight)>& rowHeight);

// Prints the table with a painter whose units are 0.1 mm of the printable area; newPage
// starts the next page of the device.
void PrintTable(QPainter& painter, const PrintTableData& table, QSize physical, QPoint offset,
                const std::function<void()>& newPage);

// The painter's coordinates in 0.1 mm for a device of the given resolution.
void MapToTenthMillimetres(QPainter& painter, int dpiX, int dpiY);
// Device pixels to 0.1 mm.
int TenthMillimetres(double pixels, int dpi);

} // namespace quindor
