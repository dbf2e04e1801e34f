// The windows of the network exercise: the channel dialog, the join dialog, the control
// display and the main window's network commands.
#include "app/av_main.h"
#include "document/document_writer.h"
#include "exercise/ui/exercise_dialogs.h"
#include "network/exercise_files.h"
#include "network/ui/comm_dialog.h"
#include "network/ui/join_dialog.h"
#include "network/ui/master_prot_form.h"
#include "program_window.h"
#include "settings/settings_store.h"
#include "support/test_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace quindor {
namespace {

class SavePickers : public Pickers {
public:
    QString openFile(const QString&, const QString&, const QString&, const QString&) override {
        return QString();
    }
    QString saveFile(const QString& title, const QString& filters, const QString& extension,
                     const QString&) override {
        asked.append(title + QLatin1Char('|') + filters + QLatin1Char('|') + extension);
        return answer;
    }
    QString chooseFolder(const QString& title, const QString&) override {
        asked.append(title);
        return answer;
    }
    QStringList asked;
    QString answer;
};

class NetworkWindowTest : public ::testing::Test,
                          protected test::ProgramWindow<RecordingMessages, SavePickers> {
protected:
    void SetUp() override {
        app.state.ProgramFolder = dir.path() + QLatin1Char('/');
        app.state.CommFolder = dir.path() + QStringLiteral("/kom/");
        app.state.CommChannel = QStringLiteral("KLASSE");
        app.settings.NetzKomVerfahren = 0;
        QDir().mkpath(app.state.CommFolder);
    }
    QString writeDocument(const QString& title) {
        Document doc;
        doc.Header.Titel = title;
        for (int i = 0; i < 3; ++i)
            AddObject(doc, {.Typ = ObjectKind::QueryLabel,
                            .Cap = QStringLiteral("Wort %1").arg(i),
                            .Kx = 0.2 + 0.3 * i,
                            .Ky = 0.5});
        QImage paper(870, 600, QImage::Format_ARGB32_Premultiplied);
        paper.fill(Qt::white);
        doc.BaseImage.Image = paper;
        const QString path = dir.filePath(QStringLiteral("wörter.qdr"));
        test::WriteFileBytes(path, WriteDocumentBytes(doc));
        return path;
    }
    // Initiates through the main window, its settings dialog confirmed at once.
    void initiate() {
        ASSERT_TRUE(app.session.LoadDocument(writeDocument(QStringLiteral("Wörter")), true));
        QTimer::singleShot(0, [] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* dialog = qobject_cast<ExerciseOptionsDialog*>(w);
                    dialog && dialog->isVisible())
                    dialog->accept();
            }
        });
        window.action(QStringLiteral("Netzwerkuebunginitiieren1"))->trigger();
    }
};

TEST_F(NetworkWindowTest, ChannelDialogChecksFolderAndAccess) {
    TKommVerzForm dialog(app.state, app.settings, messages, pickers);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Kommunikation für Netzwerk-Übungen"));
    EXPECT_EQ(dialog.folderField()->text(), app.state.CommFolder);
    EXPECT_EQ(dialog.channelField()->maxLength(), 8);
    EXPECT_TRUE(dialog.folderOption()->isChecked());

    // A folder that is not there is made on request; declined, nothing is taken over. A file
    // is no folder, and the refusal says so.
    const QString missing = dir.filePath(QStringLiteral("fehlt"));
    dialog.folderField()->setText(missing);
    dialog.channelField()->setText(QStringLiteral("NEU"));
    messages.queueAnswer(Answer::No);
    dialog.accept();
    test::WriteFileBytes(dir.filePath(QStringLiteral("datei")), "x");
    dialog.folderField()->setText(dir.filePath(QStringLiteral("datei")));
    dialog.accept();
    EXPECT_EQ(messages.texts(),
              QStringList(
                  {"Der Ordner \"" + missing + "\" existiert nicht. Soll er angelegt werden?",
                   "Der angegebene Ordner ist ungültig.\r\n\"" +
                       dir.filePath(QStringLiteral("datei")) + "\" ist eine Datei, kein Ordner."}));
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_EQ(app.state.CommChannel, QStringLiteral("KLASSE"));
    // The folder beside the program is made without asking.
    QDir(app.state.CommFolder).removeRecursively();
    dialog.folderField()->setText(app.state.CommFolder);
    messages.clear();
    dialog.accept();
    EXPECT_TRUE(messages.entries().isEmpty());
    EXPECT_TRUE(QFileInfo(app.state.CommFolder).isDir());

    // A folder typed without separator gets one; the access test leaves other files alone.
    const QString shared = dir.filePath(QStringLiteral("tausch"));
    QDir().mkpath(shared);
    test::WriteFileBytes(shared + QStringLiteral("/AVXZ_1"), "fremd");
    dialog.folderField()->setText(shared);
    dialog.combinedOption()->setChecked(true);
    messages.clear();
    dialog.accept();
    EXPECT_EQ(dialog.folderField()->text(), shared + QDir::separator());
    EXPECT_TRUE(messages.entries().isEmpty());
    EXPECT_EQ(app.state.CommFolder, shared + QDir::separator());
    EXPECT_EQ(app.state.CommChannel, QStringLiteral("NEU"));
    EXPECT_EQ(app.settings.NetzKomVerfahren, 1);
    EXPECT_EQ(QDir(shared).entryList(QDir::Files), QStringList({"AVXZ_1"}));
    EXPECT_EQ(test::ReadFileBytes(shared + QStringLiteral("/AVXZ_1")), QByteArray("fremd"));

    dialog.accessTest();
    dialog.folderOption()->setChecked(true);
    dialog.accessTest();
    EXPECT_EQ(messages.texts(), QStringList({"Aufgrund der Kommunikation über Datagramme ist kein "
                                             "Datei-Zugriffstest erforderlich.",
                                             "Test für Lese- und Schreibzugriff erfolgreich."}));
    // A channel that could name files elsewhere is no channel.
    messages.clear();
    dialog.channelField()->setText(QStringLiteral("../x"));
    dialog.accept();
    EXPECT_EQ(app.state.CommChannel, QStringLiteral("NEU"));
    EXPECT_EQ(messages.entries().size(), 1);
    // A longer channel preset centrally stays as it is.
    app.state.CommChannel = QStringLiteral("KLASSE-10B");
    TKommVerzForm central(app.state, app.settings, messages, pickers);
    central.accept();
    EXPECT_EQ(app.state.CommChannel, QStringLiteral("KLASSE-10B"));
}

TEST_F(NetworkWindowTest, AccessTestFailureWarnsWithTheFolder) {
    TKommVerzForm dialog(app.state, app.settings, messages, pickers);
    const QString file = dir.filePath(QStringLiteral("keinordner"));
    test::WriteFileBytes(file, "x");
    dialog.folderField()->setText(file);
    dialog.folderOption()->setChecked(true);
    dialog.accessTest();
    ASSERT_EQ(messages.entries().size(), 1);
    EXPECT_EQ(messages.entries()[0].kind, MessageKind::Warning);
    EXPECT_EQ(messages.texts()[0],
              QStringLiteral("Sie verfügen nicht über ausreichende Zugriffsrechte für den "
                             "angegebenen Kommunikationsordner. Für diesen Ordner (") +
                  file + QDir::separator() +
                  QStringLiteral(") benötigen Sie Lese- und Schreibzugriffsrechte. \r\n\r\n"
                                 "Setzen Sie die nötigen Zugriffsrechte oder wählen Sie unter "
                                 "dem Menüpunkt \"Optionen / Netzwerk-Kommunikation...\" ein "
                                 "anderes Verzeichnis aus. Wenden Sie sich ggf. an Ihren "
                                 "Netzwerkadministrator."));
}

TEST_F(NetworkWindowTest, JoinDialogWaitsForAPublishedExercise) {
    bool published = false;
    QString title;
    TNetzUebungTnStartForm dialog(messages, [&] {
        return TNetzUebungTnStartForm::Check{published, title};
    });
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("An Netzwerk-Übung teilnehmen"));
    EXPECT_EQ(dialog.nameField()->maxLength(), 20);
    dialog.show();
    EXPECT_EQ(dialog.statusField()->text(), QStringLiteral("Bitte warten..."));
    EXPECT_FALSE(dialog.joinButton()->isEnabled());
    EXPECT_TRUE(dialog.checkTimer()->isActive());
    EXPECT_EQ(dialog.checkTimer()->interval(), 500);
    dialog.checkNow();
    EXPECT_EQ(dialog.statusField()->text(),
              QStringLiteral("Netzwerk-Übung nicht initiiert. Bitte warten..."));
    EXPECT_EQ(dialog.statusField()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    published = true;
    title = QStringLiteral("Flüsse");
    dialog.checkNow();
    EXPECT_EQ(dialog.statusField()->text(), QStringLiteral("Netzwerk-Übung verfügbar: Flüsse"));
    EXPECT_EQ(dialog.statusField()->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_TRUE(dialog.joinButton()->isEnabled());

    messages.clear();
    dialog.joinClicked();
    EXPECT_EQ(messages.texts(), QStringList({"Bitte Name oder Rechnernummer eintragen!"}));
    EXPECT_TRUE(dialog.isVisible());
    // Blanks only are a name.
    dialog.nameField()->setText(QStringLiteral("   "));
    dialog.joinClicked();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.checkTimer()->isActive());
}

TEST_F(NetworkWindowTest, InitiationShowsTheControlDisplay) {
    initiate();
    ASSERT_TRUE(window.network().initiating());
    TMasterProtForm* display = window.controlDisplay();
    EXPECT_TRUE(display->isVisible());
    EXPECT_TRUE(display->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(display->windowTitle(),
              QStringLiteral("Netzwerk-Übung - Kontrollanzeige - Status: aktiv"));
    EXPECT_TRUE(display->participantPage());
    // Three query columns after the thirteen fixed ones, as wide as the grid says.
    QHeaderView* header = display->grid()->horizontalHeader();
    EXPECT_EQ(display->grid()->model()->columnCount(), 15);
    EXPECT_EQ(display->grid()->model()->headerData(0, Qt::Horizontal).toString(),
              QStringLiteral("Rechner"));
    EXPECT_EQ(header->sectionSize(0), 60);
    EXPECT_EQ(header->sectionSize(12), 25);
    EXPECT_EQ(display->grid()->verticalHeader()->width(), 30);
    EXPECT_EQ(display->grid()->verticalHeader()->defaultSectionSize(), 16);
    EXPECT_TRUE(display->information()->toPlainText().startsWith(QStringLiteral("Netzwerk-Übung")));
    // The teacher's menu stays open; the learner's commands are refused.
    EXPECT_TRUE(
        window.findChild<QMenu*>(QStringLiteral("LehrersteuerungMenu"))->menuAction()->isEnabled());
    messages.clear();
    window.communicationCommand();
    EXPECT_EQ(messages.texts(),
              QStringList({"Die Einstellungen zur Netzwerk-Kommunikation können nicht während "
                           "einer Netzwerk-Übung geändert werden."}));

    // Painted with its class overview, and printed with it under the grid.
    EXPECT_FALSE(display->grab().isNull());
    const PrintTableData table = display->printTable();
    EXPECT_EQ(table.screenWidths.size(), 16u);
    EXPECT_EQ(table.screenWidths[0], 30);
    ASSERT_EQ(table.rows.size(), 5u);
    EXPECT_EQ(table.rows[3].mid(1, 2), QStringList({"Klassenübersicht", "gelöst"}));
    EXPECT_EQ(table.rows[4].mid(12), QStringList({"", "0", "0", "0"}));

    display->addComment(QStringLiteral("  Gut gelaufen. "));
    EXPECT_TRUE(display->information()->toPlainText().endsWith(
        QStringLiteral("Kommentar\n\nGut gelaufen.")))
        << display->information()->toPlainText().right(40).toStdString();

    // The grid as text, header row included.
    const QString saved = dir.filePath(QStringLiteral("protokoll.txt"));
    ASSERT_TRUE(display->saveTo(saved));
    EXPECT_EQ(test::ReadFileBytes(saved),
              "\xEF\xBB\xBF" + window.network().grid().toText().toUtf8());
    EXPECT_TRUE(window.network().grid().toText().startsWith(QStringLiteral("Nr.\tRechner\t")));
    pickers.answer = dir.filePath(QStringLiteral("info.rtf"));
    display->showPage(1);
    display->saveCommand();
    EXPECT_EQ(pickers.asked.last(),
              QStringLiteral("Übungsinformation in Datei speichern|Rich Text "
                             "Dokument (*.rtf)|*.rtf|Alle Dateien (*.*)|*.*|rtf"));
    EXPECT_TRUE(test::ReadFileBytes(pickers.answer).startsWith("{\\rtf1"));

    // Registration closed, F9 brings the display forward showing it closed.
    display->registration()->setChecked(false);
    window.network().finishFolderWork();
    window.action(QStringLiteral("Netzwerkuebunginitiieren1"))->trigger();
    EXPECT_FALSE(display->registration()->isChecked());

    // Ending from the control display asks first, then the caption says so.
    messages.clear();
    messages.queueAnswer(Answer::Yes);
    display->endButton()->click();
    EXPECT_FALSE(window.network().initiating());
    EXPECT_EQ(display->windowTitle(),
              QStringLiteral("Netzwerk-Übung - Kontrollanzeige - Status: beendet"));
    EXPECT_FALSE(display->isVisible());
    // Shown again after the end, the button only closes it.
    display->showDisplay();
    display->endButton()->click();
    EXPECT_FALSE(display->isVisible());
    EXPECT_EQ(messages.entries().size(), 1);
    // Registration without a network exercise: checking tells, the box stays checked.
    messages.clear();
    display->registration()->setChecked(false);
    EXPECT_TRUE(messages.entries().isEmpty());
    display->registration()->setChecked(true);
    EXPECT_EQ(messages.texts(), QStringList({"Es ist keine Netzwerk-Übung aktiv."}));
    EXPECT_TRUE(display->registration()->isChecked());
}

// A learner's computer: the teacher's network exercise published by a second network session
// of this process, joined through the window.
TEST_F(NetworkWindowTest, ALearnerJoinsInTheWindowAndLeavesWithTheProgram) {
    ASSERT_TRUE(app.session.LoadDocument(writeDocument(QStringLiteral("Wörter")), true));
    ExerciseRun teacherRun(app.session.document(), app.state, app.settings, messages, sound,
                           *window.exercisePanel(),
                           {[] { return int64_t(0); }, [] { return 0.0; }});
    platform::HostResolver resolver;
    resolver.setMap({});
    RecordingMessages teacherMessages;
    // The teacher shares this computer's document only while it publishes.
    {
        NetworkSession teacher(
            app.session, app.state, app.settings, teacherRun, teacherMessages,
            platform::HostIdentity(QStringLiteral("LEHRER"), QStringLiteral("l")), resolver);
        teacher.windows().networkOptions = [](DocumentType) { return true; };
        teacher.initiateCommand();
        app.state.ExerciseKind = Participation::Individual;
    }
    app.session.CloseDocument();
    window.setJoinDialog([] { return std::optional<QString>(QStringLiteral("Lena")); });
    window.action(QStringLiteral("Netzwerkuebung1"))->trigger();
    ASSERT_EQ(app.state.ViewMode, Mode::Exercise);
    EXPECT_TRUE(
        window.findChild<QToolButton*>(QStringLiteral("NetzUebTeilnehmenBtn"))->isChecked());
    EXPECT_FALSE(
        window.findChild<QMenu*>(QStringLiteral("LehrersteuerungMenu"))->menuAction()->isEnabled());
    window.communicationCommand();
    EXPECT_EQ(messages.texts(),
              QStringList({"Die Einstellungen zur Netzwerk-Kommunikation können nicht während "
                           "einer Netzwerk-Übung geändert werden."}));
    // Closing the program: abort the run, quit; only then the leave message goes.
    messages.clear();
    messages.queueAnswer(Answer::Yes);
    messages.queueChoice(0);
    EXPECT_TRUE(window.close());
    EXPECT_EQ(app.state.ExerciseEndState, RunEnd::Aborted);
    const ExerciseFiles files =
        ExerciseFiles::ofChannel(app.state.CommFolder, app.state.CommChannel);
    QStringList sent;
    for (const QString& name : QDir(files.folder).entryList(QDir::Files)) {
        if (files.isMessageFile(name))
            sent.append(name);
    }
    // The join and the leave.
    EXPECT_EQ(sent.size(), 2);
    // A participant leaves the exercise files in place.
    EXPECT_TRUE(files.published());
}

// Told to stop, the teacher's computer leaves no dead network exercise for the next lesson.
TEST_F(NetworkWindowTest, AnInitiatorEndedWithoutQuestionsRemovesItsExerciseFiles) {
    initiate();
    const ExerciseFiles files =
        ExerciseFiles::ofChannel(app.state.CommFolder, app.state.CommChannel);
    ASSERT_TRUE(files.published());
    window.endWithoutQuestions();
    EXPECT_FALSE(files.published());
}

TEST_F(NetworkWindowTest, MenusAndButtonOfTheNetworkExercise) {
    const auto shortcut = [this](const char* name) {
        return window.action(QString::fromLatin1(name))->shortcut();
    };
    EXPECT_EQ(shortcut("Netzwerkuebunginitiieren1"), QKeySequence(Qt::Key_F9));
    EXPECT_EQ(shortcut("Kontrollanzeige1"), QKeySequence(Qt::ALT | Qt::Key_F9));
    EXPECT_EQ(shortcut("Netzwerkuebung1"), QKeySequence(Qt::Key_F8));
    EXPECT_EQ(window.action(QStringLiteral("Netzwerkuebung1"))->text(),
              QStringLiteral("An Netzwerk-Übung &teilnehmen..."));
    EXPECT_EQ(window.action(QStringLiteral("BestenlisteNetzwerk1"))->text(),
              QStringLiteral("Besten&liste Netzwerk-Übung..."));
    EXPECT_EQ(window.action(QStringLiteral("Kommunikationsverzeichnis1"))->text(),
              QStringLiteral("Netzwerk-&Kommunikation..."));
    EXPECT_EQ(window.findChild<QMenu*>(QStringLiteral("LehrersteuerungMenu"))->title(),
              QStringLiteral("Lehrer&steuerung"));
    auto* join = window.findChild<QToolButton*>(QStringLiteral("NetzUebTeilnehmenBtn"));
    ASSERT_NE(join, nullptr);
    EXPECT_EQ(join->text(), QStringLiteral("Netz-Übung teilnehmen"));

    // Ending with nothing to end.
    window.action(QStringLiteral("LehrerNetzwerkUebungbeenden1"))->trigger();
    EXPECT_EQ(messages.texts(), QStringList({"Es ist keine Netzwerk-Übung aktiv."}));
    // The network variant of the settings dialog says what "Übung starten" does, and only
    // while it is shown.
    ExerciseOptionsDialog options(OptionsFamily::Labelling, app.settings);
    const QString caption = options.windowTitle();
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(options.windowTitle(), QStringLiteral("Netzwerk-") + caption);
        EXPECT_TRUE(options.networkNote()->isVisible());
        options.reject();
    });
    EXPECT_FALSE(options.showForNetwork(DocumentType::Labelling));
    EXPECT_EQ(options.windowTitle(), caption);
    EXPECT_FALSE(options.networkNote()->isVisible());
}

} // namespace
} // namespace quindor
