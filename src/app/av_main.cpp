#include "app/av_main.h"
#include "document/ui/topic_columns.h"
#include "document/ui/topic_list_window.h"
#include "exercise/ui/protocol_window.h"
#include "print/ui/table_and_view_printing.h"

#include "core/activity_guard.h"
#include "settings/page_format.h"
#include "settings/settings_io.h"
#include "settings/ui/font_dialog.h"
#include "view/ui/password_dialog.h"
#include "view/ui/properties_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>
#include <QWidgetAction>

namespace quindor {

MainWindow::MainWindow(AppState& app, QWidget* parent)
    : QMainWindow(parent), app_(app), pictures_(WindowPictures::create()), title_(new TitlePanel),
      page_(new PageArea), toolArea_(new QWidget), collapseButton_(new QToolButton),
      boardPicture_(new QLabel), workArea_(new QWidget) {
    ProgramState& state = app_.state;
    // Window creation, in order.
    setWindowTitle(ApplicationCaption());
    state.FirstActivation = true;
    state.Closing = false;
    state.ResizeEnabled = true;
    state.TopicIndex = -1;
    state.NumberingMode = Numbering::Ordered;
    cursors_.registerProgramCursors();
    state.Random.seedFromClock();

    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, pictures_.windowColour);
    setPalette(palette);
    title_->setAutoFillBackground(true);
    QPalette titlePalette = title_->palette();
    titlePalette.setColor(QPalette::Window, pictures_.learningPanelColour);
    title_->setPalette(titlePalette);

    auto* central = new QWidget;
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(4, 4, 4, 4);
    auto* work = new QVBoxLayout(workArea_);
    work->setContentsMargins(0, 0, 0, 0);
    work->setSpacing(2);
    work->addWidget(title_);
    work->addWidget(page_, 1);
    toolArea_->setObjectName(QStringLiteral("WerkzeugPanel"));
    toolArea_->setFixedWidth(188);
    auto* tools = new QVBoxLayout(toolArea_);
    tools->setContentsMargins(4, 4, 4, 6);
    tools->addStretch(1);
    boardPicture_->setPixmap(QPixmap::fromImage(pictures_.boardPicture));
    boardPicture_->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    boardPicture_->setToolTip(QStringLiteral("Tafelanschrieb"));
    tools->addWidget(boardPicture_);
    collapseButton_->setObjectName(QStringLiteral("WerkzeugKlappKnopf"));
    collapseButton_->setAutoRaise(true);
    collapseButton_->setFixedWidth(14);
    collapseButton_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    connect(collapseButton_, &QToolButton::clicked, this,
            [this] { setToolsCollapsed(!toolsCollapsed_); });
    row->addWidget(workArea_, 1);
    row->addWidget(collapseButton_);
    row->addWidget(toolArea_);
    setCentralWidget(central);
    setMinimumSize(700, 500);

    passwordPrompt_ = [this] { return AskInfoPassword(this); };
    createMenus();
    setupExercise();
    setupNetwork();
    setupPuzzle();
    setupLinks();
    setupKeyboard();
    connect(page_, &PageArea::pressed, this, &MainWindow::pagePressed);
    connect(page_, &PageArea::hovered, this, &MainWindow::pageHovered);
    connect(page_, &PageArea::dragged, this, [this](QPoint from, QPoint to) {
        app_.view.DragView(from, to);
        showDisplay();
    });
    connect(page_, &PageArea::resized, this, [this] {
        const ProgramState& s = app_.state;
        if (!s.FirstActivation && !s.Closing && s.ResizeEnabled)
            ComposeView();
    });
    connect(title_, &TitlePanel::previousRequested, this, [this] { app_.topics.PreviousTopic(); });
    connect(title_, &TitlePanel::nextRequested, this, [this] { app_.topics.NextTopic(); });
    connect(&app_.topics, &TopicList::listChanged, this, &MainWindow::rebuildTopicEntries);

    app_.session.addListener(*this);
    DocumentHooks& hooks = app_.session.hooks();
    hooks.askSaveFileName = [this] { return saving_->askFileName(); };

    // An empty new document with the start picture.
    app_.session.ResetDocument();
    app_.state.PreviousDocument.clear();
    UpdateTitle();
    documentChanged();
}

QAction* MainWindow::addAction(QMenu* menu, const QString& name, const QString& text,
                               const QKeySequence& shortcut) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

QAction* MainWindow::action(const QString& name) const {
    return findChild<QAction*>(name);
}

void MainWindow::createMenus() {
    createFileMenu();
    createTopicMenu();
    createLearningMenu();
    createExerciseMenu();
    createNetworkMenu();
    createOptionsMenu();
    createDisplayMenu();
    createHelpMenu();
    createLearningButtons();
    createWorksheetCommand();
    createEditorCommands();
    createGiftCommands();
    createWhiteboard();
    createPictureEditorCommands();
}

void MainWindow::createFileMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Datei"));
    menu->setObjectName(QStringLiteral("DateiMenu"));
    connect(addAction(menu, QStringLiteral("OeffnenItem"), QStringLiteral("\u00d6&ffnen..."),
                      QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &MainWindow::OpenDocumentCommand);
    connect(addAction(menu, QStringLiteral("SchliessenItem"), QStringLiteral("Sch&lie\u00dfen"),
                      QKeySequence(Qt::CTRL | Qt::Key_F4)),
            &QAction::triggered, this, &MainWindow::CloseCommand);
    connect(addAction(menu, QStringLiteral("EigenschaftenItem"),
                      QStringLiteral("Do&kumenteigenschaften..."),
                      QKeySequence(Qt::ALT | Qt::Key_Return)),
            &QAction::triggered, this, &MainWindow::ShowDocumentProperties);
    menu->addSeparator();
    connect(addAction(menu, QStringLiteral("DruckereinrichtungItem"),
                      QStringLiteral("D&ruckereinrichtung...")),
            &QAction::triggered, this, [this] { app_.printer.setupDialog(this); });
    connect(addAction(menu, QStringLiteral("DruckenItem"), QStringLiteral("&Drucken..."),
                      QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, &MainWindow::PrintViewCommand);
    connect(addAction(menu, QStringLiteral("ZwischenablageItem"),
                      QStringLiteral("In &Zwischenablage kopieren"),
                      QKeySequence(Qt::CTRL | Qt::Key_C)),
            &QAction::triggered, this, &MainWindow::CopyViewCommand);
    menu->addSeparator();
    connect(addAction(menu, QStringLiteral("BeendenItem"), QStringLiteral("&Beenden")),
            &QAction::triggered, this, &QWidget::close);
}

void MainWindow::createTopicMenu() {
    topicMenu_ = menuBar()->addMenu(QStringLiteral("&Themenauswahl"));
    topicMenu_->setObjectName(QStringLiteral("ThemenMenu"));
    TopicList& topics = app_.topics;
    connect(addAction(topicMenu_, QStringLiteral("StartseiteItem"), QStringLiteral("&Startseite"),
                      QKeySequence(Qt::ALT | Qt::Key_Home)),
            &QAction::triggered, this, [&topics] { topics.GoToStartPage(); });
    connect(addAction(topicMenu_, QStringLiteral("ZuvorItem"),
                      QStringLiteral("&Zuvor angzeigtes Dokument"),
                      QKeySequence(Qt::ALT | Qt::Key_Backspace)),
            &QAction::triggered, this, [&topics] { topics.OpenPreviousDocument(); });
    topicMenu_->addSeparator();
    connect(addAction(topicMenu_, QStringLiteral("VorherigesItem"),
                      QStringLiteral("&Vorheriges Dokument der Liste"),
                      QKeySequence(Qt::Key_PageUp)),
            &QAction::triggered, this, [&topics] { topics.PreviousTopic(); });
    connect(addAction(topicMenu_, QStringLiteral("NaechstesItem"),
                      QStringLiteral("&N\u00e4chstes Dokument der Liste"),
                      QKeySequence(Qt::Key_PageDown)),
            &QAction::triggered, this, [&topics] { topics.NextTopic(); });
    topicMenu_->addSeparator();
    connect(addAction(topicMenu_, QStringLiteral("NeuEinlesenItem"),
                      QStringLiteral("&Aktuellen Ordner neu einlesen"),
                      QKeySequence(Qt::CTRL | Qt::Key_F5)),
            &QAction::triggered, this, [&topics] { topics.RereadFolderCommand(); });
    connect(addAction(topicMenu_, QStringLiteral("OrdnerWaehlenItem"),
                      QStringLiteral("&Ordner w\u00e4hlen..."), QKeySequence(Qt::CTRL | Qt::Key_W)),
            &QAction::triggered, this, [&topics] { topics.ChooseFolderCommand(); });
    connect(addAction(topicMenu_, QStringLiteral("ThemenlisteItem"),
                      QStringLiteral("Themenliste &drucken...")),
            &QAction::triggered, this, [this] {
                TopicListWindow window(app_.reportPorts(), this);
                window.showTopics(app_.topics.TopicListText());
            });
    topicMenu_->addSeparator();
    topicGroup_ = new QActionGroup(this);
    topicGroup_->setExclusive(true);
}

void MainWindow::createOptionsMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Optionen"));
    menu->setObjectName(QStringLiteral("OptionenMenu"));
    const std::pair<const char*, std::pair<QString, bool Settings::*>> options[] = {
        {"TonausgabeItem", {QStringLiteral("&Tonausgabe"), &Settings::OptSound}},
        {"NamenseingabeItem",
         {QStringLiteral("&Namenseingabe bei \u00dcbungen"), &Settings::OptUebNameEingabe}},
        {"StatusinfoItem",
         {QStringLiteral("&Statusinformation bei \u00dcbungen anzeigen"),
          &Settings::OptUebStatusInfo}},
        {"ProtAutoItem",
         {QStringLiteral("\u00dcbungs&protokolle automatisch speichern"),
          &Settings::OptAutoProtSpeichern}},
        {"BestListAutoItem",
         {QStringLiteral("Ergebnisse Individual-\u00dcbung automatisch in &Bestenliste eintragen"),
          &Settings::OptErgebBestListEintragen}},
        {"ErgebnisfensterItem",
         {QStringLiteral("\u00dcbungs&ergebnisfenster anzeigen"), &Settings::OptUebErgebAnzeigen}},
    };
    for (const auto& [name, option] : options) {
        QAction* item = addAction(menu, QString::fromLatin1(name), option.first);
        item->setCheckable(true);
        bool Settings::*field = option.second;
        // The status option shows or hides the panel of a run or puzzle at once.
        connect(item, &QAction::toggled, this, [this, field](bool checked) {
            app_.settings.*field = checked;
            UpdateModeControls();
        });
        options_.append({item, field});
    }
    menu->addSeparator();
    // Where the messages about protocols and best lists send the user.
    connect(addAction(menu, QStringLiteral("OrdnerProtokolleItem"),
                      QStringLiteral("&Ordner f\u00fcr Protokolle und Bestenlisten...")),
            &QAction::triggered, this, &MainWindow::FolderCommand);
    connect(addAction(menu, QStringLiteral("SchriftartItem"), QStringLiteral("Schrift&art...")),
            &QAction::triggered, this, &MainWindow::FontCommand);
    QMenu* side = menu->addMenu(QStringLiteral("&Werkzeugleiste"));
    side->setObjectName(QStringLiteral("WerkzeugleisteMenu"));
    auto* group = new QActionGroup(this);
    toolLeft_ = addAction(side, QStringLiteral("WerkzeugLinksItem"), QStringLiteral("&Links"));
    toolRight_ = addAction(side, QStringLiteral("WerkzeugRechtsItem"), QStringLiteral("&Rechts"));
    for (QAction* a : {toolLeft_, toolRight_}) {
        a->setCheckable(true);
        group->addAction(a);
    }
    toolRight_->setChecked(true);
    connect(toolLeft_, &QAction::triggered, this, [this] { SetToolBarSide(true); });
    connect(toolRight_, &QAction::triggered, this, [this] { SetToolBarSide(false); });
}

void MainWindow::createDisplayMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("An&zeige"));
    menu->setObjectName(QStringLiteral("AnzeigeMenu"));
    connect(addAction(menu, QStringLiteral("VollbildItem"), QStringLiteral("&Vollbild"),
                      QKeySequence(Qt::CTRL | Qt::Key_L)),
            &QAction::triggered, this, [this] { switchFrame(true); });
    connect(addAction(menu, QStringLiteral("FensterItem"), QStringLiteral("&Fenster"),
                      QKeySequence(Qt::CTRL | Qt::Key_F)),
            &QAction::triggered, this, [this] { switchFrame(false); });
    connect(addAction(menu, QStringLiteral("MinimierenItem"), QStringLiteral("&Minimieren"),
                      QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, &QWidget::showMinimized);
}

void MainWindow::createHelpMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    menu->setObjectName(QStringLiteral("HilfeMenu"));
    connect(addAction(menu, QStringLiteral("InhaltItem"), QStringLiteral("&Inhalt"),
                      QKeySequence(Qt::Key_F1)),
            &QAction::triggered, this, &MainWindow::HelpCommand);
}

QString MainWindow::StartInformationText() {
    return QStringLiteral(
        "Um ein Quindor-Dokument anzuzeigen,\r\n\r\nrufen Sie das Men\u00fc \"Themenauswahl\" "
        "oder \"Datei / \u00d6ffnen\" auf.\r\n\r\n\r\n\r\nF\u00fcr einen neuen "
        "Tafelanschrieb\r\n\r\nklicken Sie auf den Knopf \"Neues Blatt\" (rechts bei "
        "Tafelanschrieb).\r\n");
}

void MainWindow::FirstActivation(const QStringList& arguments) {
    ProgramState& state = app_.state;
    arguments_ = arguments;
    // A message box of the load below activates the window again; that is not a first one.
    if (!state.FirstActivation || firstActivationRunning_)
        return;
    firstActivationRunning_ = true;
    readSettings();
    UpdateModeControls();
    SetToolBarSide(app_.settings.WerkzeugPos != 0);
    // The command line names a folder or a document.
    const QString argument = arguments.value(0);
    if (argument.isEmpty()) {
        state.StartFolder = state.ProgramFolder;
    } else {
        const QFileInfo info(QDir::current().absoluteFilePath(argument));
        if (info.isDir()) {
            state.StartFolder = QDir::toNativeSeparators(info.absoluteFilePath());
            if (!state.StartFolder.endsWith(QDir::separator()))
                state.StartFolder += QDir::separator();
        } else {
            state.StartFolder = QDir::toNativeSeparators(info.absolutePath()) + QDir::separator();
            if (!info.fileName().isEmpty()) {
                app_.session.LoadDocument(info.absoluteFilePath(), true);
                state.CommandLineDocument = info.absoluteFilePath();
            }
        }
    }
    state.CurrentFolder = state.StartFolder;
    const bool restored = offerRecoveryCopy();
    page_->setStartInformation(StartInformationText());
    page_->setStartInformationVisible(!app_.session.hasDocument() && !restored);
    app_.topics.ReadTopicList();
    state.FirstActivation = false;
    firstActivationRunning_ = false;
    documentChanged();
    startKeepingRecovery();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && app_.state.FirstActivation)
        FirstActivation(arguments_);
}

void MainWindow::readSettings() {
    // User values first, then the central defaults, which win.
    ReadUserSettings(app_.store, app_.settings, app_.state);
    ReadCentralDefaults(app_.state.CentralIniPath, app_.settings, app_.state);
    settingsRead_ = true;
    app_.session.setPageFormatDefaults(PageFormatFromSettings(app_.settings));
    // A font name from another computer that this one lacks is drawn in Arial, as a document's.
    app_.session.document().FontName = app_.session.hooks().fontInstalled(app_.settings.Schriftart)
                                           ? app_.settings.Schriftart
                                           : QStringLiteral("Arial");
    showOptions();
    whiteboardSettingsRead();
    showProgramLinks();
}

void MainWindow::showOptions() {
    for (const auto& [item, field] : options_) {
        const QSignalBlocker blocker(item);
        item->setChecked(app_.settings.*field);
    }
}

void MainWindow::writeSettings() {
    // Settings never read must not overwrite the stored ones with the defaults.
    if (!settingsRead_)
        return;
    app_.settings.Schriftart = app_.session.document().FontName;
    WriteUserSettings(app_.store, app_.settings, app_.state);
}

void MainWindow::ShowDocumentProperties() {
    TDokEigenschaftenForm dialog(app_.session.document(), propertiesTab_, this);
    const int result = dialog.exec();
    propertiesTab_ = dialog.tabs()->currentIndex();
    // Every field is read-only, so "OK" takes nothing back; the logo size is not re-read from
    // its whole-percent text, which would round the stored value away.
    if (result == QDialog::Accepted)
        UpdateTitle();
}

void MainWindow::FontCommand() {
    if (app_.state.ViewMode != Mode::Learning)
        return;
    const std::optional<QString> font = FontDialog(this, app_.session.document().FontName);
    if (!font)
        return;
    app_.session.document().FontName = *font;
    app_.session.header().Modified = true;
    documentChanged();
}

void MainWindow::UpdateModeControls() {
    const ProgramState& state = app_.state;
    const bool learning = state.ViewMode == Mode::Learning;
    title_->setVisible(learning);
    for (const char* name :
         {"OeffnenItem", "SchliessenItem", "SchriftartItem", "ArbeitsblattItem"}) {
        if (QAction* a = action(QString::fromLatin1(name)))
            a->setEnabled(learning);
    }
    for (QMenu* menu : {topicMenu_, learningMenu_})
        menu->menuAction()->setEnabled(learning);
    if (QAction* a = action(QStringLiteral("Notenskala1")))
        a->setEnabled(learning);
    const bool active = state.ViewMode == Mode::Exercise || state.ViewMode == Mode::Puzzle;
    // There is nothing to abort outside a run or puzzle.
    if (QAction* a = action(QStringLiteral("UebungAbbrechenItem")))
        a->setEnabled(active);
    const bool exerciseStatusShown =
        state.ViewMode == Mode::Exercise && app_.settings.OptUebStatusInfo;
    if (statusPanel_ || exerciseStatusShown)
        exerciseStatus().setVisible(exerciseStatusShown);
    const bool puzzleStatusShown = state.ViewMode == Mode::Puzzle && app_.settings.OptUebStatusInfo;
    if (puzzleStatus_ || puzzleStatusShown)
        puzzleStatus().setVisible(puzzleStatusShown);
    statusDock_->setVisible(exerciseStatusShown || puzzleStatusShown);
    showToolArea();
    if (learningButton_) {
        learningButton_->setChecked(learning);
        learningButton_->setText(active ? QStringLiteral("\u00dcbung abbrechen")
                                        : QStringLiteral("Lernansicht"));
        learningButton_->setAccessibleName(learningButton_->text());
        exerciseButton_->setChecked(active && state.ExerciseKind == Participation::Individual);
    }
    updateNetworkControls();
}

void MainWindow::UpdateTitle() {
    const HeaderDataTyp& header = app_.session.header();
    QString caption = ApplicationCaption();
    if (!header.FileName.isEmpty())
        caption += QStringLiteral(" - ") + QFileInfo(header.FileName).fileName();
    setWindowTitle(caption);
    title_->setTitle(TopicTitlePrefix(app_.state.TopicIndex), header.Titel);
}

void MainWindow::rebuildTopicEntries() {
    for (QAction* entry : topicActions_) {
        topicMenu_->removeAction(entry);
        delete entry;
    }
    topicActions_.clear();
    delete topicColumns_;
    topicColumns_ = nullptr;
    const QList<ThemenDataTyp>& entries = app_.topics.entries();
    const int columnBreak = TopicColumnBreak(static_cast<int>(entries.size()));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const int index = static_cast<int>(i);
        QAction* entry = topicMenu_->addAction(TopicMenuCaption(index, entries.at(i)));
        entry->setObjectName(QStringLiteral("MenueThemaItem%1").arg(index));
        entry->setData(index);
        entry->setCheckable(true);
        entry->setChecked(index == app_.state.TopicIndex);
        topicGroup_->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, index] { app_.topics.OpenTopic(index); });
        topicActions_.append(entry);
    }
    // A long list shows in two columns; the entries stay in the menu as its actions.
    if (columnBreak >= 0) {
        for (QAction* entry : topicActions_)
            entry->setVisible(false);
        const QScreen* screen = this->screen();
        const int room = screen ? screen->availableGeometry().height() - 260 : 600;
        auto* columns = new QWidgetAction(topicMenu_);
        columns->setDefaultWidget(new TopicColumns(topicActions_, columnBreak, topicMenu_, room));
        topicMenu_->addAction(columns);
        topicColumns_ = columns;
    }
    documentChanged();
}

void MainWindow::prepareView() {
    // A loaded document starts at 100 %, numbered in the current mode.
    app_.view.geometry().Zoom = ZoomLevel::Percent100;
    app_.view.geometry().ZoomFactor = 1.0;
    zoomItems_[0]->setChecked(true);
    SetNumbering(app_.state.NumberingMode, false);
}

void MainWindow::documentLoaded(bool rememberFolder) {
    pictureDocumentReplaced();
    if (rememberFolder)
        page_->setStartInformationVisible(false);
    documentChanged();
}

void MainWindow::documentCleared() {
    pictureDocumentReplaced();
    page_->setStartInformationVisible(false);
}

void MainWindow::documentClosed() {
    page_->setStartInformationVisible(true);
    documentChanged();
}

void MainWindow::documentChanged() {
    ComposeView();
    UpdateTitle();
    // Ctrl+S works as soon as there is something to save, not only once the menu was open.
    updateEditorActions();
}

bool MainWindow::CloseCommand() {
    return closeDocument(true);
}

bool MainWindow::closeDocument(bool offerDrawings) {
    if (!MayLeaveCurrentActivity(app_.state, app_.messages) ||
        !(offerDrawings ? app_.session.mayReplaceDocument() : app_.session.AskSaveChanges()))
        return false;
    app_.session.CloseDocument();
    return true;
}

void MainWindow::OpenDocumentCommand() {
    if (!MayLeaveCurrentActivity(app_.state, app_.messages) || !app_.session.mayReplaceDocument())
        return;
    ProgramState& state = app_.state;
    // The open document's folder (with the document selected), else the current folder: after
    // choosing a folder, the start page or a link to a folder the dialog opens there.
    const QString& fileName = app_.session.header().FileName;
    const QString start = fileName.isEmpty() ? state.CurrentFolder : fileName;
    const QString chosen = app_.pickers.openFile(
        QStringLiteral("Dokument \u00f6ffnen"),
        QStringLiteral("Quindor-Dokument (*.qdr)|*.qdr|ZWK-Dokument (*.zwk)|*.zwk|"
                       "Alle Dateien (*.*)|*.*"),
        QStringLiteral("qdr"), start);
    if (chosen.isEmpty())
        return;
    app_.session.LoadDocument(chosen, true);
    app_.topics.ReadTopicList();
}

void MainWindow::SetToolBarSide(bool left) {
    (left ? toolLeft_ : toolRight_)->setChecked(true);
    app_.settings.WerkzeugPos = left ? 1 : 0;
    auto* row = static_cast<QHBoxLayout*>(centralWidget()->layout());
    auto* tools = static_cast<QVBoxLayout*>(toolArea_->layout());
    row->removeWidget(toolArea_);
    row->removeWidget(collapseButton_);
    row->removeWidget(statusDock_);
    tools->removeWidget(statusDock_);
    row->insertWidget(left ? 0 : 1, collapseButton_);
    row->insertWidget(left ? 0 : 2, toolArea_);
    // The status panels stay at the right edge, whichever side the tools take.
    if (left)
        row->addWidget(statusDock_, 0, Qt::AlignTop);
    else
        tools->insertWidget(tools->indexOf(joinButton_) + 1, statusDock_);
    setToolsCollapsed(toolsCollapsed_);
}

void MainWindow::showToolArea() {
    // Folding belongs to the learning view; a run or puzzle keeps its buttons in view.
    const bool learning = app_.state.ViewMode == Mode::Learning;
    collapseButton_->setVisible(learning);
    toolArea_->setVisible(!learning || !toolsCollapsed_);
}

void MainWindow::setToolsCollapsed(bool collapsed) {
    toolsCollapsed_ = collapsed;
    showToolArea();
    // The arrow points where the tool area goes: out of the window to fold it, back in to
    // bring it.
    const bool left = app_.settings.WerkzeugPos != 0;
    collapseButton_->setText(left == collapsed ? QStringLiteral("\u00bb")
                                               : QStringLiteral("\u00ab"));
    const QString hint = collapsed ? QStringLiteral("Werkzeugleiste einblenden")
                                   : QStringLiteral("Werkzeugleiste ausblenden");
    collapseButton_->setToolTip(hint);
    collapseButton_->setAccessibleName(hint);
    relayout();
}

void MainWindow::switchFrame(bool fullScreen) {
    app_.state.ResizeEnabled = false;
    setWindowFlag(Qt::FramelessWindowHint, fullScreen);
    showMaximized();
    raise();
    activateWindow();
    app_.state.ResizeEnabled = true;
    relayout();
}

void MainWindow::relayout() {
    if (!app_.state.FirstActivation)
        ComposeView();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const ProgramState& state = app_.state;
    if (!state.FirstActivation && !state.Closing && state.ResizeEnabled)
        relayout();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (viewKey(event))
        return;
    // Shift+Alt+G puts the window at a known place and size, for demonstrations.
    if (event->key() == Qt::Key_G && event->modifiers() == (Qt::ShiftModifier | Qt::AltModifier)) {
        showNormal();
        setGeometry(QRect(QPoint(0, 0), QSize(1076, 780)));
        move(0, 0);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::PrintViewCommand() {
    if (!viewPrint_)
        viewPrint_ = new ViewPrintDialog(app_.printer, this);
    viewPrint_->setPicture(outputPicture());
    viewPrint_->exec();
}

void MainWindow::CopyViewCommand() {
    BusyScope busy(app_.busy);
    QGuiApplication::clipboard()->setImage(outputPicture());
    QThread::msleep(100);
}

} // namespace quindor
