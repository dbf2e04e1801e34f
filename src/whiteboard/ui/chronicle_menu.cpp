#include "whiteboard/ui/chronicle_menu.h"

#include <QToolButton>
#include <QWidgetAction>

namespace quindor {

ChronicleMenu::ChronicleMenu(QSize thumbnailSize, QWidget* parent)
    : QMenu(parent), thumbnailSize_(thumbnailSize) {
    setObjectName(QStringLiteral("ChronikMenu"));
    placeholder_ = addAction(QStringLiteral("Aktueller Bildschirm"));
    placeholder_->setVisible(false);
}

void ChronicleMenu::addEntry(int listIndex, const QString& caption, const QImage& picture) {
    auto* entry = new QWidgetAction(this);
    entry->setText(caption);
    entry->setData(listIndex);
    auto* button = new QToolButton;
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setIconSize(thumbnailSize_);
    // The whole screen shrunk to the thumbnail, its proportions given up for a uniform list.
    button->setIcon(QIcon(QPixmap::fromImage(
        picture.scaled(thumbnailSize_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))));
    button->setText(caption);
    button->setAccessibleName(caption);
    entry->setDefaultWidget(button);
    connect(button, &QToolButton::clicked, entry, &QAction::trigger);
    connect(entry, &QAction::triggered, this, [this, listIndex] {
        close();
        emit entryChosen(listIndex);
    });
    const QList<QAction*> all = actions();
    const qsizetype after = all.indexOf(placeholder_) + 1;
    insertAction(after < all.size() ? all.at(after) : nullptr, entry);
}

void ChronicleMenu::clearEntries() {
    for (QAction* entry : entries()) {
        removeAction(entry);
        delete entry;
    }
}

QList<QAction*> ChronicleMenu::entries() const {
    QList<QAction*> list = actions();
    list.removeAll(placeholder_);
    return list;
}

} // namespace quindor
