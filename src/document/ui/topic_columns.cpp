#include "document/ui/topic_columns.h"

#include <QAction>
#include <QGridLayout>
#include <QMenu>
#include <QScrollBar>
#include <QToolButton>

namespace quindor {

namespace {

QToolButton* EntryButton(QAction* entry, QMenu* menu, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(entry->objectName() + QStringLiteral("Knopf"));
    button->setText(entry->text());
    button->setAutoRaise(true);
    button->setCheckable(true);
    button->setChecked(entry->isChecked());
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // Menu entries, not tool buttons: left-aligned, highlighted under the mouse, the current
    // topic in bold.
    button->setStyleSheet(QStringLiteral(
        "QToolButton { text-align: left; border: none; padding: 3px 18px 3px 22px; }"
        "QToolButton:hover { background: palette(highlight); color: palette(highlighted-text); }"
        "QToolButton:checked { font-weight: bold; }"));
    QObject::connect(entry, &QAction::toggled, button, &QToolButton::setChecked);
    QObject::connect(button, &QToolButton::clicked, entry, [entry, menu, button] {
        button->setChecked(entry->isChecked());
        menu->close();
        entry->trigger();
    });
    return button;
}

} // namespace

TopicColumns::TopicColumns(const QList<QAction*>& entries, int columnBreak, QMenu* menu,
                           int maxHeight) {
    setObjectName(QStringLiteral("ThemenSpalten"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    auto* grid = new QWidget;
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const int split = columnBreak > 0 ? columnBreak : static_cast<int>(entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        const int column = i < split ? 0 : 1;
        const int row = i < split ? i : i - split;
        layout->addWidget(EntryButton(entries.at(i), menu, grid), row, column);
    }
    layout->setRowStretch(layout->rowCount(), 1);
    setWidget(grid);
    const QSize wanted = grid->sizeHint();
    setMinimumWidth(wanted.width() + verticalScrollBar()->sizeHint().width());
    setFixedHeight(std::min(wanted.height(), std::max(120, maxHeight)));
}

} // namespace quindor
