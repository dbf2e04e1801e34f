#include "print/table_print.h"

#include <QImage>

#include <gtest/gtest.h>

namespace quindor {
namespace {

const QSize kA4(2100, 2970);

TEST(TablePrint, ColumnsShareThePrintableWidth) {
    const TablePrintLayout layout =
        LayoutPrintTable({100, 200, 100}, 3, kA4, QPoint(0, 0), [](int) { return 40; });
    EXPECT_EQ(layout.edges, (std::vector<int>{150, 600, 1500, 1950}));
    EXPECT_EQ(layout.characterHeight, 40);
    // The unprintable margin moves everything towards the paper's edge.
    const TablePrintLayout shifted =
        LayoutPrintTable({100, 200, 100}, 3, kA4, QPoint(50, 40), [](int) { return 40; });
    EXPECT_EQ(shifted.edges.front(), 100);
    EXPECT_EQ(shifted.rows.front().y, 110);
    // Wide screen tables get a smaller character height.
    EXPECT_EQ(LayoutPrintTable({400, 400, 200}, 1, kA4, QPoint(), [](int h) { return h; })
                  .characterHeight,
              20);
}

TEST(TablePrint, RowsContinueOnNewPagesWithoutAnEmptyOne) {
    // Rows of 40 units from 150: a row may start while the next one still ends by 2670.
    const auto layout = [](int rows) {
        return LayoutPrintTable({100}, rows, kA4, QPoint(0, 0), [](int) { return 40; });
    };
    // 150 + 40 k + 80 <= 2670 for k up to 61: 62 rows on the first page... and the 63rd too,
    // as a row is only moved when the one after it would not fit.
    const TablePrintLayout full = layout(63);
    EXPECT_EQ(full.pages, 1);
    EXPECT_EQ(full.rows.back().y, 150 + 62 * 40);
    const TablePrintLayout more = layout(64);
    EXPECT_EQ(more.pages, 2);
    EXPECT_EQ(more.rows[63].page, 1);
    EXPECT_EQ(more.rows[63].y, 150);
    EXPECT_EQ(layout(0).pages, 1);
}

TEST(TablePrint, PrintsEveryPageItLaysOut) {
    PrintTableData table;
    table.screenWidths = {40, 200};
    table.alignments = {Qt::AlignHCenter, Qt::AlignLeft};
    table.rows.push_back({QStringLiteral("Pos."), QStringLiteral("Name")});
    for (int i = 0; i < 150; ++i)
        table.rows.push_back({QString::number(i + 1), QStringLiteral("Name %1").arg(i)});
    QImage page(210, 297, QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.scale(0.1, 0.1);
    int newPages = 0;
    PrintTable(painter, table, kA4, QPoint(), [&] { ++newPages; });
    painter.end();
    // As many pages as the layout with the same row height has.
    const TablePrintLayout layout = LayoutPrintTable(
        table.screenWidths, static_cast<int>(table.rows.size()), kA4, QPoint(), [&](int h) {
            QFont font(QStringLiteral("Arial"));
            font.setPixelSize(h);
            return QFontMetrics(font, &page).height();
        });
    EXPECT_GT(layout.pages, 1);
    EXPECT_EQ(newPages, layout.pages - 1);
    // Something was drawn in the header row.
    bool ink = false;
    for (int x = 0; x < 210 && !ink; ++x)
        ink = qGray(page.pixel(x, 16)) < 200;
    EXPECT_TRUE(ink);
}

} // namespace
} // namespace quindor
