#pragma once

#include <QLabel>
#include <QToolButton>
#include <QWidget>

namespace quindor {

// The strip above the view: the document title (click hides and shows it) and the two small
// buttons that step to the previous and next document of the topic list.
class TitlePanel : public QWidget {
    Q_OBJECT
public:
    explicit TitlePanel(QWidget* parent = nullptr);

    // prefix is "(n) " or a single blank.
    void setTitle(const QString& prefix, const QString& title);
    bool titleShown() const { return shown_; }
    void toggleTitle();
    QLabel* label() const { return label_; }
    QToolButton* previousButton() const { return previous_; }
    QToolButton* nextButton() const { return next_; }

signals:
    void previousRequested();
    void nextRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();

    QLabel* label_;
    QToolButton* previous_;
    QToolButton* next_;
    QString prefix_ = QStringLiteral(" ");
    QString title_;
    bool shown_ = true;
};

} // namespace quindor
