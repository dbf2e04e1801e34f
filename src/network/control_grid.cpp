#include "network/control_grid.h"

#include "exercise/grading.h"

namespace quindor {

void ControlGrid::prepare(int queries, bool timeLimit, int bewertSkala) {
    const int columns = kFixedColumns + std::max(0, queries);
    widths_.assign(static_cast<size_t>(columns), 40);
    const int fixed[][2] = {{0, 30}, {1, 60}, {2, 60}, {3, 45}, {4, 50}, {11, 50}, {12, 30}};
    for (const auto& [column, width] : fixed)
        widths_[static_cast<size_t>(column)] = width;
    QStringList header = {QStringLiteral("Nr."),
                          QStringLiteral("Rechner"),
                          QStringLiteral("Teilnehmer"),
                          QStringLiteral("Status"),
                          QStringLiteral("Beginn"),
                          timeLimit ? QStringLiteral("Restzeit") : QStringLiteral("Zeit"),
                          QStringLiteral("Anz."),
                          QStringLiteral("Richtig"),
                          QStringLiteral("Falsch"),
                          QStringLiteral("Quote"),
                          QStringLiteral("Offen"),
                          QStringLiteral("Leistung"),
                          UnitWord(bewertSkala)};
    for (int q = 1; q <= queries; ++q) {
        header.append(QString::number(q));
        widths_[static_cast<size_t>(q + kFirstQueryColumn - 1)] = 25;
    }
    rows_.assign(2, QStringList());
    rows_[0] = header;
    QStringList empty;
    for (int c = 0; c < columns; ++c)
        empty.append(QString());
    rows_[1] = empty;
    tally_.assign(static_cast<size_t>(std::max(0, queries)), QueryTally());
    if (listener_.reset)
        listener_.reset();
}

QString ControlGrid::cell(int column, int row) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return QString();
    return rows_[static_cast<size_t>(row)].at(column);
}

ControlGrid::QueryTally ControlGrid::markTally(const QString& mark) {
    return {mark.endsWith(QStringLiteral("ok")) ? 1 : 0, mark.startsWith(QLatin1Char('f')) ? 1 : 0};
}

void ControlGrid::setCell(int column, int row, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return;
    QString& target = rows_[static_cast<size_t>(row)][column];
    if (target == text)
        return;
    if (row > 0 && column >= kFirstQueryColumn) {
        QueryTally& tally = tally_[static_cast<size_t>(column - kFirstQueryColumn)];
        const QueryTally before = markTally(target);
        const QueryTally after = markTally(text);
        tally.solved += after.solved - before.solved;
        tally.failed += after.failed - before.failed;
    }
    target = text;
    if (listener_.cellChanged)
        listener_.cellChanged(column, row);
}

void ControlGrid::growTo(int rows) {
    if (rows <= rowCount())
        return;
    QStringList empty;
    for (int c = 0; c < columnCount(); ++c)
        empty.append(QString());
    rows_.resize(static_cast<size_t>(rows), empty);
    if (listener_.rowsChanged)
        listener_.rowsChanged(rows);
}

int ControlGrid::columnWidth(int column) const {
    if (column < 0 || column >= columnCount())
        return 0;
    return widths_[static_cast<size_t>(column)];
}

QString ControlGrid::toText() const {
    QString text;
    for (const QStringList& row : rows_)
        text += row.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
    return text;
}

std::vector<QStringList> ControlGrid::overviewRows() const {
    std::vector<QStringList> rows(2);
    for (int c = 0; c < columnCount(); ++c) {
        rows[0].append(QString());
        rows[1].append(QString());
    }
    rows[0][1] = QStringLiteral("Klassenübersicht");
    rows[0][2] = solvedCaption();
    rows[1][2] = failedCaption();
    for (size_t q = 0; q < tally_.size(); ++q) {
        const int column = kFirstQueryColumn + static_cast<int>(q);
        rows[0][column] = QString::number(tally_[q].solved);
        rows[1][column] = QString::number(tally_[q].failed);
    }
    return rows;
}

std::vector<QStringList> ControlGrid::rows() const {
    return rows_;
}

} // namespace quindor
