#pragma once

#include "core/colour.h"

#include <QImage>
#include <QPainter>
#include <QString>

#include <vector>

namespace quindor {

// The backgrounds of whiteboard sheets.
enum class SheetKind {
    Blank,
    Lines,
    Squares,
    Staves,
    Lineature1,
    Lineature2,
    Lineature3,
    Lineature4,
    Table,
};

constexpr WinColor kSheetWhite = MakeWinColor(255, 255, 255);
constexpr WinColor kBoardGreen = MakeWinColor(0, 64, 0);
constexpr WinColor kRuleGrey = MakeWinColor(184, 184, 184);

struct SheetPattern {
    SheetKind kind = SheetKind::Blank;
    // Lines, squares per sheet height, staves or lineature groups.
    int count = 1;
    // The table's grid and its margins in percent of the sheet.
    int rows = 6;
    int columns = 3;
    int marginLeft = 5;
    int marginRight = 5;
    int marginTop = 5;
    int marginBottom = 5;
    WinColor background = kSheetWhite;
    WinColor line = kRuleGrey;
};

// One ruling line, one pixel wide: along y = at (horizontal) or x = at (vertical), from `from`
// up to, but not including, `to`. Lines may lie partly or wholly outside the sheet.
struct RuleLine {
    bool horizontal = true;
    int at = 0;
    int from = 0;
    int to = 0;

    bool operator==(const RuleLine&) const = default;
};

// The ruling of a sheet of the given size.
std::vector<RuleLine> SheetRuling(const SheetPattern& pattern, QSize size);
// Fills size with the background and draws the ruling on any painter (screen picture, PDF).
void DrawSheet(QPainter& painter, const SheetPattern& pattern, QSize size);
QImage MakeSheet(const SheetPattern& pattern, QSize size);

// What a count of a free variant is limited to: 200 lines or squares, 20 staves or lineatures
// of classes 1 and 2, 50 of class 3, 100 of class 4.
int MaxCount(SheetKind kind);
int ClampCount(SheetKind kind, int count);
// The table's rows and columns (1-200) and margins (0-100 %).
SheetPattern ClampTable(SheetPattern pattern);

// The counts the free variants remember until the program ends.
struct SheetCounts {
    int lines = 25;
    int squares = 50;
    int staves = 8;
    int lineature[4] = {8, 8, 8, 8};

    int& of(SheetKind kind);
};

// The sheet menu, in order; a free entry asks for its values first.
enum class SheetDialog { None, Colour, Count, Table };
struct SheetMenuEntry {
    QString caption;
    SheetPattern pattern;
    SheetDialog dialog = SheetDialog::None;
    // The count dialog's caption.
    QString dialogCaption;
    // A separator comes before this entry.
    bool groupStart = false;
};
const std::vector<SheetMenuEntry>& SheetMenu();

// The sheet a name of the command-line tool stands for ("weiss", "gruen", "linien", "karos",
// "noten", "lineatur1" ... "lineatur4", "tabelle"), with the first count of its menu group;
// false for an unknown name.
bool SheetByName(const QString& name, SheetPattern& pattern);
QStringList SheetNames();

} // namespace quindor
