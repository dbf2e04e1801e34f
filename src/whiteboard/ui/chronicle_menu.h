#pragma once

#include <QImage>
#include <QMenu>
#include <QSize>

namespace quindor {

// The chronicle menu ("ChronikMenu"): one entry per screenshot of this run, newest first, each
// with its caption and thumbnail. A hidden placeholder ("Aktueller Bildschirm") heads it; the
// entries follow it.
class ChronicleMenu : public QMenu {
    Q_OBJECT
public:
    ChronicleMenu(QSize thumbnailSize, QWidget* parent = nullptr);

    QSize thumbnailSize() const { return thumbnailSize_; }
    // A new screenshot: `listIndex` names it in the chronicle list.
    void addEntry(int listIndex, const QString& caption, const QImage& picture);
    void clearEntries();
    // The entries, newest first.
    QList<QAction*> entries() const;

signals:
    void entryChosen(int listIndex);

private:
    QSize thumbnailSize_;
    QAction* placeholder_;
};

} // namespace quindor
