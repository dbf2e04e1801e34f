// The main window's part in a run: the menu and buttons, the exercise panel over the work
// area, the status panel and the clock.
#include "app/av_main.h"

#include "exercise/ui/best_list_window.h"
#include "exercise/ui/exercise_dialogs.h"
#include "exercise/ui/protocol_window.h"
#include "platform/host_identity.h"

#include <QClipboard>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QThread>
#include <QVBoxLayout>

namespace quindor {

namespace {

// Days since 30 December 1899 with the time of day as fraction.
double DayCount(const QDateTime& when) {
    static const QDate kEpoch(1899, 12, 30);
    const QTime time = when.time();
    return kEpoch.daysTo(when.date()) + time.msecsSinceStartOfDay() / 86'400'000.0;
}

} // namespace

void MainWindow::createExerciseMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Übung"));
    menu->setObjectName(QStringLiteral("UebungMenu"));
    connect(addAction(menu, QStringLiteral("IndividualUebungItem"),
                      QStringLiteral("Individual-&Übung")),
            &QAction::triggered, this, &MainWindow::IndividualExerciseCommand);
    connect(
        addAction(menu, QStringLiteral("UebungAbbrechenItem"), QStringLiteral("Übung &abbrechen")),
        &QAction::triggered, this, &MainWindow::AbortExerciseCommand);
    menu->addSeparator();
    connect(addAction(menu, QStringLiteral("UebungseinstellungenItem"),
                      QStringLiteral("Übungs&einstellungen...")),
            &QAction::triggered, this, &MainWindow::ExerciseSettingsCommand);
    connect(addAction(menu, QStringLiteral("Notenskala1"), QStringLiteral("Notens&kala...")),
            &QAction::triggered, this, &MainWindow::GradeScaleCommand);
    menu->addSeparator();
    // The protocol of the last run, until the next run starts.
    QAction* protocol = addAction(menu, QStringLiteral("ProtokollderletztenUebung1"),
                                  QStringLiteral("&Protokoll der letzten Übung..."));
    protocol->setEnabled(false);
    connect(protocol, &QAction::triggered, this, [this] { protocolWindow()->exec(); });
    connect(addAction(menu, QStringLiteral("Bestenliste1"),
                      QStringLiteral("&Bestenliste Individual-Übung...")),
            &QAction::triggered, this, [this] {
                if (app_.state.ExerciseKind == Participation::Participant) {
                    app_.messages.information(QStringLiteral(
                        "Während der Netzwerk-Übung ist die Bestenliste der Individual-Übung "
                        "nicht einsehbar."));
                    return;
                }
                ShowBestList(false);
            });
    connect(
        addAction(menu, QStringLiteral("OrdnerBestenlisten1"), QStringLiteral("&Dateiordner...")),
        &QAction::triggered, this, &MainWindow::FolderCommand);
}

void MainWindow::ShowBestList(bool network) {
    const HeaderDataTyp& header = app_.session.header();
    if (!network && header.FileName.isEmpty()) {
        app_.messages.information(QStringLiteral(
            "Da das aktuelle Dokument nicht gespeichert wurde, bzw. kein Dokument geöffnet "
            "wurde, ist keine Bestenliste verfügbar."));
        return;
    }
    const QString path = network
                             ? NetworkBestListPath(app_.state.CommFolder, app_.state.CommChannel)
                             : IndividualBestListPath(app_.state.BestListFolder, header.FileName);
    // A list that cannot be read is shown empty, after its message.
    BestListLoad load = LoadBestList(path);
    if (const auto message = BestListLoadMessage(load.status, path, network))
        app_.messages.show(message->kind, message->text, MessageButtons::Ok);
    std::vector<BestListDataTyp>& entries = load.entries;
    SortBestList(entries);
    BestListWindow window(network ? QStringLiteral("Bestenliste - Netzwerk-Übung")
                                  : QStringLiteral("Bestenliste - Individual-Übung"),
                          entries, app_.pickers, app_.messages, app_.printer, this);
    window.exec();
}

void MainWindow::FolderCommand() {
    FolderDialog dialog(app_.state, app_.pickers, app_.messages, this);
    dialog.exec();
}

void MainWindow::setupExercise() {
    exercisePanel_ = new ExercisePanel(app_.session, app_.state, app_.view, workArea_);
    exercisePanel_->setCardCursor(cursors_.cursor(CursorMoveCard));
    workArea_->installEventFilter(this);
    auto* tools = static_cast<QVBoxLayout*>(toolArea_->layout());
    // "Lernansicht" reads "Übung abbrechen" while a run or puzzle lasts.
    learningButton_ = new QToolButton(toolArea_);
    learningButton_->setObjectName(QStringLiteral("LernansichtBtn"));
    learningButton_->setCheckable(true);
    exerciseButton_ = new QToolButton(toolArea_);
    exerciseButton_->setObjectName(QStringLiteral("IndividualUebungBtn"));
    exerciseButton_->setText(QStringLiteral("Individual- Übung"));
    exerciseButton_->setAccessibleName(QStringLiteral("Individual- Übung"));
    exerciseButton_->setCheckable(true);
    for (QToolButton* button : {learningButton_, exerciseButton_}) {
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
    connect(learningButton_, &QToolButton::clicked, this, [this] {
        if (app_.state.ViewMode != Mode::Learning)
            AbortExerciseCommand();
        UpdateModeControls();
    });
    // During a run or puzzle the command itself says why it starts nothing.
    connect(exerciseButton_, &QToolButton::clicked, this, [this] {
        IndividualExerciseCommand();
        UpdateModeControls();
    });
    tools->insertWidget(0, learningButton_);
    tools->insertWidget(1, exerciseButton_);
    // The status panels of a run and of the puzzle dock at the right edge of the window: at
    // the top of the tool area while it stands there, beside the work area otherwise.
    statusDock_ = new QWidget;
    statusDock_->setObjectName(QStringLiteral("StatusDock"));
    // As wide as the tool area's column, on either place.
    statusDock_->setFixedWidth(180);
    statusSlot_ = new QVBoxLayout(statusDock_);
    statusSlot_->setContentsMargins(0, 0, 0, 0);
    statusDock_->hide();
    tools->insertWidget(2, statusDock_);

    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    run_ = std::make_unique<ExerciseRun>(
        app_.session.document(), app_.state, app_.settings, app_.messages, app_.sound,
        *exercisePanel_,
        ExerciseRun::Clock{[clock] { return clock->elapsed(); },
                           [] { return DayCount(QDateTime::currentDateTime()); }});
    exercisePanel_->setRun(run_.get());
    run_->setLayouts(&app_.session.layouts());

    connectExercisePanel();
    ExercisePanel::Dialogs dialogs;
    dialogs.settings = [this] {
        const DocumentType type = app_.session.header().DokTyp;
        ExerciseOptionsDialog* dialog = optionsDialog(type);
        // The button stays pressed while the settings are open; a refusal releases it.
        exerciseButton_->setChecked(true);
        const bool confirmed = dialog && dialog->showFor(type);
        UpdateModeControls();
        return confirmed;
    };
    dialogs.learnerName = [this] {
        learnerName_ = AskLearnerName(this, learnerName_);
        return learnerName_;
    };
    dialogs.result = [this](const UebDataTyp& run) {
        ResultActions actions;
        const bool network = app_.state.ExerciseKind != Participation::Individual;
        actions.showProtocol = [this] { protocolWindow()->exec(); };
        actions.showBestList = [this, network] { ShowBestList(network); };
        actions.offerEntry = run_->bestListOffered();
        actions.enterInBestList = [this] { return run_->EnterInBestList(); };
        actions.folderDialog = [this] { FolderCommand(); };
        return ShowResultWindow(this, run, app_.state.ExerciseKind,
                                app_.session.header().DokTyp == DocumentType::MultipleChoice,
                                exerciseStatus().clockLabel(), exerciseStatus().clockText(),
                                actions);
    };
    exercisePanel_->setDialogs(std::move(dialogs));

    zeitTimer_ = new QTimer(this);
    zeitTimer_->setObjectName(QStringLiteral("ZeitTimer"));
    zeitTimer_->setInterval(100);
    connect(zeitTimer_, &QTimer::timeout, this, [this] {
        if (run_->clockRunning())
            run_->Tick();
    });
}

ProtocolWindow* MainWindow::protocolWindow() {
    if (!protocolWindow_)
        protocolWindow_ = new ProtocolWindow(app_.reportPorts(), app_.session, app_.mail, this);
    return protocolWindow_;
}

ExerciseStatusPanel& MainWindow::exerciseStatus() {
    if (!statusPanel_) {
        statusPanel_ = new ExerciseStatusPanel(statusDock_);
        statusPanel_->hide();
        statusSlot_->insertWidget(0, statusPanel_);
    }
    return *statusPanel_;
}

void MainWindow::connectExercisePanel() {
    ExercisePanel* panel = exercisePanel_;
    connect(panel, &ExercisePanel::entered, this, &MainWindow::exerciseEntered);
    connect(panel, &ExercisePanel::left, this, &MainWindow::exerciseLeft);
    connect(panel, &ExercisePanel::clockChanged, this,
            [this](const QString& label, const QString& text, bool visible) {
                exerciseStatus().setClock(label, text, visible);
            });
    connect(panel, &ExercisePanel::statisticsChanged, this, [this](const UebDataTyp& run) {
        exerciseStatus().setStatistics(run, app_.state.ExerciseKind,
                                       app_.session.header().DokTyp ==
                                           DocumentType::MultipleChoice);
    });
    connect(panel, &ExercisePanel::pageClicked, this, [this](QPoint point) {
        openClicked(ExerciseClickAt(app_.view, app_.session.document(), point));
    });
    connect(panel, &ExercisePanel::protocolCompleted, this, [this](const QString& text) {
        protocolWindow()->setProtocol(text);
        action(QStringLiteral("ProtokollderletztenUebung1"))->setEnabled(true);
        if (app_.settings.OptAutoProtSpeichern)
            protocolWindow()->AutoSaveProtocol(QDateTime::currentDateTime(),
                                               platform::HostIdentity::system().computerName());
    });
}

void MainWindow::setExerciseDialogs(std::function<bool()> settings, std::function<QString()> name,
                                    std::function<ResultChoice(const UebDataTyp&)> result) {
    exercisePanel_->setDialogs({std::move(settings), std::move(name), std::move(result)});
}

ExerciseOptionsDialog* MainWindow::optionsDialog(DocumentType type) {
    if (!IsKnownType(type))
        return nullptr;
    const OptionsFamily family = RowOf(type).family;
    auto& dialog = optionDialogs_[static_cast<size_t>(family)];
    if (!dialog)
        dialog = std::make_unique<ExerciseOptionsDialog>(family, app_.settings, this);
    return dialog.get();
}

void MainWindow::placeExercisePanel() {
    exercisePanel_->setGeometry(workArea_->rect().adjusted(9, 8, -8, -8));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == workArea_ && event->type() == QEvent::Resize && exercisePanel_)
        placeExercisePanel();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::exerciseEntered() {
    // A puzzle the learner agreed to leave for this run ends here.
    puzzlePanel_->stop();
    // The whiteboard tools and the learning view's controls stay out of the run.
    selectTool(Tool::Pointer);
    for (QWidget* tool : learningTools_)
        tool->hide();
    page_->hide();
    title_->hide();
    app_.view.SetZoom(ZoomLevel::Percent100);
    // The last run's protocol and its comments go with the new run.
    if (protocolWindow_)
        protocolWindow_->setProtocol(QString());
    action(QStringLiteral("ProtokollderletztenUebung1"))->setEnabled(false);
    placeExercisePanel();
    UpdateModeControls();
    zeitTimer_->start();
}

void MainWindow::exerciseLeft() {
    zeitTimer_->stop();
    for (QWidget* tool : learningTools_)
        tool->show();
    page_->show();
    UpdateModeControls();
    ComposeView();
}

void MainWindow::IndividualExerciseCommand() {
    // The run rebuilds the view: its drawings are offered to the chronicle first.
    if (!leavePictureEditing(true) || !offerScreenToChronicle(false) ||
        !run_->IndividualExerciseCommand())
        UpdateModeControls();
}

void MainWindow::AbortExerciseCommand() {
    if (app_.state.ViewMode == Mode::Puzzle)
        abortPuzzle();
    else
        run_->AbortExercise();
    UpdateModeControls();
}

void MainWindow::ExerciseSettingsCommand() {
    run_->SettingsCommand();
    UpdateModeControls();
}

void MainWindow::GradeScaleCommand() {
    if (app_.state.ViewMode != Mode::Learning)
        return;
    GradeScaleDialog dialog(app_.settings, app_.messages, this);
    dialog.exec();
}

} // namespace quindor
