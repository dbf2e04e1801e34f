#pragma once

#include "network/control_grid.h"

#include <QAbstractTableModel>
#include <QTableView>
#include <QWidget>

namespace quindor {

// The control grid as a table model: the grid's header row and first column become the
// view's headers, which stay in place while the participants scroll.
class ControlGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ControlGridModel(ControlGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    // The grid got new columns.
    void prepared();
    // A query mark changed, so the class overview may have.
    void marksChanged();

private:
    ControlGrid& grid_;
    int rows_ = 0;
};

// TabGrid: the participant grid with its fixed light-yellow header row and number column,
// rows 16 pixels high, whole rows selected, columns as wide as the grid says.
class ControlGridView : public QTableView {
    Q_OBJECT
public:
    ControlGridView(ControlGrid& grid, QWidget* parent = nullptr);
    void applyColumnWidths();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ControlGrid& grid_;
};

// Under the grid, aligned with the query columns: how many participants solved each query
// and how many failed it at least once.
class ClassOverview : public QWidget {
    Q_OBJECT
public:
    ClassOverview(ControlGrid& grid, ControlGridView& view, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ControlGrid& grid_;
    ControlGridView& view_;
};

} // namespace quindor
