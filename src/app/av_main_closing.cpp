// The end of the program: the questions of a close, the steps that follow it, and the end
// that cannot ask (a desktop session that ends without questions, a request to terminate),
// which keeps unsaved changes for the next start.
#include "app/av_main.h"

#include "core/activity_guard.h"
#include "document/recovery_copy.h"

#include <QCloseEvent>

namespace quindor {

bool MainWindow::confirmClose() {
    ProgramState& state = app_.state;
    if (!MayLeaveCurrentActivity(state, app_.messages))
        return false;
    if (!app_.session.mayReplaceDocument() || !chronicleCleanUp())
        return false;
    return app_.messages.choose(
               QStringLiteral("Beenden"), QStringLiteral("Programm beenden?"),
               {QStringLiteral("Ja, beenden"), QStringLiteral("Nein, weiter arbeiten")}, 0) == 0;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!closeConfirmed_) {
        if (!confirmClose()) {
            event->ignore();
            return;
        }
        // The changes were saved or given up when asked.
        recovery_.discard();
    }
    closeConfirmed_ = true;
    finishClosing();
    event->accept();
}

void MainWindow::finishClosing() {
    if (app_.state.Closing)
        return;
    // A participant leaves its network exercise only once the program really ends, so a
    // refused close keeps its run going.
    network_->programClosing();
    app_.state.Closing = true;
    network_->shutdown();
    writeSettings();
    // A copy kept for the next start waits for whichever program starts next.
    if (recoveryTimer_)
        recoveryTimer_->stop();
    recoveryClaim_ = RecoveryClaim();
}

bool MainWindow::sessionEnding(bool mayAsk) {
    if (mayAsk)
        return close();
    endWithoutQuestions();
    return true;
}

void MainWindow::endWithoutQuestions() {
    if (!closeConfirmed_) {
        // Nobody can be asked to save: the changes wait for the next start instead.
        if (app_.session.header().Modified)
            recoveryClaim_.copy().keep(app_.session);
        closeConfirmed_ = true;
    }
    close();
}

bool MainWindow::offerRecoveryCopy() {
    recoveryClaim_ = RecoveryClaim::take(app_.state.RecoveryFolder);
    return recoveryClaim_.copy().offer(app_.session, app_.messages);
}

} // namespace quindor
