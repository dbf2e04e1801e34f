#include "whiteboard/sheets.h"

#include "core/rounding.h"

#include <algorithm>
#include <cmath>

namespace quindor {

namespace {

void Horizontal(std::vector<RuleLine>& lines, int y, int from, int to) {
    lines.push_back({true, y, from, to});
}

void Vertical(std::vector<RuleLine>& lines, int x, int from, int to) {
    lines.push_back({false, x, from, to});
}

void LinesRuling(std::vector<RuleLine>& out, int n, int w, int h) {
    // A sheet lower than its count of lines still gets one line per pixel row.
    const int s = std::max(1, h / n);
    const int k = h / s;
    for (int i = 1; i <= k; ++i)
        Horizontal(out, s * i - 1, 0, w);
}

void SquaresRuling(std::vector<RuleLine>& out, int n, int w, int h) {
    const int s = std::max(1, h / n);
    for (int i = 0; i <= h / s; ++i)
        Horizontal(out, s * i, 0, w);
    for (int i = 0; i <= w / s; ++i)
        Vertical(out, s * i, 0, h);
}

void StavesRuling(std::vector<RuleLine>& out, int n, int w, int h) {
    const double m = static_cast<double>(h) / (9.0 * n + 5.0);
    const int g = static_cast<int>(std::floor(m));
    for (int r = 0; r < n; ++r) {
        for (int i = 0; i < 5; ++i)
            Horizontal(out, RoundHalfEven(9.0 * r * m) + (i + 5) * g, 0, w);
    }
}

void TableRuling(std::vector<RuleLine>& out, const SheetPattern& pattern, int w, int h) {
    const int x0 = RoundHalfEven(pattern.marginLeft * w / 100.0);
    const int y0 = RoundHalfEven(pattern.marginTop * h / 100.0);
    const int x1 = RoundHalfEven((1.0 - pattern.marginRight / 100.0) * (w - 1));
    const int y1 = RoundHalfEven((1.0 - pattern.marginBottom / 100.0) * (h - 1));
    const int rows = std::max(1, pattern.rows);
    const int columns = std::max(1, pattern.columns);
    for (int k = 0; k <= rows; ++k)
        Horizontal(out, y0 + RoundHalfEven(static_cast<double>(k) * (y1 - y0) / rows), x0, x1);
    for (int k = 0; k <= columns; ++k)
        Vertical(out, x0 + RoundHalfEven(static_cast<double>(k) * (x1 - x0) / columns), y0, y1);
}

void LineatureRuling(std::vector<RuleLine>& out, int schoolClass, int n, int w, int h) {
    const int x0 = RoundHalfEven(w * 5 / 100.0);
    const int y0 = RoundHalfEven(h * 5 / 100.0);
    const int x1 = RoundHalfEven((w - 1) * 0.95);
    const int y1 = RoundHalfEven((h - 1) * 0.95);
    const double pitch = static_cast<double>(y1 - y0) / n;
    // The first class writes smaller and lower in its pitch.
    const double share = schoolClass == 1 ? 0.6 : 0.7;
    const double above = schoolClass == 1 ? 0.2 : 0.15;
    for (int r = 0; r < n; ++r) {
        const int group = RoundHalfEven(pitch * share);
        const int yA = y0 + RoundHalfEven(r * pitch + group * above);
        const int outer = RoundHalfEven(group * 75 / 245.0);
        const int middle = RoundHalfEven(group * 95 / 245.0);
        const int yB = yA + outer;
        const int yC = yB + middle;
        const int yD = yC + outer;
        switch (schoolClass) {
        case 1:
        case 2:
            for (const int y : {yA, yB, yC, yD})
                Horizontal(out, y, x0, x1);
            Vertical(out, x0, yA, yD);
            Vertical(out, x1, yA, yD);
            break;
        case 3:
            Horizontal(out, yB, x0, x1);
            Horizontal(out, yC, x0, x1);
            Vertical(out, x0, yB, yC);
            Vertical(out, x1, yB, yC);
            break;
        default:
            Horizontal(out, yC, x0, x1);
            break;
        }
    }
}

int LineatureClass(SheetKind kind) {
    return static_cast<int>(kind) - static_cast<int>(SheetKind::Lineature1) + 1;
}

} // namespace

std::vector<RuleLine> SheetRuling(const SheetPattern& pattern, QSize size) {
    std::vector<RuleLine> lines;
    const int w = size.width();
    const int h = size.height();
    if (w <= 0 || h <= 0)
        return lines;
    const int n = std::max(1, pattern.count);
    switch (pattern.kind) {
    case SheetKind::Blank:
        break;
    case SheetKind::Lines:
        LinesRuling(lines, n, w, h);
        break;
    case SheetKind::Squares:
        SquaresRuling(lines, n, w, h);
        break;
    case SheetKind::Staves:
        StavesRuling(lines, n, w, h);
        break;
    case SheetKind::Lineature1:
    case SheetKind::Lineature2:
    case SheetKind::Lineature3:
    case SheetKind::Lineature4:
        LineatureRuling(lines, LineatureClass(pattern.kind), n, w, h);
        break;
    case SheetKind::Table:
        TableRuling(lines, pattern, w, h);
        break;
    }
    return lines;
}

void DrawSheet(QPainter& painter, const SheetPattern& pattern, QSize size) {
    painter.fillRect(QRect(QPoint(0, 0), size), ToQColor(pattern.background));
    const QColor colour = ToQColor(pattern.line);
    for (const RuleLine& line : SheetRuling(pattern, size)) {
        // Plain pixels: each line is a rectangle one pixel across.
        const int from = std::min(line.from, line.to);
        const int length = std::abs(line.to - line.from);
        if (length == 0)
            continue;
        painter.fillRect(line.horizontal ? QRect(from, line.at, length, 1)
                                         : QRect(line.at, from, 1, length),
                         colour);
    }
}

QImage MakeSheet(const SheetPattern& pattern, QSize size) {
    QImage sheet(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&sheet);
    DrawSheet(painter, pattern, size);
    return sheet;
}

int MaxCount(SheetKind kind) {
    switch (kind) {
    case SheetKind::Staves:
    case SheetKind::Lineature1:
    case SheetKind::Lineature2:
        return 20;
    case SheetKind::Lineature3:
        return 50;
    case SheetKind::Lineature4:
        return 100;
    default:
        return 200;
    }
}

int ClampCount(SheetKind kind, int count) {
    return std::clamp(count, 1, MaxCount(kind));
}

SheetPattern ClampTable(SheetPattern pattern) {
    pattern.rows = std::clamp(pattern.rows, 1, 200);
    pattern.columns = std::clamp(pattern.columns, 1, 200);
    for (int* margin :
         {&pattern.marginLeft, &pattern.marginRight, &pattern.marginTop, &pattern.marginBottom})
        *margin = std::clamp(*margin, 0, 100);
    return pattern;
}

int& SheetCounts::of(SheetKind kind) {
    switch (kind) {
    case SheetKind::Squares:
        return squares;
    case SheetKind::Staves:
        return staves;
    case SheetKind::Lineature1:
    case SheetKind::Lineature2:
    case SheetKind::Lineature3:
    case SheetKind::Lineature4:
        return lineature[LineatureClass(kind) - 1];
    default:
        return lines;
    }
}

namespace {

SheetPattern Ruled(SheetKind kind, int count) {
    SheetPattern pattern;
    pattern.kind = kind;
    pattern.count = count;
    return pattern;
}

SheetPattern TableOf(int rows, int columns) {
    SheetPattern pattern;
    pattern.kind = SheetKind::Table;
    pattern.rows = rows;
    pattern.columns = columns;
    return pattern;
}

void AddRuled(std::vector<SheetMenuEntry>& menu, SheetKind kind, const QString& name,
              const QString (&sizes)[3], const int (&counts)[3], const QString& freeCaption) {
    for (int i = 0; i < 3; ++i)
        menu.push_back({QStringLiteral("%1 %2 (%3)").arg(name, sizes[i]).arg(counts[i]),
                        Ruled(kind, counts[i]), SheetDialog::None, QString(), i == 0});
    menu.push_back({name + QStringLiteral(" frei..."), Ruled(kind, counts[0]), SheetDialog::Count,
                    freeCaption, false});
}

} // namespace

const std::vector<SheetMenuEntry>& SheetMenu() {
    static const std::vector<SheetMenuEntry> kMenu = [] {
        std::vector<SheetMenuEntry> menu;
        SheetPattern green;
        green.background = kBoardGreen;
        menu.push_back({QStringLiteral("Leeres Blatt - wei\u00df"), SheetPattern(),
                        SheetDialog::None, QString(), false});
        menu.push_back(
            {QStringLiteral("Leeres Blatt - tafelgr\u00fcn"), green, SheetDialog::None, {}, false});
        menu.push_back({QStringLiteral("Leeres Blatt - frei..."),
                        SheetPattern(),
                        SheetDialog::Colour,
                        {},
                        false});
        const QString wide = QStringLiteral("weit");
        const QString medium = QStringLiteral("mittel");
        AddRuled(menu, SheetKind::Lines, QStringLiteral("Linien"), {wide, medium, "eng"},
                 {10, 15, 20}, QStringLiteral("Blatt mit Linien"));
        AddRuled(menu, SheetKind::Squares, QStringLiteral("Kariert"),
                 {QStringLiteral("gro\u00df"), medium, QStringLiteral("klein")}, {20, 30, 40},
                 QStringLiteral("Kariertes Blatt"));
        AddRuled(menu, SheetKind::Staves, QStringLiteral("Notenlinien"), {wide, medium, "eng"},
                 {3, 5, 7}, QStringLiteral("Blatt mit Notenlinien"));
        bool first = true;
        for (const auto& [rows, columns] :
             {std::pair{6, 2}, {6, 3}, {6, 4}, {12, 2}, {12, 3}, {12, 4}}) {
            menu.push_back({QStringLiteral("Tabelle %1x%2").arg(rows).arg(columns),
                            TableOf(rows, columns),
                            SheetDialog::None,
                            {},
                            first});
            first = false;
        }
        menu.push_back(
            {QStringLiteral("Tabelle frei..."), TableOf(6, 3), SheetDialog::Table, {}, false});
        const int counts[4][3] = {{3, 5, 7}, {4, 6, 8}, {6, 9, 12}, {8, 12, 16}};
        for (int c = 0; c < 4; ++c) {
            const QString name = QStringLiteral("Lineatur %1. Klasse").arg(c + 1);
            AddRuled(menu, static_cast<SheetKind>(static_cast<int>(SheetKind::Lineature1) + c),
                     name, {wide, medium, "eng"}, counts[c], name);
        }
        return menu;
    }();
    return kMenu;
}

namespace {

struct NamedSheet {
    const char* name;
    SheetPattern pattern;
};

std::vector<NamedSheet> NamedSheets() {
    SheetPattern green;
    green.background = kBoardGreen;
    return {{"weiss", SheetPattern()},
            {"gruen", green},
            {"linien", Ruled(SheetKind::Lines, 10)},
            {"karos", Ruled(SheetKind::Squares, 20)},
            {"noten", Ruled(SheetKind::Staves, 3)},
            {"lineatur1", Ruled(SheetKind::Lineature1, 3)},
            {"lineatur2", Ruled(SheetKind::Lineature2, 4)},
            {"lineatur3", Ruled(SheetKind::Lineature3, 6)},
            {"lineatur4", Ruled(SheetKind::Lineature4, 8)},
            {"tabelle", TableOf(6, 3)}};
}

} // namespace

bool SheetByName(const QString& name, SheetPattern& pattern) {
    for (const NamedSheet& sheet : NamedSheets()) {
        if (name == QLatin1String(sheet.name)) {
            pattern = sheet.pattern;
            return true;
        }
    }
    return false;
}

QStringList SheetNames() {
    QStringList names;
    for (const NamedSheet& sheet : NamedSheets())
        names << QLatin1String(sheet.name);
    return names;
}

} // namespace quindor
