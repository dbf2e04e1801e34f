#pragma once

#include <QList>
#include <QScrollArea>

class QAction;
class QMenu;

namespace quindor {

// The topic entries of a long list, shown in the topic menu as two columns: the entries before
// the break index in the first, the rest in the second. Each entry is a button for its menu
// action (caption, check mark, trigger); a click closes the menu first. When the columns are
// taller than the screen allows, they scroll.
class TopicColumns : public QScrollArea {
    Q_OBJECT
public:
    TopicColumns(const QList<QAction*>& entries, int columnBreak, QMenu* menu, int maxHeight);
};

} // namespace quindor
