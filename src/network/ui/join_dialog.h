#pragma once

#include "core/messages.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace quindor {

// "An Netzwerk-Übung teilnehmen": waits until a network exercise is published in the
// communication folder and takes the participant's name.
class TNetzUebungTnStartForm : public QDialog {
    Q_OBJECT
public:
    struct Check {
        bool available = false;
        QString title;
    };
    // check: whether a network exercise is published, with its title.
    TNetzUebungTnStartForm(Messages& messages, std::function<Check()> check,
                           QWidget* parent = nullptr);

    QLineEdit* nameField() const { return TNameEdit; }
    QLabel* statusField() const { return status_; }
    QPushButton* joinButton() const { return join_; }
    QTimer* checkTimer() const { return NetzCheckTimer1; }
    QString name() const { return TNameEdit->text(); }

    // One tick of the check.
    void checkNow();
    void joinClicked();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void setStatus(const QString& text, const QColor& colour);

    Messages& messages_;
    std::function<Check()> check_;
    QLineEdit* TNameEdit;
    QLabel* status_;
    QPushButton* join_;
    QTimer* NetzCheckTimer1;
};

} // namespace quindor
