// The main window's part in the network exercise: the teacher's menu, the join command and
// button, the channel dialog, and the windows the network exercise shows.
#include "app/av_main.h"

#include "network/comm_settings.h"
#include "network/ui/comm_dialog.h"
#include "network/ui/join_dialog.h"
#include "network/ui/master_prot_form.h"
#include "platform/host_identity.h"

#include <QMenuBar>
#include <QVBoxLayout>

namespace quindor {

void MainWindow::createNetworkMenu() {
    teacherMenu_ = menuBar()->addMenu(QStringLiteral("Lehrer&steuerung"));
    teacherMenu_->setObjectName(QStringLiteral("LehrersteuerungMenu"));
    connect(addAction(teacherMenu_, QStringLiteral("Netzwerkuebunginitiieren1"),
                      QStringLiteral("&Netzwerk-Übung initiieren..."), QKeySequence(Qt::Key_F9)),
            &QAction::triggered, this, [this] {
                if (leavePictureEditing(true))
                    network_->initiateCommand();
            });
    connect(addAction(teacherMenu_, QStringLiteral("LehrerNetzwerkUebungbeenden1"),
                      QStringLiteral("Netzwerk-Übung &beenden")),
            &QAction::triggered, this, [this] {
                if (network_->endCommand())
                    controlDisplay()->refreshCaption();
            });
    teacherMenu_->addSeparator();
    connect(addAction(teacherMenu_, QStringLiteral("Kontrollanzeige1"),
                      QStringLiteral("&Kontrollanzeige..."), QKeySequence(Qt::ALT | Qt::Key_F9)),
            &QAction::triggered, this, [this] { controlDisplay()->showDisplay(); });
    connect(addAction(teacherMenu_, QStringLiteral("LehrerBestenlisteNetzwerk1"),
                      QStringLiteral("&Bestenliste Netzwerk-Übung...")),
            &QAction::triggered, this, [this] { ShowBestList(true); });

    QMenu* exercise = findChild<QMenu*>(QStringLiteral("UebungMenu"));
    QAction* individualList = action(QStringLiteral("Bestenliste1"));
    QAction* join = new QAction(QStringLiteral("An Netzwerk-Übung &teilnehmen..."), this);
    join->setObjectName(QStringLiteral("Netzwerkuebung1"));
    join->setShortcut(QKeySequence(Qt::Key_F8));
    // Joining asks to save the document it replaces.
    connect(join, &QAction::triggered, this, [this] {
        if (leavePictureEditing(false))
            network_->joinCommand();
    });
    exercise->insertAction(action(QStringLiteral("UebungAbbrechenItem")), join);
    QAction* networkList = new QAction(QStringLiteral("Besten&liste Netzwerk-Übung..."), this);
    networkList->setObjectName(QStringLiteral("BestenlisteNetzwerk1"));
    connect(networkList, &QAction::triggered, this, [this] { ShowBestList(true); });
    const QList<QAction*> items = exercise->actions();
    const qsizetype after = items.indexOf(individualList) + 1;
    exercise->insertAction(after < items.size() ? items.at(after) : nullptr, networkList);
}

void MainWindow::setupNetwork() {
    network_ = std::make_unique<NetworkSession>(app_.session, app_.state, app_.settings, *run_,
                                                app_.messages, platform::HostIdentity::system(),
                                                resolver_, this);

    QMenu* options = findChild<QMenu*>(QStringLiteral("OptionenMenu"));
    QAction* communication = new QAction(QStringLiteral("Netzwerk-&Kommunikation..."), this);
    communication->setObjectName(QStringLiteral("Kommunikationsverzeichnis1"));
    connect(communication, &QAction::triggered, this, &MainWindow::communicationCommand);
    options->insertAction(action(QStringLiteral("SchriftartItem")), communication);

    // "Netz-Übung teilnehmen" below "Individual- Übung", where the status panel starts.
    joinButton_ = new QToolButton(toolArea_);
    joinButton_->setObjectName(QStringLiteral("NetzUebTeilnehmenBtn"));
    joinButton_->setText(QStringLiteral("Netz-Übung teilnehmen"));
    joinButton_->setAccessibleName(joinButton_->text());
    joinButton_->setCheckable(true);
    joinButton_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    joinButton_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(joinButton_, &QToolButton::clicked, this, [this] {
        if (app_.state.ViewMode == Mode::Learning && leavePictureEditing(false))
            network_->joinCommand();
        UpdateModeControls();
    });
    auto* tools = static_cast<QVBoxLayout*>(toolArea_->layout());
    tools->insertWidget(tools->indexOf(statusDock_), joinButton_);

    NetworkWindows& windows = network_->windows();
    windows.networkOptions = [this](DocumentType type) {
        ExerciseOptionsDialog* dialog = optionsDialog(type);
        return dialog && dialog->showForNetwork(type);
    };
    windows.showControlDisplay = [this] { controlDisplay()->showDisplay(); };
    windows.closeControlDisplay = [this] { controlDisplay()->close(); };
    windows.setInformation = [this](const QString& text) {
        controlDisplay()->setInformation(text, true);
    };
    windows.modeChanged = [this] { UpdateModeControls(); };
    windows.joinButton = [this](bool pressed) { joinButton_->setChecked(pressed); };
    windows.setNumbering = [this](Numbering mode) { SetNumbering(mode, true); };
    windows.pause = [this](int milliseconds) { exercisePanel_->pause(milliseconds); };
    setJoinDialog({});
}

TMasterProtForm* MainWindow::controlDisplay() {
    if (!controlDisplay_)
        controlDisplay_ = new TMasterProtForm(
            *network_, app_.reportPorts(), [this] { ShowBestList(true); }, this);
    return controlDisplay_;
}

void MainWindow::setJoinDialog(std::function<std::optional<QString>()> dialog) {
    if (dialog) {
        network_->windows().joinDialog = std::move(dialog);
        return;
    }
    network_->windows().joinDialog = [this]() -> std::optional<QString> {
        TNetzUebungTnStartForm form(
            app_.messages,
            [this] {
                const NetworkSession::Availability available = network_->checkAvailability();
                return TNetzUebungTnStartForm::Check{available.available, available.title};
            },
            this);
        if (form.exec() != QDialog::Accepted)
            return std::nullopt;
        return form.name();
    };
}

void MainWindow::updateNetworkControls() {
    const ProgramState& state = app_.state;
    if (teacherMenu_)
        teacherMenu_->menuAction()->setEnabled(state.ViewMode == Mode::Learning ||
                                               state.ExerciseKind == Participation::Initiator);
    if (joinButton_)
        joinButton_->setChecked(state.ViewMode == Mode::Exercise &&
                                state.ExerciseKind == Participation::Participant);
}

void MainWindow::communicationCommand() {
    if (!MayChangeCommSettings(app_.state, app_.messages))
        return;
    TKommVerzForm dialog(app_.state, app_.settings, app_.messages, app_.pickers, this);
    dialog.exec();
}

} // namespace quindor
