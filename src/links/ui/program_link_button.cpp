#include "links/ui/program_link_button.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace quindor {

ProgramLinkButton::ProgramLinkButton(int index, QWidget* parent)
    : QToolButton(parent), index_(index) {
    setObjectName(index == 3 ? QStringLiteral("TastaturBtn")
                             : QStringLiteral("Verknuepfungsfeld%1").arg(index + 1));
    setFocusPolicy(Qt::StrongFocus);
}

void ProgramLinkButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        emit linkPressed(index_, event->button() == Qt::RightButton);
}

void ProgramLinkButton::mouseReleaseEvent(QMouseEvent*) {}

void ProgramLinkButton::keyPressEvent(QKeyEvent* event) {
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (menuKey) {
        emit linkPressed(index_, true);
        return;
    }
    if (!event->isAutoRepeat() &&
        (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
         event->key() == Qt::Key_Enter)) {
        emit linkPressed(index_, false);
        return;
    }
    QToolButton::keyPressEvent(event);
}

void ProgramLinkButton::contextMenuEvent(QContextMenuEvent* event) {
    // The right button's press has opened the dialog already.
    event->accept();
}

} // namespace quindor
