#include "window_tour/dialog_answers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>

namespace quindor::tour {

namespace {
// How long a dialog may take to come up after its action.
constexpr int kWaitMilliseconds = 3000;
} // namespace

DialogAnswers::DialogAnswers(const QString& what, std::vector<DialogHandler> handlers)
    : what_(what), handlers_(std::move(handlers)) {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
}

void DialogAnswers::run(const std::function<void()>& action, QStringList& missing) {
    // Called from within a dialog's handler, that dialog is not one of the action's.
    outer_ = QApplication::activeModalWidget();
    next_ = 0;
    if (!handlers_.empty())
        timer_.start();
    action();
    // A dialog may come up once the events of the action are through (the end of a run).
    QElapsedTimer waited;
    waited.start();
    while (next_ < handlers_.size() && waited.elapsed() < kWaitMilliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    timer_.stop();
    for (size_t i = next_; i < handlers_.size(); ++i)
        missing.append(QStringLiteral("%1 (Dialog %2)").arg(what_).arg(i + 1));
}

void DialogAnswers::look() {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || dialog == outer_ || !dialog->isVisible())
        return;
    timer_.stop();
    QApplication::sendPostedEvents();
    handlers_[next_++](*dialog);
    if (dialog->isVisible()) {
        if (auto* box = qobject_cast<QDialog*>(dialog))
            box->reject();
        else
            dialog->close();
    }
    if (next_ < handlers_.size())
        timer_.start();
}

bool PressButton(QWidget& dialog, const QString& text) {
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->isVisible() && button->text().remove(QLatin1Char('&')) == text) {
            button->click();
            return true;
        }
    }
    return false;
}

void Accept(QWidget& dialog) {
    if (auto* box = qobject_cast<QDialog*>(&dialog))
        box->accept();
}

} // namespace quindor::tour
