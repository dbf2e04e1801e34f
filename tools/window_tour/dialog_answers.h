// Answers the modal dialogs an action brings up, the way a user at the screen would.
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <vector>

class QWidget;

namespace quindor::tour {

// What to do with a dialog once it is up: look at it, fill it in, press a button. A dialog the
// handler leaves open is cancelled afterwards.
using DialogHandler = std::function<void(QWidget& dialog)>;

// The dialogs an action brings up, one after the other (a dialog opened from within a handler
// is answered by an answers object of its own).
class DialogAnswers {
public:
    DialogAnswers(const QString& what, std::vector<DialogHandler> handlers);
    // Runs the action; the dialogs that did not come up are added to missing.
    void run(const std::function<void()>& action, QStringList& missing);

private:
    void look();

    QString what_;
    std::vector<DialogHandler> handlers_;
    size_t next_ = 0;
    QPointer<QWidget> outer_;
    QTimer timer_;
};

// Presses the button with this text (mnemonic marks ignored); false when there is none.
bool PressButton(QWidget& dialog, const QString& text);
// Accepts a dialog as its default button would.
void Accept(QWidget& dialog);

} // namespace quindor::tour
