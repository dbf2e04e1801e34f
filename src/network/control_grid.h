#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace quindor {

// The content of the control display's participant grid: a header row, then one row per
// participant that announced itself; thirteen fixed columns and one mark column per query.
// Besides the cells it keeps, for every query column, how many participants solved the query
// and how many failed it at least once (the class overview).
class ControlGrid {
public:
    static constexpr int kFixedColumns = 13;
    // The first query column; query number q is column q + 12.
    static constexpr int kFirstQueryColumn = 13;

    struct QueryTally {
        int solved = 0;
        int failed = 0;
        bool operator==(const QueryTally&) const = default;
    };

    // What a window showing the grid learns of its changes.
    struct Listener {
        std::function<void()> reset;
        std::function<void(int rows)> rowsChanged;
        std::function<void(int column, int row)> cellChanged;
    };

    // New columns for `queries` query columns (0 for typed answers): the headers, one empty
    // participant row. Column 5 reads "Restzeit" under a time limit; column 12 names the grade
    // or the points of the scale.
    void prepare(int queries, bool timeLimit, int bewertSkala);

    int columnCount() const { return static_cast<int>(widths_.size()); }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    int queryCount() const { return columnCount() - kFixedColumns; }
    QString cell(int column, int row) const;
    // Cells outside the grid are left alone.
    void setCell(int column, int row, const QString& text);
    // Grows (never shrinks) the grid to `rows` rows.
    void growTo(int rows);
    int columnWidth(int column) const;
    // Every column but the computer and the participant name is centred.
    static bool centred(int column) { return column != 1 && column != 2; }

    // Every row with its cells joined by tabs, each ended by CR LF, the header row first.
    QString toText() const;
    // The rows as lists of cells, the header row first.
    std::vector<QStringList> rows() const;
    const std::vector<QueryTally>& tally() const { return tally_; }
    // The class overview as two rows of the grid's columns: how many participants solved each
    // query, and how many failed it at least once.
    std::vector<QStringList> overviewRows() const;
    static QString solvedCaption() { return QStringLiteral("gelöst"); }
    static QString failedCaption() { return QStringLiteral("mind. 1x falsch"); }

    void setListener(Listener listener) { listener_ = std::move(listener); }

private:
    static QueryTally markTally(const QString& mark);

    std::vector<QStringList> rows_;
    std::vector<int> widths_;
    std::vector<QueryTally> tally_;
    Listener listener_;
};

} // namespace quindor
