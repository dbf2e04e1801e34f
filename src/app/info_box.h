#pragma once

#include <QDialog>
#include <QLabel>
#include <QScrollArea>

namespace quindor {

// The window "Information" of an info point: the explanation text laid out as a picture in a
// vertically scrolling area, shown beside the main window without blocking it.
class InfoBox : public QDialog {
    Q_OBJECT
public:
    explicit InfoBox(QWidget* parent = nullptr);
    // Lays out the marked-up text and shows the window scrolled to the top.
    void showText(const QString& markedUpText);
    // The text without its style tags, as the clipboard gets it.
    QString plainText() const { return plain_; }
    static QString PlainInfoText(const QString& markedUpText);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QScrollArea* scroll_;
    QLabel* picture_;
    QWidget* buttonRow_ = nullptr;
    QString plain_;
    int pressY_ = 0;
    int pressScroll_ = 0;
    bool dragging_ = false;
};

} // namespace quindor
