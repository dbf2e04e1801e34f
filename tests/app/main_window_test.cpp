#include "app/av_main.h"
#include "core/activity_guard.h"
#include "core/display_check.h"
#include "document/document_writer.h"
#include "document/ui/topic_columns.h"
#include "exercise/ui/protocol_window.h"
#include "program_window.h"
#include "settings/settings_store.h"
#include "support/test_support.h"
#include "view/ui/properties_dialog.h"
#include "whiteboard/ui/board_overlay.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QGridLayout>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

namespace quindor {
namespace {

// Records like the message port of the tests; a message box may also re-activate the window.
class ReactivatingMessages : public RecordingMessages {
public:
    Answer show(MessageKind kind, const QString& text, MessageButtons buttons) override {
        if (whileShown)
            whileShown();
        return RecordingMessages::show(kind, text, buttons);
    }
    std::function<void()> whileShown;
};

class MainWindowTest : public ::testing::Test,
                       protected test::ProgramWindow<ReactivatingMessages, test::RecordingPickers> {
protected:
    void SetUp() override {
        folder = dir.path() + QLatin1Char('/');
        app.state.ProgramFolder = folder;
        app.state.HelpFolder = folder + QStringLiteral("hilfe/");
    }

    QString writeDocument(const QString& name, const QString& title) {
        Document document;
        document.Header.Titel = title;
        document.BaseImage.Image = test::PatternImage(40, 30);
        QFile file(folder + name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(WriteDocumentBytes(document));
        return folder + name;
    }

    bool tryClose() {
        QCloseEvent event;
        QCoreApplication::sendEvent(&window, &event);
        return event.isAccepted();
    }

    QStringList topicCaptions() const {
        QStringList captions;
        for (QAction* a : window.topicMenu()->actions()) {
            if (a->objectName().startsWith(QStringLiteral("MenueThemaItem")))
                captions.append(a->text());
        }
        return captions;
    }

    QString folder;
};

TEST(DisplayCheck, BoundIs960By768At15Bits) {
    EXPECT_TRUE(DisplayCheckWarning(960, 768, 16).isEmpty());
    EXPECT_TRUE(DisplayCheckWarning(1920, 1080, 15).isEmpty());
    EXPECT_FALSE(DisplayCheckWarning(960, 768, 8).isEmpty());
    EXPECT_EQ(DisplayCheckWarning(959, 768, 32),
              QStringLiteral(
                  "Ungeeigneter Grafikmodus! (Windows-Systemsteuerung / Eigenschaften von "
                  "Anzeige)\r\n\r\nF\u00fcr dieses Programm sollte ein Grafikmodus mit einer "
                  "Aufl\u00f6sung von mindestens 1024 x 768 Pixel (Bildpunkte)und einer "
                  "Farbtiefe von mindestens 16 Bit (High Color) eingestellt sein. \r\nAktuelle "
                  "Einstellungen:\r\n- Aufl\u00f6sung: 959 x 768 Pixel\r\n- Farbtiefe: 32 "
                  "Bit\r\n\r\nProgramm trotzdem starten?"));
}

TEST(ActivityGuard, AsksOnlyWhileAnExerciseOrPuzzleRuns) {
    RecordingMessages messages;
    ProgramState state;
    EXPECT_TRUE(MayLeaveCurrentActivity(state, messages));
    state.ViewMode = Mode::Exercise;
    state.ExerciseEndState = RunEnd::Completed;
    EXPECT_TRUE(MayLeaveCurrentActivity(state, messages));
    EXPECT_TRUE(messages.entries().isEmpty());
    state.ViewMode = Mode::Puzzle;
    messages.queueAnswer(Answer::No);
    EXPECT_FALSE(MayLeaveCurrentActivity(state, messages));
    EXPECT_EQ(messages.texts().last(),
              QStringLiteral("Das aktuelle Schiebepuzzle ist noch nicht gel\u00f6st.\r\n"
                             "\u00dcbung wirklich abbrechen?"));
}

TEST_F(MainWindowTest, StartsWithTheStartPictureAndTheApplicationCaption) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quindor - Basissystem"));
    EXPECT_GE(window.minimumWidth(), 700);
    EXPECT_GE(window.minimumHeight(), 500);
    window.FirstActivation({});
    EXPECT_FALSE(app.state.FirstActivation);
    EXPECT_EQ(app.state.StartFolder, folder);
    EXPECT_TRUE(window.pageArea()->startInformationVisible());
    EXPECT_TRUE(window.pageArea()->startInformation()->text().startsWith(
        QStringLiteral("Um ein Quindor-Dokument anzuzeigen,")));
}

// What the start does not show is made when it is first needed: the panels and the protocol
// of a run, the text tool's field and the label of an area.
TEST_F(MainWindowTest, StartLeavesWhatItDoesNotShowUnmade) {
    window.FirstActivation({});
    EXPECT_EQ(window.findChild<ExerciseStatusPanel*>(), nullptr);
    EXPECT_EQ(window.findChild<PuzzleStatusPanel*>(), nullptr);
    EXPECT_EQ(window.findChild<ProtocolWindow*>(), nullptr);
    EXPECT_EQ(window.findChild<TextInputField*>(), nullptr);
    EXPECT_EQ(window.findChild<AreaLabel*>(), nullptr);
    EXPECT_EQ(window.exercisePanel()->tickCountPanel(), nullptr);
    EXPECT_EQ(window.textField(), nullptr);
}

TEST_F(MainWindowTest, CommandLineFolderListsItsTopics) {
    QDir().mkpath(folder + QStringLiteral("thema"));
    folder += QStringLiteral("thema/");
    writeDocument(QStringLiteral("b.qdr"), QStringLiteral("Bienen"));
    writeDocument(QStringLiteral("a.qdr"), QStringLiteral("Ameisen"));
    window.FirstActivation({folder});
    EXPECT_EQ(app.state.StartFolder, folder);
    EXPECT_EQ(app.state.CurrentFolder, folder);
    EXPECT_TRUE(window.pageArea()->startInformationVisible());
    EXPECT_EQ(topicCaptions(), (QStringList{"&1:  Ameisen", "&2:  Bienen"}));
}

TEST_F(MainWindowTest, CommandLineDocumentOpensWithTitleAndItsFolder) {
    writeDocument(QStringLiteral("a.qdr"), QStringLiteral("Ameisen"));
    const QString path = writeDocument(QStringLiteral("b.qdr"), QStringLiteral("Bienen"));
    window.FirstActivation({path});
    EXPECT_EQ(app.state.CommandLineDocument, path);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quindor - Basissystem - b.qdr"));
    EXPECT_EQ(window.titlePanel()->label()->text(), QStringLiteral("(2) Bienen"));
    // The title takes its large bold face with the first title.
    EXPECT_TRUE(window.titlePanel()->label()->font().bold());
    EXPECT_EQ(window.titlePanel()->label()->font().pointSize(), 16);
    EXPECT_FALSE(window.pageArea()->startInformationVisible());
    QAction* entry = window.action(QStringLiteral("MenueThemaItem1"));
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isChecked());
    EXPECT_EQ(entry->data().toInt(), 1);
}

TEST_F(MainWindowTest, MissingCommandLineDocumentReportsAndKeepsTheEmptyDocument) {
    const QString path = folder + QStringLiteral("fehlt.qdr");
    window.FirstActivation({path});
    EXPECT_EQ(messages.texts(), QStringList{DocumentSession::MissingFileMessage(path)});
    EXPECT_FALSE(app.session.hasDocument());
    EXPECT_EQ(app.state.StartFolder, folder);
}

TEST_F(MainWindowTest, AMessageBoxOfTheFirstActivationDoesNotStartItAgain) {
    const QString path = folder + QStringLiteral("fehlt.qdr");
    messages.whileShown = [&] { window.FirstActivation({path}); };
    window.FirstActivation({path});
    EXPECT_EQ(messages.texts(), QStringList{DocumentSession::MissingFileMessage(path)});
    EXPECT_FALSE(app.state.FirstActivation);
}

TEST_F(MainWindowTest, TitleLabelTogglesBetweenTitleAndQuestionMark) {
    window.FirstActivation({});
    TitlePanel* title = window.titlePanel();
    // The start page has no title either.
    EXPECT_EQ(title->label()->text(), QStringLiteral(" (ohne Titel)"));
    ASSERT_TRUE(app.session.LoadDocument(writeDocument(QStringLiteral("x.qdr"), QString()), false));
    window.UpdateTitle();
    EXPECT_EQ(title->label()->text(), QStringLiteral(" (ohne Titel)"));
    EXPECT_EQ(title->label()->toolTip(), QStringLiteral("Titel verbergen"));
    title->toggleTitle();
    EXPECT_EQ(title->label()->text(), QStringLiteral(" ?"));
    EXPECT_EQ(title->label()->toolTip(), QStringLiteral("Titel anzeigen"));
    title->toggleTitle();
    EXPECT_EQ(title->label()->toolTip(), QStringLiteral("Titel verbergen"));
    EXPECT_EQ(title->previousButton()->toolTip(),
              QStringLiteral("vorheriges Dokument \u00f6ffnen"));
    EXPECT_EQ(title->nextButton()->toolTip(), QStringLiteral("n\u00e4chstes Dokument \u00f6ffnen"));
}

TEST_F(MainWindowTest, OpenCommandOffersDocumentsAndRereadsTheList) {
    const QString path = writeDocument(QStringLiteral("a.qdr"), QStringLiteral("Ameisen"));
    window.FirstActivation({});
    pickers.openAnswer = path;
    window.OpenDocumentCommand();
    EXPECT_EQ(pickers.lastTitle, QStringLiteral("Dokument \u00f6ffnen"));
    EXPECT_EQ(pickers.lastFilters, QStringLiteral("Quindor-Dokument (*.qdr)|*.qdr|ZWK-Dokument "
                                                  "(*.zwk)|*.zwk|Alle Dateien (*.*)|*.*"));
    EXPECT_EQ(pickers.lastExtension, QStringLiteral("qdr"));
    EXPECT_EQ(pickers.lastStart, folder);
    EXPECT_EQ(app.session.header().Titel, QStringLiteral("Ameisen"));
    EXPECT_EQ(app.state.TopicIndex, 0);
    EXPECT_EQ(window.titlePanel()->label()->text(), QStringLiteral("(1) Ameisen"));
}

// After a document was open, choosing another folder (or the start page) makes the open
// dialog start in the new current folder, not beside the old document.
TEST_F(MainWindowTest, OpenDialogStartsBesideTheDocumentOrInTheCurrentFolder) {
    const QString path = writeDocument(QStringLiteral("a.qdr"), QStringLiteral("Ameisen"));
    QDir().mkpath(folder + QStringLiteral("anders"));
    window.FirstActivation({});
    pickers.openAnswer = path;
    window.OpenDocumentCommand();
    pickers.openAnswer.clear();
    window.OpenDocumentCommand();
    EXPECT_EQ(pickers.lastStart, path) << "the open document's folder, the document selected";
    pickers.folderAnswer = folder + QStringLiteral("anders");
    app.topics.ChooseFolderCommand();
    window.OpenDocumentCommand();
    EXPECT_EQ(QDir::fromNativeSeparators(pickers.lastStart), folder + QStringLiteral("anders/"));
    app.topics.GoToStartPage();
    window.OpenDocumentCommand();
    EXPECT_EQ(pickers.lastStart, folder);
}

// Beyond 30 topics the list shows in two columns, the second starting at (count - 8) div 2.
TEST_F(MainWindowTest, LongTopicListsShowInTwoColumns) {
    for (int i = 0; i < 30; ++i)
        writeDocument(QStringLiteral("t%1.qdr").arg(i, 2, 10, QLatin1Char('0')),
                      QStringLiteral("Thema %1").arg(i + 1));
    window.FirstActivation({});
    EXPECT_EQ(window.findChild<TopicColumns*>(), nullptr);
    EXPECT_TRUE(window.action(QStringLiteral("MenueThemaItem29"))->isVisible());

    writeDocument(QStringLiteral("t30.qdr"), QStringLiteral("Thema 31"));
    app.topics.RereadFolderCommand();
    auto* columns = window.findChild<TopicColumns*>();
    ASSERT_NE(columns, nullptr);
    auto* grid = static_cast<QGridLayout*>(columns->widget()->layout());
    const auto cell = [&](int topic) {
        auto* button =
            columns->findChild<QToolButton*>(QStringLiteral("MenueThemaItem%1Knopf").arg(topic));
        int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(button), &row, &column, &rowSpan, &columnSpan);
        return std::make_pair(column, row);
    };
    EXPECT_EQ(cell(10), std::make_pair(0, 10));
    EXPECT_EQ(cell(11), std::make_pair(1, 0));
    EXPECT_EQ(cell(30), std::make_pair(1, 19));
    EXPECT_EQ(topicCaptions().size(), 31) << "the entries stay the menu's actions";

    // A click on an entry opens its topic.
    columns->findChild<QToolButton*>(QStringLiteral("MenueThemaItem20Knopf"))->click();
    EXPECT_EQ(app.session.header().Titel, QStringLiteral("Thema 21"));
    EXPECT_EQ(app.state.TopicIndex, 20);
}

TEST_F(MainWindowTest, ModeControlsFollowTheViewMode) {
    window.FirstActivation({});
    EXPECT_FALSE(window.action(QStringLiteral("UebungAbbrechenItem"))->isEnabled());
    app.state.ViewMode = Mode::Exercise;
    window.UpdateModeControls();
    EXPECT_TRUE(window.action(QStringLiteral("UebungAbbrechenItem"))->isEnabled());
    EXPECT_FALSE(window.action(QStringLiteral("OeffnenItem"))->isEnabled());
    EXPECT_FALSE(window.action(QStringLiteral("SchliessenItem"))->isEnabled());
    EXPECT_FALSE(window.action(QStringLiteral("ArbeitsblattItem"))->isEnabled());
    EXPECT_FALSE(window.topicMenu()->menuAction()->isEnabled());
    app.state.ViewMode = Mode::Learning;
    window.UpdateModeControls();
    EXPECT_TRUE(window.action(QStringLiteral("OeffnenItem"))->isEnabled());
    EXPECT_TRUE(window.action(QStringLiteral("ArbeitsblattItem"))->isEnabled());
    EXPECT_TRUE(window.topicMenu()->menuAction()->isEnabled());
}

TEST_F(MainWindowTest, TheToolAreaFoldsAwayAndComesBackOnEitherSide) {
    window.FirstActivation({});
    auto* fold = window.findChild<QToolButton*>(QStringLiteral("WerkzeugKlappKnopf"));
    auto* tools = window.findChild<QWidget*>(QStringLiteral("WerkzeugPanel"));
    ASSERT_NE(fold, nullptr);
    EXPECT_EQ(fold->text(), QStringLiteral("\u00bb"));
    EXPECT_EQ(fold->toolTip(), QStringLiteral("Werkzeugleiste ausblenden"));
    fold->click();
    EXPECT_FALSE(tools->isVisibleTo(&window));
    EXPECT_EQ(fold->text(), QStringLiteral("\u00ab"));
    EXPECT_EQ(fold->toolTip(), QStringLiteral("Werkzeugleiste einblenden"));
    // Moving the folded area to the left keeps it folded; the arrow turns with it.
    window.SetToolBarSide(true);
    EXPECT_FALSE(tools->isVisibleTo(&window));
    EXPECT_EQ(fold->text(), QStringLiteral("\u00bb"));
    auto* row = window.centralWidget()->layout();
    EXPECT_EQ(row->indexOf(tools), 0);
    EXPECT_EQ(row->indexOf(fold), 1);
    fold->click();
    EXPECT_TRUE(tools->isVisibleTo(&window));
    EXPECT_EQ(fold->text(), QStringLiteral("\u00ab"));
    EXPECT_EQ(fold->toolTip(), QStringLiteral("Werkzeugleiste ausblenden"));
}

TEST_F(MainWindowTest, TheWorksheetIsMadeFromTheFileMenuOrTheToolArea) {
    QAction* item = window.action(QStringLiteral("ArbeitsblattItem"));
    ASSERT_TRUE(item);
    EXPECT_EQ(item->text(), QStringLiteral("&Arbeitsblatt erstellen..."));
    const QList<QAction*> file = window.findChild<QMenu*>(QStringLiteral("DateiMenu"))->actions();
    EXPECT_EQ(file.indexOf(item) + 1,
              file.indexOf(window.action(QStringLiteral("DruckereinrichtungItem"))));
    auto* button = window.findChild<QToolButton*>(QStringLiteral("ArbeitsblattBtn"));
    ASSERT_TRUE(button);
    EXPECT_EQ(button->text(), QStringLiteral("Arbeitsblatt erstellen"));
}

TEST_F(MainWindowTest, EveryCloseGuardKeepsTheProgramOpen) {
    window.FirstActivation({});
    // A running exercise, not aborted.
    app.state.ViewMode = Mode::Exercise;
    messages.queueAnswer(Answer::No);
    EXPECT_FALSE(tryClose());
    EXPECT_FALSE(app.state.Closing);
    app.state.ViewMode = Mode::Learning;
    // The save question cancelled.
    app.session.header().Modified = true;
    messages.queueAnswer(Answer::Cancel);
    EXPECT_FALSE(tryClose());
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Aktuelles Dokument speichern?"));
    app.session.header().Modified = false;
    // The quit dialog answered "Nein, weiter arbeiten".
    messages.queueChoice(1);
    EXPECT_FALSE(tryClose());
    const RecordingMessages::Entry& quit = messages.entries().last();
    EXPECT_EQ(quit.caption, QStringLiteral("Beenden"));
    EXPECT_EQ(quit.text, QStringLiteral("Programm beenden?"));
    EXPECT_EQ(quit.buttonCaptions, (QStringList{QStringLiteral("Ja, beenden"),
                                                QStringLiteral("Nein, weiter arbeiten")}));
    EXPECT_FALSE(app.state.Closing);
    // The end of the desktop session asks the same; a refusal cancels it.
    messages.queueChoice(1);
    EXPECT_FALSE(window.sessionEnding(true));
    // Confirmed.
    messages.queueChoice(0);
    EXPECT_TRUE(tryClose());
    EXPECT_TRUE(app.state.Closing);
}

// The session ends or the system asks the program to stop: nobody is asked, the settings are
// written, and the unsaved changes wait for the next start.
TEST_F(MainWindowTest, EndingWithoutQuestionsKeepsTheChangesForTheNextStart) {
    const QString path = writeDocument(QStringLiteral("a.qdr"), QStringLiteral("Ameisen"));
    app.state.RecoveryFolder = folder + QStringLiteral("daten");
    window.FirstActivation({path});
    window.action(QStringLiteral("NamenseingabeItem"))->trigger();
    app.session.header().Titel = QStringLiteral("Ameisenstaat");
    app.session.header().Modified = true;
    window.endWithoutQuestions();
    EXPECT_TRUE(messages.entries().isEmpty());
    EXPECT_TRUE(app.state.Closing);
    EXPECT_EQ(store.readBool(QStringLiteral("Opt-UebNameEingabe")), std::optional<bool>(false));

    test::ProgramWindow<> next;
    next.app.state.RecoveryFolder = app.state.RecoveryFolder;
    next.messages.queueChoice(0);
    next.window.FirstActivation({});
    ASSERT_EQ(next.messages.entries().size(), 1);
    const RecordingMessages::Entry& offer = next.messages.entries()[0];
    EXPECT_EQ(offer.caption, QStringLiteral("Wiederherstellung"));
    EXPECT_EQ(offer.text, QStringLiteral("Beim letzten Beenden des Programms waren \u00c4nderungen "
                                         "im Dokument \"") +
                              QDir::toNativeSeparators(path) +
                              QStringLiteral("\" noch nicht gespeichert. Sie wurden "
                                             "aufbewahrt.\r\n\r\n\u00c4nderungen "
                                             "wiederherstellen oder verwerfen?"));
    EXPECT_EQ(offer.buttonCaptions,
              (QStringList{QStringLiteral("Wiederherstellen"), QStringLiteral("Verwerfen")}));
    EXPECT_EQ(next.app.session.header().Titel, QStringLiteral("Ameisenstaat"));
    EXPECT_EQ(next.app.session.header().FileName, path);
    EXPECT_TRUE(next.app.session.header().Modified);
    EXPECT_FALSE(next.window.pageArea()->startInformationVisible());
    // Offered once.
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("daten/Wiederherstellung.qdr")));
}

TEST_F(MainWindowTest, CloseCommandReturnsToTheStartPage) {
    const QString path = writeDocument(QStringLiteral("a.qdr"), QStringLiteral("Ameisen"));
    window.FirstActivation({path});
    app.session.header().Modified = true;
    messages.queueAnswer(Answer::Cancel);
    EXPECT_FALSE(window.CloseCommand());
    EXPECT_TRUE(app.session.hasDocument());
    messages.queueAnswer(Answer::No);
    EXPECT_TRUE(window.CloseCommand());
    EXPECT_FALSE(app.session.hasDocument());
    EXPECT_TRUE(window.pageArea()->startInformationVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quindor - Basissystem"));
    EXPECT_EQ(app.state.PreviousDocument, path);
}

TEST_F(MainWindowTest, HelpOpensTheIndexPageOrSaysWhyNot) {
    window.HelpCommand();
    const QString target = QStringLiteral("file://") + folder + QStringLiteral("hilfe/index.html");
    EXPECT_EQ(shell.opened, QStringList{target});
    EXPECT_EQ(messages.texts().last(),
              QStringLiteral("Die Datei \"") + target +
                  QStringLiteral("\" kann nicht ge\u00f6ffnet werden. Sie ben\u00f6tigen einen "
                                 "Webbrowser (z.B. Internet Explorer) um dieses Dokument "
                                 "anzusehen."));
    shell.result = true;
    messages.clear();
    window.HelpCommand();
    EXPECT_TRUE(messages.entries().isEmpty());
}

TEST_F(MainWindowTest, OptionsComeFromTheStoresAndGoBackAtExit) {
    store.writeInt(QStringLiteral("Opt-WerkzeugPos"), 1);
    store.writeBool(QStringLiteral("Opt-Sound"), true);
    QFile ini(folder + QStringLiteral("config.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Optionen]\r\nOptionenDefZentral=1\r\nTonausgabe=0\r\n");
    ini.close();
    app.state.CentralIniPath = folder + QStringLiteral("config.ini");
    window.FirstActivation({});
    EXPECT_FALSE(window.action(QStringLiteral("TonausgabeItem"))->isChecked());
    EXPECT_TRUE(window.action(QStringLiteral("ErgebnisfensterItem"))->isChecked());
    EXPECT_TRUE(window.action(QStringLiteral("WerkzeugLinksItem"))->isChecked());
    window.action(QStringLiteral("NamenseingabeItem"))->trigger();
    EXPECT_FALSE(app.settings.OptUebNameEingabe);
    window.SetToolBarSide(false);
    messages.queueChoice(0);
    EXPECT_TRUE(tryClose());
    EXPECT_EQ(store.readBool(QStringLiteral("Opt-Sound")), std::optional<bool>(false));
    EXPECT_EQ(store.readBool(QStringLiteral("Opt-UebNameEingabe")), std::optional<bool>(false));
    EXPECT_EQ(store.readInt(QStringLiteral("Opt-WerkzeugPos")), std::optional<int>(0));
}

// A document with one covered query label, an info point with a password and a link to
// another document, laid out in the window's learning view.
class LearningViewTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        writeDocument(QStringLiteral("ziel.qdr"), QStringLiteral("Ziel"));
        Document document;
        document.Header.Titel = QStringLiteral("Start");
        document.BaseImage.Image = test::PatternImage(870, 600);
        label = AddObject(document, {.Typ = ObjectKind::QueryLabel,
                                     .Ebene = 1,
                                     .Cap = QStringLiteral("Bl\u00fcte"),
                                     .FrageNummer = -1,
                                     .Kx = 0.3,
                                     .Ky = 0.3,
                                     .KAusr = 1,
                                     .Fsize = 0});
        info = AddObject(document, {.Typ = ObjectKind::InfoPoint,
                                    .Ebene = 2,
                                    .Cap = QStringLiteral("<B>Erkl\u00e4rung</B>"),
                                    .FrageNummer = -1,
                                    .Kx = 0.6,
                                    .Ky = 0.6,
                                    .KAusr = 1,
                                    .Fsize = 0});
        document.Object(info).PktCap = QStringLiteral("Info");
        document.Object(info).BildKenn = QStringLiteral("Geheim");
        link = AddObject(document, {.Typ = ObjectKind::DocumentLink,
                                    .Ebene = 2,
                                    .Cap = QStringLiteral("ziel.qdr"),
                                    .FrageNummer = -1,
                                    .Kx = 0.8,
                                    .Ky = 0.8,
                                    .KAusr = 1,
                                    .Fsize = 0});
        document.Object(link).PktCap = QStringLiteral("Dok.");
        QFile file(folder + QStringLiteral("start.qdr"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(WriteDocumentBytes(document));
        file.close();
        window.resize(1100, 800);
        window.FirstActivation({folder + QStringLiteral("start.qdr")});
        window.setPasswordPrompt([this] { return typed; });
    }

    QPoint centreOf(int index) const {
        const FracRect& r = app.session.document().Object(index).CardRect;
        return app.view.geometry().PageToDisplay((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }

    int label = -1, info = -1, link = -1;
    std::optional<QString> typed;
};

TEST_F(LearningViewTest, ClickUncoversOneFieldAndCoversItAgain) {
    ObjDataTyp& o = app.session.document().Object(label);
    ASSERT_EQ(o.State, ObjectState::Covered);
    EXPECT_EQ(o.Nummer, 1);
    window.pagePressed(centreOf(label), Qt::LeftButton);
    EXPECT_EQ(o.State, ObjectState::Shown);
    window.pagePressed(centreOf(label), Qt::LeftButton);
    EXPECT_EQ(o.State, ObjectState::Covered);
    window.action(QStringLiteral("AlleAufdeckenItem"))->trigger();
    EXPECT_EQ(o.State, ObjectState::Shown);
}

TEST_F(LearningViewTest, InfoPointAsksForItsExactPassword) {
    typed = QStringLiteral("geheim");
    window.pagePressed(centreOf(info), Qt::LeftButton);
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Das Passwort ist falsch."));
    messages.clear();
    typed = std::nullopt;
    window.pagePressed(centreOf(info), Qt::LeftButton);
    EXPECT_TRUE(messages.entries().isEmpty());
    typed = QStringLiteral("Geheim");
    window.pagePressed(centreOf(info), Qt::LeftButton);
    EXPECT_TRUE(messages.entries().isEmpty());
    auto* box = window.findChild<QDialog*>(QStringLiteral("InfoBox"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Information"));
    EXPECT_TRUE(box->isVisible());
}

TEST_F(LearningViewTest, DocumentLinkOpensTheOtherDocument) {
    window.pagePressed(centreOf(link), Qt::LeftButton);
    EXPECT_EQ(app.session.header().Titel, QStringLiteral("Ziel"));
    EXPECT_EQ(app.state.PreviousDocument, folder + QStringLiteral("start.qdr"));
}

TEST_F(LearningViewTest, NumberingModesAndLayersComeFromTheMenu) {
    window.action(QStringLiteral("FragezeichenItem"))->trigger();
    EXPECT_EQ(app.state.NumberingMode, Numbering::QuestionMarks);
    EXPECT_EQ(app.session.document().Object(label).Nummer, 0);
    window.action(QStringLiteral("Ebene2Item"))->trigger();
    EXPECT_FALSE(window.findChild<QCheckBox*>(QStringLiteral("Ebene2Check"))->isChecked());
    EXPECT_EQ(app.view.HitTest(centreOf(info).x(), centreOf(info).y()), -1);
    window.action(QStringLiteral("Zoom200Item"))->trigger();
    EXPECT_DOUBLE_EQ(app.view.geometry().ZoomFactor, 2.0);
}

TEST_F(LearningViewTest, CoverSheetCoversThePictureAreaUntilHidden) {
    window.show();
    window.action(QStringLiteral("AbdeckblattEinItem"))->trigger();
    auto* sheet = window.findChild<QWidget*>(QStringLiteral("AbdeckblattPanel"));
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->size(), window.pageArea()->size());
    window.action(QStringLiteral("AbdeckblattAusItem"))->trigger();
    EXPECT_FALSE(sheet->isVisible());
}

TEST_F(LearningViewTest, PropertiesDialogShowsTheHeaderReadOnly) {
    TDokEigenschaftenForm dialog(app.session.document(), 1);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Dokumenteigenschaften"));
    ASSERT_EQ(dialog.tabs()->count(), 2);
    EXPECT_EQ(dialog.tabs()->tabText(0), QStringLiteral("  Allgemein  "));
    EXPECT_EQ(dialog.tabs()->tabText(1), QStringLiteral("  Arbeitsblatt  "));
    EXPECT_EQ(dialog.tabs()->currentIndex(), 1);
    bool titleShown = false;
    for (QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
        EXPECT_TRUE(field->isReadOnly());
        titleShown = titleShown || field->text() == QStringLiteral("Start");
    }
    EXPECT_TRUE(titleShown);
}

} // namespace
} // namespace quindor
