#include "network/ui/control_grid_view.h"

#include "core/colour.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>

namespace quindor {

namespace {

constexpr int kRowHeight = 16;

QColor FixedColour() {
    return ToQColor(MakeWinColor(255, 255, 215));
}

// Small enough for "ff ok" in a query column of 25 pixels and "100.0 %" in one of 40.
QFont GridFont() {
    return QFont(QStringLiteral("Arial"), 8);
}

} // namespace

ControlGridModel::ControlGridModel(ControlGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), rows_(std::max(0, grid.rowCount() - 1)) {
    ControlGrid::Listener listener;
    listener.reset = [this] {
        beginResetModel();
        rows_ = std::max(0, grid_.rowCount() - 1);
        endResetModel();
        emit prepared();
        emit marksChanged();
    };
    listener.rowsChanged = [this](int rows) {
        if (rows - 1 <= rows_)
            return;
        beginInsertRows(QModelIndex(), rows_, rows - 2);
        rows_ = rows - 1;
        endInsertRows();
    };
    listener.cellChanged = [this](int column, int row) {
        if (row == 0) {
            emit headerDataChanged(Qt::Horizontal, column - 1, column - 1);
        } else if (column == 0) {
            emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
        } else {
            const QModelIndex changed = index(row - 1, column - 1);
            emit dataChanged(changed, changed, {Qt::DisplayRole});
            if (column >= ControlGrid::kFirstQueryColumn)
                emit marksChanged();
        }
    };
    grid_.setListener(std::move(listener));
}

int ControlGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int ControlGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, grid_.columnCount() - 1);
}

QVariant ControlGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int column = index.column() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return grid_.cell(column, index.row() + 1);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            Qt::AlignVCenter | (ControlGrid::centred(column) ? Qt::AlignHCenter : Qt::AlignLeft));
    case Qt::BackgroundRole:
        return QColor(Qt::white);
    default:
        return {};
    }
}

QVariant ControlGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    return orientation == Qt::Horizontal ? grid_.cell(section + 1, 0) : grid_.cell(0, section + 1);
}

ControlGridView::ControlGridView(ControlGrid& grid, QWidget* parent)
    : QTableView(parent), grid_(grid) {
    setObjectName(QStringLiteral("TabGrid"));
    setFont(GridFont());
    setTextElideMode(Qt::ElideNone);
    auto* model = new ControlGridModel(grid, this);
    setModel(model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setMinimumSectionSize(12);
    horizontalHeader()->setFixedHeight(kRowHeight + 2);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    // Colours through the palette: a style sheet would have every cell drawn the slow way.
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        QPalette palette = header->palette();
        palette.setColor(QPalette::Button, FixedColour());
        palette.setColor(QPalette::Window, FixedColour());
        palette.setColor(QPalette::ButtonText, Qt::black);
        header->setPalette(palette);
    }
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, Qt::white);
    setPalette(palette);
    // The corner above the numbers heads the first column.
    setCornerButtonEnabled(false);
    if (auto* corner = findChild<QAbstractButton*>())
        corner->installEventFilter(this);
    connect(model, &ControlGridModel::prepared, this, &ControlGridView::applyColumnWidths);
    applyColumnWidths();
}

void ControlGridView::applyColumnWidths() {
    verticalHeader()->setFixedWidth(grid_.columnWidth(0));
    for (int c = 1; c < grid_.columnCount(); ++c)
        horizontalHeader()->resizeSection(c - 1, grid_.columnWidth(c));
}

bool ControlGridView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        auto* corner = static_cast<QWidget*>(watched);
        QPainter painter(corner);
        painter.fillRect(corner->rect(), FixedColour());
        painter.setPen(QColor(0xa0, 0xa0, 0xa0));
        painter.drawLine(corner->rect().topRight(), corner->rect().bottomRight());
        painter.drawLine(corner->rect().bottomLeft(), corner->rect().bottomRight());
        painter.setPen(Qt::black);
        painter.drawText(corner->rect().adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         grid_.cell(0, 0));
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

ClassOverview::ClassOverview(ControlGrid& grid, ControlGridView& view, QWidget* parent)
    : QWidget(parent), grid_(grid), view_(view) {
    setObjectName(QStringLiteral("KlassenUebersicht"));
    setFont(GridFont());
    const auto repaint = [this] { update(); };
    connect(static_cast<ControlGridModel*>(view.model()), &ControlGridModel::marksChanged, this,
            repaint);
    connect(view.horizontalHeader(), &QHeaderView::sectionResized, this, repaint);
    connect(view.horizontalScrollBar(), &QScrollBar::valueChanged, this, repaint);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize ClassOverview::sizeHint() const {
    return {200, 2 * kRowHeight + 3};
}

void ClassOverview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (grid_.queryCount() <= 0)
        return;
    QHeaderView* header = view_.horizontalHeader();
    // Columns lie where the table draws them: behind its frame and number column.
    const int origin =
        view_.viewport()->mapTo(window(), QPoint(0, 0)).x() - mapTo(window(), QPoint(0, 0)).x();
    const int firstQuery = ControlGrid::kFirstQueryColumn - 1;
    const int labelRight = origin + header->sectionViewportPosition(firstQuery);
    const std::vector<ControlGrid::QueryTally>& tally = grid_.tally();
    int participants = 0;
    for (int r = 1; r < grid_.rowCount(); ++r)
        participants += !grid_.cell(0, r).isEmpty();
    const QString captions[2] = {QStringLiteral("Klassenübersicht: ") +
                                     ControlGrid::solvedCaption(),
                                 ControlGrid::failedCaption()};
    const QColor colours[2] = {ToQColor(MakeWinColor(0, 128, 0)),
                               ToQColor(MakeWinColor(200, 0, 0))};
    for (int line = 0; line < 2; ++line) {
        const int y = 1 + line * (kRowHeight + 1);
        const QRect label(0, y, std::max(0, labelRight - 4), kRowHeight);
        painter.setPen(Qt::black);
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, captions[line]);
        for (size_t q = 0; q < tally.size(); ++q) {
            const int section = firstQuery + static_cast<int>(q);
            const int x = origin + header->sectionViewportPosition(section);
            const QRect cell(x, y, header->sectionSize(section) - 1, kRowHeight);
            if (cell.right() < labelRight)
                continue;
            const int count = line == 0 ? tally[q].solved : tally[q].failed;
            // The share of the class tints the cell: the items most missed stand out.
            const double share = participants > 0 ? double(count) / participants : 0.0;
            QColor tint = colours[line];
            tint.setAlphaF(0.12 + 0.5 * std::clamp(share, 0.0, 1.0));
            painter.fillRect(cell, ToQColor(MakeWinColor(255, 255, 215)));
            if (count > 0)
                painter.fillRect(cell, tint);
            painter.setPen(QColor(0xa0, 0xa0, 0xa0));
            painter.drawRect(cell.adjusted(0, 0, 0, -1));
            painter.setPen(Qt::black);
            painter.drawText(cell, Qt::AlignCenter, QString::number(count));
        }
    }
}

} // namespace quindor
