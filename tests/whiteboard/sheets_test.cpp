#include "whiteboard/sheet_document.h"
#include "whiteboard/sheets.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quindor {
namespace {

SheetPattern Ruled(SheetKind kind, int count) {
    SheetPattern pattern;
    pattern.kind = kind;
    pattern.count = count;
    return pattern;
}

std::vector<int> Rows(const std::vector<RuleLine>& lines) {
    std::vector<int> rows;
    for (const RuleLine& line : lines) {
        if (line.horizontal)
            rows.push_back(line.at);
    }
    return rows;
}

std::vector<int> Columns(const std::vector<RuleLine>& lines) {
    std::vector<int> columns;
    for (const RuleLine& line : lines) {
        if (!line.horizontal)
            columns.push_back(line.at);
    }
    return columns;
}

std::vector<int> Steps(int first, int step, int last) {
    std::vector<int> values;
    for (int v = first; v <= last; v += step)
        values.push_back(v);
    return values;
}

TEST(SheetRuling, WideLinesEndOnTheBottomRowWithNoneAtTheTop) {
    const auto lines = SheetRuling(Ruled(SheetKind::Lines, 10), QSize(800, 600));
    EXPECT_EQ(Rows(lines), Steps(59, 60, 599));
    EXPECT_TRUE(Columns(lines).empty());
    EXPECT_EQ(lines.front(), (RuleLine{true, 59, 0, 800}));
    // 601 rows: the spacing is 60 all the same, the last line one row above the bottom.
    EXPECT_EQ(Rows(SheetRuling(Ruled(SheetKind::Lines, 10), QSize(800, 601))).back(), 599);
}

TEST(SheetRuling, LargeSquaresStartOnTheTopAndLeftEdges) {
    const auto lines = SheetRuling(Ruled(SheetKind::Squares, 20), QSize(800, 600));
    // Spacing 30; the line computed for y = 600 lies below the sheet.
    EXPECT_EQ(Rows(lines), Steps(0, 30, 600));
    EXPECT_EQ(Columns(lines), Steps(0, 30, 780));
    const RuleLine vertical =
        *std::find_if(lines.begin(), lines.end(), [](const RuleLine& l) { return !l.horizontal; });
    EXPECT_EQ(vertical, (RuleLine{false, 0, 0, 600}));
}

TEST(SheetRuling, StavesOfFiveLinesNineUnitsApart) {
    // m = 600 / 32 = 18.75, g = 18; the third staff starts at round(337.5) = 338.
    const auto rows = Rows(SheetRuling(Ruled(SheetKind::Staves, 3), QSize(800, 600)));
    const std::vector<int> expected = {90,  108, 126, 144, 162, 259, 277, 295,
                                       313, 331, 428, 446, 464, 482, 500};
    EXPECT_EQ(rows, expected);
}

TEST(SheetRuling, TableCellsWithinTheMargins) {
    SheetPattern pattern;
    pattern.kind = SheetKind::Table;
    pattern.rows = 6;
    pattern.columns = 2;
    // x0 = 40, y0 = 30, x1 = round(0.95 * 799) = 759, y1 = round(0.95 * 599) = 569.
    const auto lines = SheetRuling(pattern, QSize(800, 600));
    EXPECT_EQ(Rows(lines), (std::vector<int>{30, 120, 210, 300, 389, 479, 569}));
    EXPECT_EQ(Columns(lines), (std::vector<int>{40, 400, 759}));
    EXPECT_EQ(lines.front(), (RuleLine{true, 30, 40, 759}));
    EXPECT_EQ(lines.back(), (RuleLine{false, 759, 30, 569}));
}

TEST(SheetRuling, TableWithoutMarginsRunsAlongTheEdges) {
    SheetPattern pattern;
    pattern.kind = SheetKind::Table;
    pattern.rows = 2;
    pattern.columns = 2;
    pattern.marginLeft = pattern.marginRight = pattern.marginTop = pattern.marginBottom = 0;
    const auto lines = SheetRuling(pattern, QSize(800, 600));
    EXPECT_EQ(Rows(lines), (std::vector<int>{0, 300, 599}));
    EXPECT_EQ(Columns(lines), (std::vector<int>{0, 400, 799}));
}

TEST(SheetRuling, LineatureOfTheFirstClassIsFourLinesInAFrame) {
    // y0 = 30, y1 = 569, pitch 539 / 3; group round(107.8) = 108 high, 22 below the pitch's
    // top; zones 33, 42, 33.
    const auto lines = SheetRuling(Ruled(SheetKind::Lineature1, 3), QSize(800, 600));
    const auto rows = Rows(lines);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(std::vector<int>(rows.begin(), rows.begin() + 4),
              (std::vector<int>{52, 85, 127, 160}));
    EXPECT_EQ(lines.front(), (RuleLine{true, 52, 40, 759}));
    EXPECT_EQ(Columns(lines).size(), 6u);
    EXPECT_TRUE(std::find(lines.begin(), lines.end(), RuleLine{false, 759, 52, 160}) !=
                lines.end());
}

TEST(SheetRuling, LineaturesOfTheHigherClassesDropLines) {
    // Classes 2 to 4: the group is 0.7 of the pitch, 0.15 of it below the pitch's top.
    // Pitch 539 / 4: group round(94.325) = 94, top 30 + round(14.1) = 44; zones 29, 36.
    const auto second = Rows(SheetRuling(Ruled(SheetKind::Lineature2, 4), QSize(800, 600)));
    EXPECT_EQ(std::vector<int>(second.begin(), second.begin() + 4),
              (std::vector<int>{44, 73, 109, 138}));
    const auto third = SheetRuling(Ruled(SheetKind::Lineature3, 4), QSize(800, 600));
    const auto thirdRows = Rows(third);
    EXPECT_EQ(std::vector<int>(thirdRows.begin(), thirdRows.begin() + 2),
              (std::vector<int>{73, 109}));
    EXPECT_TRUE(std::find(third.begin(), third.end(), RuleLine{false, 40, 73, 109}) != third.end());
    const auto fourth = SheetRuling(Ruled(SheetKind::Lineature4, 4), QSize(800, 600));
    EXPECT_EQ(Rows(fourth).size(), 4u);
    EXPECT_EQ(Rows(fourth).front(), 109);
    EXPECT_TRUE(Columns(fourth).empty());
}

TEST(SheetPicture, PlainGreyPixelsOnTheBackground) {
    const QImage sheet = MakeSheet(Ruled(SheetKind::Lines, 10), QSize(800, 600));
    EXPECT_EQ(sheet.size(), QSize(800, 600));
    EXPECT_EQ(sheet.pixelColor(5, 59), QColor(184, 184, 184));
    EXPECT_EQ(sheet.pixelColor(799, 599), QColor(184, 184, 184));
    EXPECT_EQ(sheet.pixelColor(5, 58), QColor(Qt::white));
    EXPECT_EQ(sheet.pixelColor(5, 60), QColor(Qt::white));
    SheetPattern green;
    green.background = kBoardGreen;
    EXPECT_EQ(MakeSheet(green, QSize(20, 10)).pixelColor(10, 5), QColor(0, 64, 0));
}

TEST(SheetPicture, MoreLinesThanRowsStillMakesASheet) {
    const QImage sheet = MakeSheet(Ruled(SheetKind::Lines, 200), QSize(300, 50));
    EXPECT_EQ(sheet.pixelColor(10, 0), QColor(184, 184, 184));
}

TEST(SheetCounts, FreeCountsAreClampedToTheirVariant) {
    EXPECT_EQ(ClampCount(SheetKind::Lines, 0), 1);
    EXPECT_EQ(ClampCount(SheetKind::Lines, 500), 200);
    EXPECT_EQ(ClampCount(SheetKind::Squares, 500), 200);
    EXPECT_EQ(ClampCount(SheetKind::Staves, 500), 20);
    EXPECT_EQ(ClampCount(SheetKind::Lineature1, 500), 20);
    EXPECT_EQ(ClampCount(SheetKind::Lineature3, 500), 50);
    EXPECT_EQ(ClampCount(SheetKind::Lineature4, 500), 100);
    SheetPattern table;
    table.rows = 0;
    table.columns = 999;
    table.marginLeft = -3;
    table.marginBottom = 999;
    table = ClampTable(table);
    EXPECT_EQ(table.rows, 1);
    EXPECT_EQ(table.columns, 200);
    EXPECT_EQ(table.marginLeft, 0);
    EXPECT_EQ(table.marginBottom, 100);
    SheetCounts counts;
    EXPECT_EQ(counts.of(SheetKind::Lines), 25);
    EXPECT_EQ(counts.of(SheetKind::Squares), 50);
    EXPECT_EQ(counts.of(SheetKind::Staves), 8);
    counts.of(SheetKind::Lineature3) = 12;
    EXPECT_EQ(counts.lineature[2], 12);
}

TEST(SheetMenu, EntriesInOrderWithTheirDialogs) {
    QStringList captions;
    for (const SheetMenuEntry& entry : SheetMenu())
        captions << entry.caption;
    EXPECT_EQ(captions.size(), 38);
    EXPECT_EQ(captions.at(0), QStringLiteral("Leeres Blatt - wei\u00df"));
    EXPECT_EQ(captions.at(3), QStringLiteral("Linien weit (10)"));
    EXPECT_EQ(captions.at(6), QStringLiteral("Linien frei..."));
    EXPECT_EQ(captions.at(7), QStringLiteral("Kariert gro\u00df (20)"));
    EXPECT_EQ(captions.at(13), QStringLiteral("Notenlinien eng (7)"));
    EXPECT_EQ(captions.at(15), QStringLiteral("Tabelle 6x2"));
    EXPECT_EQ(captions.at(21), QStringLiteral("Tabelle frei..."));
    EXPECT_EQ(captions.at(24), QStringLiteral("Lineatur 1. Klasse eng (7)"));
    EXPECT_EQ(captions.at(33), QStringLiteral("Lineatur 3. Klasse frei..."));
    EXPECT_EQ(captions.at(36), QStringLiteral("Lineatur 4. Klasse eng (16)"));
    const SheetMenuEntry& table = SheetMenu().at(18);
    EXPECT_EQ(table.pattern.rows, 12);
    EXPECT_EQ(table.pattern.columns, 2);
    EXPECT_EQ(SheetMenu().at(10).dialogCaption, QStringLiteral("Kariertes Blatt"));
    EXPECT_EQ(SheetMenu().at(14).dialogCaption, QStringLiteral("Blatt mit Notenlinien"));
    EXPECT_EQ(SheetMenu().at(2).dialog, SheetDialog::Colour);
}

TEST(SheetMenu, CommandLineNames) {
    SheetPattern pattern;
    ASSERT_TRUE(SheetByName(QStringLiteral("lineatur3"), pattern));
    EXPECT_EQ(pattern.kind, SheetKind::Lineature3);
    EXPECT_EQ(pattern.count, 6);
    ASSERT_TRUE(SheetByName(QStringLiteral("gruen"), pattern));
    EXPECT_EQ(pattern.background, kBoardGreen);
    EXPECT_FALSE(SheetByName(QStringLiteral("Linien"), pattern));
    EXPECT_EQ(SheetNames().size(), 10);
}

TEST(SheetDocument, TheSheetIsTheWholePageOfAnUntitledDocument) {
    test::SessionFixture fixture;
    fixture.session.header().Titel = QStringLiteral("Alt");
    fixture.session.header().RandErw = {0.1, 0.1, 0.1, 0.1};
    fixture.session.header().Modified = true;
    fixture.session.AddObject({.Typ = ObjectKind::FixedLabel, .Cap = QStringLiteral("x")});
    InstallSheet(fixture.session, MakeSheet(SheetPattern(), QSize(640, 480)), NewSheetTitle());
    const Document& document = fixture.session.document();
    EXPECT_EQ(document.Header.Titel, QStringLiteral("Neuer Tafelanschrieb"));
    EXPECT_FALSE(document.Header.Modified);
    EXPECT_EQ(document.ObjectCount(), 0);
    EXPECT_EQ(document.BaseImage.Image.size(), QSize(640, 480));
    EXPECT_EQ(document.Header.RandErw.Left, 0.0);
    EXPECT_EQ(document.Header.RandErw.Bottom, 0.0);
    EXPECT_EQ(ChronicleSheetTitle(QStringLiteral("Nr. 003 - 10:15 Uhr")),
              QStringLiteral("Tafelanschrieb Nr. 003 - 10:15 Uhr"));
}

} // namespace
} // namespace quindor
