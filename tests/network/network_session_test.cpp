// The initiator's and the participant's commands in one process, without windows.
#include "network/network_session.h"

#include "document/document_writer.h"
#include "exercise/headless_surface.h"
#include "layouts/document_layouts.h"
#include "network/envelope.h"
#include "network/message_files.h"
#include "support/test_support.h"
#include "view/view_composer.h"

#include <QDir>
#include <QFileInfo>
#include <QSemaphore>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

class NoSound : public platform::SoundPlayer {
public:
    void play(const QString&, bool) override {}
    void stop() override {}
};

// One computer: document, run and network exercise.
struct Computer {
    explicit Computer(const QString& name) : identity(name, name.toLower()) {
        RegisterLayouts(session.layouts(), state);
        resolver.setMap({});
        network.windows().networkOptions = [this](DocumentType) {
            ++optionDialogs;
            return confirmOptions;
        };
        network.windows().showControlDisplay = [this] { ++shown; };
        network.windows().pause = [](int) {};
        settings.OptSound = false;
        settings.OptUebNameEingabe = false;
    }

    ProgramState state;
    Settings settings;
    RecordingMessages messages;
    NoBusyIndicator busy;
    DocumentSession session{state, messages, busy};
    ViewComposer view{session.document(), state, &session.layouts()};
    HeadlessSurface surface{view, QSize(1000, 700)};
    NoSound sound;
    ExerciseRun run{session.document(),
                    state,
                    settings,
                    messages,
                    sound,
                    surface,
                    {[] { return int64_t(0); }, [] { return 45000.5; }}};
    platform::HostIdentity identity;
    platform::HostResolver resolver;
    NetworkSession network{session, state, settings, run, messages, identity, resolver};
    bool confirmOptions = true;
    int optionDialogs = 0;
    int shown = 0;
};

// A share whose listing waits until it is let go.
class HeldShare : public FolderPort {
public:
    QList<FolderEntry> list(const QString& folder) override {
        held.tryAcquire(1, 10'000);
        return FolderPort::list(folder);
    }
    QSemaphore held;
};

class NetworkSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (Computer* c : {&teacher, &learner}) {
            c->state.CommFolder = dir.path() + QLatin1Char('/');
            c->state.CommChannel = QStringLiteral("KLASSE");
            // Messages go through the folder: these tests do not listen on any port.
            c->settings.NetzKomVerfahren = 0;
        }
        Document doc;
        doc.Header.Titel = QStringLiteral("Flüsse");
        for (int i = 0; i < 3; ++i)
            AddObject(doc, {.Typ = ObjectKind::QueryLabel,
                            .Cap = QStringLiteral("Fluss %1").arg(i),
                            .Kx = 0.2 + 0.3 * i,
                            .Ky = 0.5});
        QImage paper(870, 600, QImage::Format_ARGB32_Premultiplied);
        paper.fill(Qt::white);
        doc.BaseImage.Image = paper;
        const QString path = source.filePath(QStringLiteral("fluesse.qdr"));
        test::WriteFileBytes(path, WriteDocumentBytes(doc));
        ASSERT_TRUE(teacher.session.LoadDocument(path, true));
        teacher.state.NumberingMode = Numbering::QuestionMarks;
    }
    ExerciseFiles files() const {
        return ExerciseFiles::ofChannel(dir.path(), QStringLiteral("KLASSE"));
    }

    QTemporaryDir dir;
    QTemporaryDir source;
    Computer teacher{QStringLiteral("LEHRER")};
    Computer learner{QStringLiteral("TN1")};
};

TEST_F(NetworkSessionTest, InitiationPublishesWithTheFlagLast) {
    // Leftovers of an earlier network exercise on the channel.
    const QString leftover =
        files().folder + files().messagePrefix() + QStringLiteral("AAAAAAAAAAAA.dat");
    test::WriteFileBytes(leftover, "alt");
    test::WriteFileBytes(files().hsc, "alt");
    test::WriteFileBytes(files().okx, "alt");
    bool publishedEarly = true;
    teacher.network.windows().closeControlDisplay = [&] {
        publishedEarly = QFileInfo::exists(files().okx) || !QFileInfo::exists(files().zwk) ||
                         !QFileInfo::exists(files().dat);
    };
    teacher.network.initiateCommand();
    EXPECT_FALSE(publishedEarly);
    EXPECT_TRUE(teacher.network.initiating());
    EXPECT_TRUE(files().published());
    EXPECT_FALSE(QFileInfo::exists(leftover));
    EXPECT_FALSE(QFileInfo::exists(files().hsc));
    EXPECT_EQ(teacher.shown, 1);
    // Question marks give way to numbers, so the columns can be matched.
    EXPECT_EQ(teacher.state.NumberingMode, Numbering::Ordered);
    EXPECT_EQ(teacher.network.grid().columnCount(), 16);
    EXPECT_TRUE(teacher.network.information().contains(QStringLiteral("\r\n1 - Fluss 0\r\n")));
    EXPECT_TRUE(
        teacher.network.information().contains(QStringLiteral("Kommunikationskanal:\tKLASSE")));
    // The open document keeps its own name and state.
    EXPECT_TRUE(teacher.session.header().FileName.endsWith(QStringLiteral("fluesse.qdr")));
    EXPECT_TRUE(teacher.messages.entries().isEmpty());

    // Again: only the control display comes forward.
    const QDateTime written = QFileInfo(files().dat).lastModified();
    teacher.network.initiateCommand();
    EXPECT_EQ(teacher.shown, 2);
    EXPECT_EQ(teacher.optionDialogs, 1);
    EXPECT_EQ(QFileInfo(files().dat).lastModified(), written);
}

TEST_F(NetworkSessionTest, NotConfirmedSettingsPublishNothing) {
    teacher.confirmOptions = false;
    teacher.network.initiateCommand();
    EXPECT_FALSE(teacher.network.initiating());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(NetworkSessionTest, EndingAsksAndCleansUp) {
    teacher.network.initiateCommand();
    teacher.messages.queueAnswer(Answer::No);
    EXPECT_FALSE(teacher.network.endCommand());
    EXPECT_TRUE(files().published());
    EXPECT_TRUE(teacher.network.endCommand());
    EXPECT_EQ(
        teacher.messages.texts(),
        QStringList(2, QStringLiteral("Netzwerk-Übung beenden?\r\nÜbungsteilnehmer können die "
                                      "laufende Übung noch zu Ende bearbeiten, die "
                                      "Kontrollanzeige wird jedoch nicht mehr aktualisiert.")));
    EXPECT_FALSE(teacher.network.initiating());
    EXPECT_FALSE(files().published());
    EXPECT_FALSE(teacher.network.MasterNetzKomTimer.isActive());
    teacher.messages.clear();
    EXPECT_FALSE(teacher.network.endCommand());
    EXPECT_EQ(teacher.messages.texts(), QStringList({"Es ist keine Netzwerk-Übung aktiv."}));
}

TEST_F(NetworkSessionTest, RegistrationWithoutANetworkExercise) {
    teacher.network.setRegistration(false);
    EXPECT_TRUE(teacher.messages.entries().isEmpty());
    teacher.network.setRegistration(true);
    EXPECT_EQ(teacher.messages.texts(), QStringList({"Es ist keine Netzwerk-Übung aktiv."}));
    teacher.network.initiateCommand();
    teacher.network.setRegistration(false);
    teacher.network.finishFolderWork();
    EXPECT_FALSE(files().published());
    EXPECT_FALSE(teacher.network.registrationOpen());
    teacher.network.setRegistration(true);
    teacher.network.finishFolderWork();
    EXPECT_TRUE(files().published());
}

TEST_F(NetworkSessionTest, ALearnerJoinsRunsAndIsSeen) {
    teacher.network.initiateCommand();
    EXPECT_EQ(learner.network.checkAvailability().title, QStringLiteral("Flüsse"));
    EXPECT_TRUE(learner.network.checkAvailability().available);
    learner.network.windows().joinDialog = [] {
        return std::optional<QString>(QStringLiteral(" "));
    };
    learner.network.joinCommand();
    ASSERT_EQ(learner.state.ViewMode, Mode::Exercise);
    EXPECT_EQ(learner.state.ExerciseKind, Participation::Participant);
    EXPECT_EQ(learner.run.data().InitiatorName, QStringLiteral("LEHRER"));
    EXPECT_EQ(learner.run.data().ParticipantKey.size(), 30);
    learner.network.finishFolderWork();
    teacher.network.collectTick();
    teacher.network.finishFolderWork();
    const ControlGrid& grid = teacher.network.grid();
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.cell(1, 1), QStringLiteral("TN1"));
    EXPECT_EQ(grid.cell(2, 1), QStringLiteral(" "));
    EXPECT_EQ(grid.cell(3, 1), QStringLiteral("aktiv"));

    // Joining twice, and a teacher joining its own exercise, are refused.
    learner.network.joinCommand();
    teacher.network.joinCommand();
    EXPECT_EQ(learner.messages.texts(),
              QStringList({"Um an einer Netzwerk-Übung teilnehmen zu können, muss die aktuelle "
                           "Übung zunächst beendet werden. Wählen Sie \"Übung abbrechen\", um die "
                           "aktuelle Übung vorzeitig abzubrechen."}));
    EXPECT_EQ(teacher.messages.texts(),
              QStringList({"Die Netzwerk-Übung wurde auf diesem Rechner initiiert. Die Teilnahme "
                           "an der Netzwerk-Übung muss an einem anderen Rechner erfolgen."}));
    // The teacher's own run is refused while it leads.
    teacher.messages.clear();
    EXPECT_FALSE(teacher.run.StartExercise({}));
    EXPECT_EQ(teacher.messages.texts(),
              QStringList({"Auf diesem Rechner wurde eine Netzwerk-Übung initiiert, die zuerst "
                           "beendet werden muss. Daher kann im Moment keine eigene Übung "
                           "gestartet werden."}));
    // Leaving, the exercise file is no document to come back to.
    learner.run.AbortExercise();
    EXPECT_TRUE(learner.state.PreviousDocument.isEmpty());
}

TEST_F(NetworkSessionTest, JoinsThatCannotBeginLeaveNoTrace) {
    teacher.network.initiateCommand();
    // A run that does not start announces nobody.
    Document empty = teacher.session.document();
    empty.Objects.clear();
    test::WriteFileBytes(files().zwk, WriteDocumentBytes(empty));
    EXPECT_FALSE(learner.network.readNetworkExercise(QStringLiteral("Anna")));
    learner.network.finishFolderWork();
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*-TN-*")}), QStringList());
    // Without the folder there is nothing to wait for.
    learner.state.CommFolder = dir.filePath(QStringLiteral("fehlt/"));
    learner.network.joinCommand();
    EXPECT_EQ(
        learner.messages.texts(),
        QStringList({"Dieses Dokument enthält keine Abfrageobjekte.",
                     "Der angegebene Kommunikationsordner ist nicht verfügbar. Wählen Sie "
                     "zur Korrektur den Menüpunkt \"Optionen / Netzwerk-Kommunikation...\""}));
}

TEST_F(NetworkSessionTest, AShareThatHoldsStopsNoWindowAndLosesNothing) {
    teacher.network.initiateCommand();
    learner.network.windows().joinDialog = [] { return std::optional<QString>("Anna"); };
    learner.network.joinCommand();
    learner.network.finishFolderWork();
    auto share = std::make_shared<HeldShare>();
    teacher.network.setFolderPort(share);
    // The collection waits on the share, not the window.
    teacher.network.collectTick();
    EXPECT_FALSE(teacher.network.finishFolderWork(50));
    share->held.release(100);
    EXPECT_TRUE(teacher.network.finishFolderWork());
    EXPECT_EQ(teacher.network.grid().cell(2, 1), QStringLiteral("Anna"));
}

TEST_F(NetworkSessionTest, AnUnreadableSettingsFileFailsTheJoin) {
    teacher.network.initiateCommand();
    test::WriteFileBytes(files().dat, "kaputt");
    EXPECT_FALSE(learner.network.readNetworkExercise(QStringLiteral("Anna")));
    EXPECT_EQ(learner.messages.texts(),
              QStringList({QStringLiteral("Fehler beim Einlesen der Datei \"") +
                           QDir::toNativeSeparators(files().dat) + QLatin1Char('"')}));
    EXPECT_EQ(learner.state.ViewMode, Mode::Learning);
}

TEST_F(NetworkSessionTest, TheCollectorReportsWhatItCannotTake) {
    teacher.network.initiateCommand();
    QString path;
    FolderPort port;
    ASSERT_TRUE(WriteMessageFile(port, files(), learner.identity,
                                 {QStringLiteral("TN-INIT"), QStringLiteral("K"),
                                  QStringLiteral("Anna"), QStringLiteral("10:00:00")},
                                 path));
    const QString bad =
        files().folder + files().messagePrefix() + QStringLiteral("ZZZZZZZZZZZZ.dat");
    test::WriteFileBytes(bad, EncodeMessageFile(QStringLiteral("u"), QStringLiteral("TN1"),
                                                JoinMessageLines({"TN-BESTLIST", "K", "Anna", "TN1",
                                                                  "heute", "1000", "0.5"})));
    teacher.network.collectTick();
    teacher.network.finishFolderWork();
    EXPECT_EQ(teacher.messages.texts(),
              QStringList({QStringLiteral("Fehler beim Einlesen der Datei \"") +
                           QDir::toNativeSeparators(bad) + QLatin1Char('"')}));
    EXPECT_EQ(teacher.network.grid().cell(2, 1), QStringLiteral("Anna"));
    EXPECT_FALSE(QFileInfo::exists(bad));
    EXPECT_TRUE(teacher.network.MasterNetzKomTimer.isActive());
}

} // namespace
} // namespace quindor
