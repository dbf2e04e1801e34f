// A teacher's computer and three learners' computers as processes of their own on this
// machine, each with its own computer name, loopback address and settings folder, sharing one
// communication folder; through datagrams and through the folder alone.
#include "document/document_writer.h"
#include "network/exercise_files.h"
#include "platform/datagram_endpoint.h"

#include "support/test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace quindor {
namespace {

// One simulated computer: a network_peer process and the lines it answered.
class Peer {
public:
    Peer(const QString& computer, const QProcessEnvironment& base, const QString& home,
         const QStringList& arguments) {
        QProcessEnvironment env = base;
        env.insert(QStringLiteral("QUINDOR_COMPUTERNAME"), computer);
        env.insert(QStringLiteral("QUINDOR_USERNAME"), computer.toLower());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QLatin1Char('/') + computer);
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(NETWORK_PEER_PATH), arguments);
        wait(QStringLiteral("READY"));
    }
    ~Peer() {
        if (process_.state() != QProcess::NotRunning) {
            process_.closeWriteChannel();
            if (!process_.waitForFinished(5000))
                process_.kill();
        }
    }

    // Sends a command and waits for the line that starts with `answer`; empty on time-out.
    QString ask(const QString& command, const QString& answer, int timeout = 15'000) {
        process_.write((command + QLatin1Char('\n')).toUtf8());
        return wait(answer, timeout);
    }
    QString wait(const QString& answer, int timeout = 15'000) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeout) {
            while (process_.canReadLine()) {
                QString line = QString::fromUtf8(process_.readLine());
                // Only the line end goes: a grid row ends with empty cells.
                while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r')))
                    line.chop(1);
                lines_.append(line);
                if (line.startsWith(answer))
                    return line;
            }
            process_.waitForReadyRead(100);
        }
        return QString();
    }
    // Every message box the computer showed so far.
    QStringList messages() const {
        QStringList shown;
        for (const QString& line : lines_) {
            if (line.startsWith(QStringLiteral("MSG ")))
                shown.append(line.mid(4));
        }
        return shown;
    }
    QStringList grid() {
        ask(QStringLiteral("grid"), QStringLiteral("GRIDEND"));
        QStringList rows;
        for (const QString& line : lines_) {
            if (line.startsWith(QStringLiteral("GRID ")))
                rows.append(line.mid(5));
        }
        lines_.removeIf([](const QString& l) { return l.startsWith(QStringLiteral("GRID")); });
        return rows;
    }
    // Waits until the initiator's grid satisfies `done` (messages travel while it waits).
    QStringList gridWhen(const std::function<bool(const QStringList&)>& done,
                         int timeout = 10'000) {
        QElapsedTimer timer;
        timer.start();
        QStringList rows = grid();
        while (!done(rows) && timer.elapsed() < timeout) {
            process_.waitForReadyRead(150);
            rows = grid();
        }
        return rows;
    }
    // The best list once it holds `count` entries (a result comes a moment after the end).
    QStringList bestList(int count) {
        QElapsedTimer timer;
        timer.start();
        QStringList entries = bestListNow();
        while (entries.size() < count && timer.elapsed() < 10'000) {
            process_.waitForReadyRead(150);
            entries = bestListNow();
        }
        return entries;
    }
    QStringList bestListNow() {
        ask(QStringLiteral("bestlist"), QStringLiteral("BESTEND"));
        QStringList entries;
        for (const QString& line : lines_) {
            if (line.startsWith(QStringLiteral("BEST ")))
                entries.append(line.mid(5).section(QLatin1Char('|'), 0, 1));
        }
        lines_.removeIf([](const QString& l) { return l.startsWith(QStringLiteral("BEST")); });
        entries.sort();
        return entries;
    }

private:
    QProcess process_;
    QStringList lines_;
};

QStringList Cells(const QString& row) {
    return row.split(QLatin1Char('\t'));
}

// Whether the rows after the header show these states, in order.
std::function<bool(const QStringList&)> States(const QStringList& states) {
    return [states](const QStringList& rows) {
        if (rows.size() < states.size() + 1)
            return false;
        for (qsizetype i = 0; i < states.size(); ++i) {
            if (Cells(rows.at(i + 1)).value(3) != states.at(i))
                return false;
        }
        return true;
    };
}

// "STATE view kind end document" of a participant.
const QString kLearning = QStringLiteral("STATE 2 0");
const QString kRunning = QStringLiteral("STATE 3 1 0 1");

class ClassroomTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        folder = dir.filePath(QStringLiteral("kom"));
        QDir().mkpath(folder);
        // A channel and addresses of this test's own, so tests side by side never meet.
        channel = QStringLiteral("K");
        for (int i = 0; i < 7; ++i)
            channel.append(QChar(u'A' + QRandomGenerator::global()->bounded(26)));
        const int net = QRandomGenerator::global()->bounded(1, 250);
        QStringList hosts;
        for (const auto& [name, host] :
             {std::pair{"LEHRER", 10}, std::pair{"TN1", 11}, std::pair{"TN2", 12},
              std::pair{"TN3", 13}, std::pair{"LEHRER2", 14}})
            hosts.append(
                QStringLiteral("%1=127.%2.0.%3").arg(QLatin1String(name)).arg(net).arg(host));
        teacherAddress = QStringLiteral("127.%1.0.10").arg(net);
        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUINDOR_HOSTS"), hosts.join(QLatin1Char(';')));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        document = dir.filePath(QStringLiteral("fluesse.qdr"));
        Document doc;
        doc.Header.Titel = QStringLiteral("Flüsse");
        const char* captions[] = {"Donau", "Elbe", "Main", "Rhein"};
        for (int i = 0; i < 4; ++i)
            AddObject(doc, {.Typ = ObjectKind::QueryLabel,
                            .Cap = QString::fromUtf8(captions[i]),
                            .Kx = 0.2 + 0.5 * (i % 2),
                            .Ky = 0.25 + 0.5 * (i / 2)});
        QImage paper(870, 600, QImage::Format_ARGB32_Premultiplied);
        paper.fill(Qt::white);
        doc.BaseImage.Image = paper;
        test::WriteFileBytes(document, WriteDocumentBytes(doc));
    }

    std::unique_ptr<Peer> start(const QString& computer, const QStringList& extra = {},
                                const QProcessEnvironment* own = nullptr) {
        QStringList arguments = {
            computer.startsWith(QStringLiteral("LEHRER")) ? QStringLiteral("initiator")
                                                          : QStringLiteral("participant"),
            QStringLiteral("folder=") + folder, QStringLiteral("channel=") + channel,
            QStringLiteral("method=%1").arg(GetParam()), QStringLiteral("document=") + document};
        arguments += extra;
        return std::make_unique<Peer>(computer, own ? *own : env, dir.path(), arguments);
    }
    std::unique_ptr<Peer> initiate(const QStringList& extra = {}) {
        std::unique_ptr<Peer> teacher = start(QStringLiteral("LEHRER"), extra);
        EXPECT_EQ(teacher->ask(QStringLiteral("initiate"), QStringLiteral("INITIATED")),
                  QStringLiteral("INITIATED 1"));
        return teacher;
    }
    ExerciseFiles files() const { return ExerciseFiles::ofChannel(folder, channel); }
    // A computer that does not know the teacher's computer by name.
    QProcessEnvironment blind() const {
        QProcessEnvironment own = env;
        own.insert(QStringLiteral("QUINDOR_HOSTS"),
                   env.value(QStringLiteral("QUINDOR_HOSTS")).section(QLatin1Char(';'), 1));
        return own;
    }

    QTemporaryDir dir;
    QString folder;
    QString channel;
    QString document;
    QString teacherAddress;
    QProcessEnvironment env;
};

TEST_P(ClassroomTest, JoinAnswerFinishAbortAndRepeat) {
    std::unique_ptr<Peer> teacher = initiate();
    ASSERT_TRUE(files().published());
    std::unique_ptr<Peer> anna = start(QStringLiteral("TN1"));
    std::unique_ptr<Peer> ben = start(QStringLiteral("TN2"));
    // Cem's computer writes a decimal point, the teacher's a comma.
    std::unique_ptr<Peer> cem = start(QStringLiteral("TN3"), {QStringLiteral("locale=en")});
    EXPECT_EQ(anna->ask(QStringLiteral("join Anna"), QStringLiteral("STATE")), kRunning);
    EXPECT_EQ(ben->ask(QStringLiteral("join Ben"), QStringLiteral("STATE")), kRunning);
    EXPECT_EQ(cem->ask(QStringLiteral("join Cem"), QStringLiteral("STATE")), kRunning);

    // Anna: three wrong drops on the way; Ben gives up after two; Cem repeats once.
    EXPECT_TRUE(
        anna->ask(QStringLiteral("answer 1,2,0,0"), QStringLiteral("STATE")).startsWith(kLearning));
    EXPECT_EQ(ben->ask(QStringLiteral("partial 2"), QStringLiteral("STATE")), kRunning);
    EXPECT_TRUE(ben->ask(QStringLiteral("abort"), QStringLiteral("STATE")).startsWith(kLearning));
    cem->ask(QStringLiteral("repeat-next"), QStringLiteral("DONE"));
    EXPECT_EQ(cem->ask(QStringLiteral("answer"), QStringLiteral("STATE")), kRunning);
    EXPECT_TRUE(cem->ask(QStringLiteral("answer"), QStringLiteral("STATE")).startsWith(kLearning));
    // After the run every participant is back at the start page.
    EXPECT_EQ(anna->ask(QStringLiteral("state"), QStringLiteral("STATE")),
              QStringLiteral("STATE 2 0 1 0"));

    // The announcements came at the same moment: their rows may stand in any order.
    const auto byName = [](const QStringList& rows, const QString& name, int nth = 0) {
        for (const QString& row : rows.mid(1)) {
            if (Cells(row).value(2) == name && nth-- == 0)
                return Cells(row);
        }
        return QStringList();
    };
    const QStringList rows = teacher->gridWhen([&](const QStringList& r) {
        return r.size() == 5 &&
               byName(r, QStringLiteral("Anna")).value(3) == QStringLiteral("fertig") &&
               byName(r, QStringLiteral("Ben")).value(3) == QStringLiteral("abgebr.") &&
               byName(r, QStringLiteral("Cem"), 1).value(3) == QStringLiteral("fertig");
    });
    ASSERT_EQ(rows.size(), 5) << rows.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(rows.at(0),
              QStringLiteral("Nr.\tRechner\tTeilnehmer\tStatus\tBeginn\tZeit\tAnz.\t"
                             "Richtig\tFalsch\tQuote\tOffen\tLeistung\tNote\t1\t2\t3\t4"));
    for (int r = 1; r < 5; ++r)
        EXPECT_EQ(Cells(rows.at(r)).at(0), QString::number(r));
    const QStringList annaRow = byName(rows, QStringLiteral("Anna"));
    EXPECT_EQ(annaRow.mid(1, 3), QStringList({"TN1", "Anna", "fertig"}));
    EXPECT_EQ(annaRow.mid(6, 5), QStringList({"4", "4", "3", "57.1 %", "0"}));
    // Every query solved; the three failures lie on the targets that were wrongly chosen.
    int failures = 0;
    for (const QString& mark : annaRow.mid(13)) {
        EXPECT_TRUE(mark.endsWith(QStringLiteral("ok"))) << mark.toStdString();
        failures += mark.count(QLatin1Char('f'));
    }
    EXPECT_EQ(failures, 3);
    const QStringList benRow = byName(rows, QStringLiteral("Ben"));
    EXPECT_EQ(benRow.mid(1, 3), QStringList({"TN2", "Ben", "abgebr."}));
    EXPECT_EQ(benRow.mid(13), QStringList({"ok", "ok", "", ""}));
    // The repeat is a row of its own, from the same computer, after the first.
    const QStringList first = byName(rows, QStringLiteral("Cem"));
    const QStringList again = byName(rows, QStringLiteral("Cem"), 1);
    EXPECT_EQ(first.value(1), QStringLiteral("TN3"));
    EXPECT_EQ(again.value(1), QStringLiteral("TN3"));
    EXPECT_LT(first.value(0).toInt(), again.value(0).toInt());
    EXPECT_EQ(again.mid(13), QStringList({"ok", "ok", "ok", "ok"}));

    // An aborted run enters no best list.
    EXPECT_EQ(teacher->bestList(3), QStringList({"Anna|TN1", "Cem|TN3", "Cem|TN3"}));
    EXPECT_EQ(
        ben->messages(),
        QStringList({"Die aktuelle Übung ist noch nicht beendet.|Übung wirklich abbrechen?"}));
    for (Peer* peer : {teacher.get(), anna.get(), cem.get()})
        EXPECT_TRUE(peer->messages().isEmpty()) << peer->messages().join('\n').toStdString();
}

TEST_P(ClassroomTest, TimeLimitEndsTheRunWithABestListEntry) {
    std::unique_ptr<Peer> teacher = initiate({QStringLiteral("limit=2")});
    std::unique_ptr<Peer> anna = start(QStringLiteral("TN1"));
    ASSERT_EQ(anna->ask(QStringLiteral("join Anna"), QStringLiteral("STATE")), kRunning);
    anna->ask(QStringLiteral("partial 1"), QStringLiteral("STATE"));
    EXPECT_TRUE(
        anna->ask(QStringLiteral("wait-end 6000"), QStringLiteral("STATE")).startsWith(kLearning));
    EXPECT_EQ(anna->messages(),
              QStringList({"Das Zeitlimit ist erreicht, die Übung wird beendet."}));
    const QStringList rows = teacher->gridWhen(States({QStringLiteral("timeout")}));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows.at(0).section(QLatin1Char('\t'), 5, 5), QStringLiteral("Restzeit"));
    EXPECT_EQ(Cells(rows.at(1)).mid(3, 1), QStringList({"timeout"}));
    EXPECT_EQ(Cells(rows.at(1)).at(5), QStringLiteral("00:00"));
    EXPECT_EQ(teacher->bestList(1), QStringList({"Anna|TN1"}));
}

TEST_P(ClassroomTest, ClosedRegistrationRefusesJoiningAndRepeating) {
    std::unique_ptr<Peer> teacher = initiate();
    std::unique_ptr<Peer> anna = start(QStringLiteral("TN1"));
    std::unique_ptr<Peer> ben = start(QStringLiteral("TN2"));
    ASSERT_EQ(anna->ask(QStringLiteral("join Anna"), QStringLiteral("STATE")), kRunning);
    teacher->ask(QStringLiteral("registration 0"), QStringLiteral("DONE"));
    EXPECT_FALSE(QFileInfo::exists(files().okx));
    // Ben is not let in; the join says nothing more than that.
    EXPECT_TRUE(
        ben->ask(QStringLiteral("join Ben"), QStringLiteral("STATE")).startsWith(kLearning));
    // Anna runs on, but her repeat is refused and the result window comes back.
    anna->ask(QStringLiteral("repeat-next"), QStringLiteral("DONE"));
    EXPECT_TRUE(anna->ask(QStringLiteral("answer"), QStringLiteral("STATE")).startsWith(kLearning));
    EXPECT_EQ(anna->messages(),
              QStringList({"Eine Wiederholung der Netzwerk-Übung wurde nicht zugelassen."}));
    const QStringList rows = teacher->gridWhen(States({QStringLiteral("fertig")}));
    EXPECT_EQ(rows.size(), 2);
    // Open again, Ben gets in.
    teacher->ask(QStringLiteral("registration 1"), QStringLiteral("DONE"));
    EXPECT_EQ(ben->ask(QStringLiteral("join Ben"), QStringLiteral("STATE")), kRunning);
    EXPECT_EQ(teacher->gridWhen(States({QStringLiteral("fertig"), QStringLiteral("aktiv")})).size(),
              3);
}

TEST_P(ClassroomTest, TheTeacherEndsAndTheLearnersGoOn) {
    std::unique_ptr<Peer> teacher = initiate();
    std::unique_ptr<Peer> anna = start(QStringLiteral("TN1"));
    ASSERT_EQ(anna->ask(QStringLiteral("join Anna"), QStringLiteral("STATE")), kRunning);
    anna->ask(QStringLiteral("partial 1"), QStringLiteral("STATE"));
    teacher->gridWhen([](const QStringList& rows) {
        return rows.size() == 2 && Cells(rows.at(1)).mid(13).contains(QStringLiteral("ok"));
    });
    EXPECT_EQ(teacher->ask(QStringLiteral("end"), QStringLiteral("ENDED")),
              QStringLiteral("ENDED 1"));
    EXPECT_FALSE(QFileInfo::exists(files().zwk));
    EXPECT_FALSE(QFileInfo::exists(files().dat));
    EXPECT_FALSE(QFileInfo::exists(files().okx));
    // The network exercise's best list stays to be looked at.
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files).size() <= 1);
    EXPECT_TRUE(anna->ask(QStringLiteral("answer"), QStringLiteral("STATE")).startsWith(kLearning));
    EXPECT_TRUE(anna->messages().isEmpty()) << anna->messages().join('\n').toStdString();
    // Nobody receives any more: the grid shows what it had.
    const QStringList rows = teacher->grid();
    EXPECT_EQ(Cells(rows.at(1)).at(3), QStringLiteral("aktiv"));
}

TEST_P(ClassroomTest, ALearnerClosingTheProgramHasAborted) {
    std::unique_ptr<Peer> teacher = initiate();
    std::unique_ptr<Peer> anna = start(QStringLiteral("TN1"));
    ASSERT_EQ(anna->ask(QStringLiteral("join Anna"), QStringLiteral("STATE")), kRunning);
    anna->ask(QStringLiteral("close"), QStringLiteral("BYE"));
    teacher->gridWhen(States({QStringLiteral("abgebr.")}));
    EXPECT_EQ(Cells(teacher->grid().at(1)).at(3), QStringLiteral("abgebr."));
    // A participant never deletes the exercise files: the next one joins.
    EXPECT_TRUE(files().published());
    std::unique_ptr<Peer> ben = start(QStringLiteral("TN2"));
    EXPECT_EQ(ben->ask(QStringLiteral("join Ben"), QStringLiteral("STATE")), kRunning);
    // The teacher closing the program cleans up.
    teacher->ask(QStringLiteral("quit"), QStringLiteral("BYE"));
    EXPECT_FALSE(files().published());
    EXPECT_FALSE(QFileInfo::exists(files().zwk));
}

// Only datagrams can be blocked.
class DatagramClassroomTest : public ClassroomTest {};

TEST_P(DatagramClassroomTest, ALearnerWhoseDatagramsCannotBeSentWritesFiles) {
    std::unique_ptr<Peer> teacher = initiate();
    const QProcessEnvironment unknown = blind();
    std::unique_ptr<Peer> anna = start(QStringLiteral("TN1"), {}, &unknown);
    ASSERT_EQ(anna->ask(QStringLiteral("join Anna"), QStringLiteral("STATE")), kRunning);
    EXPECT_TRUE(anna->ask(QStringLiteral("answer"), QStringLiteral("STATE")).startsWith(kLearning));
    const QStringList rows = teacher->gridWhen(States({QStringLiteral("fertig")}));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(Cells(rows.at(1)).mid(13), QStringList({"ok", "ok", "ok", "ok"}));
    EXPECT_EQ(teacher->bestList(1), QStringList({"Anna|TN1"}));
    EXPECT_TRUE(anna->messages().isEmpty());
}

TEST_P(DatagramClassroomTest, ALearnerWhoCanNeitherSendNorWriteIsToldOnce) {
    std::unique_ptr<Peer> teacher = initiate();
    const QProcessEnvironment unknown = blind();
    std::unique_ptr<Peer> anna =
        start(QStringLiteral("TN1"), {QStringLiteral("share=refuse-writes")}, &unknown);
    ASSERT_EQ(anna->ask(QStringLiteral("join Anna"), QStringLiteral("STATE")), kRunning);
    EXPECT_TRUE(anna->ask(QStringLiteral("answer"), QStringLiteral("STATE")).startsWith(kLearning));
    anna->ask(QStringLiteral("state"), QStringLiteral("STATE"));
    const QStringList told = anna->messages();
    ASSERT_EQ(told.size(), 1) << told.join('\n').toStdString();
    EXPECT_TRUE(told.at(0).endsWith(
        QStringLiteral(".dat\" kann nicht geschrieben werden. Mögliche Ursachen:|- Ungültiger "
                       "Ordner oder Dateiname|- Fehlende Schreibzugriffsberechtigung im Netzwerk||"
                       "Die Meldungen dieser Übung erreichen den Lehrer-PC nicht. Die Übung kann "
                       "trotzdem zu Ende bearbeitet werden.")))
        << told.at(0).toStdString();
}

TEST_P(DatagramClassroomTest, APortTakenOnTheTeachersComputerSendsTheClassThroughTheFolder) {
    const uint16_t port = platform::DatagramEndpoint::portFor(channel);
    platform::DatagramEndpoint otherProgram;
    ASSERT_TRUE(otherProgram.open(QHostAddress(teacherAddress), port));
    std::unique_ptr<Peer> teacher = initiate();
    std::unique_ptr<Peer> anna = start(QStringLiteral("TN1"));
    ASSERT_EQ(anna->ask(QStringLiteral("join Anna"), QStringLiteral("STATE")), kRunning);
    anna->ask(QStringLiteral("answer"), QStringLiteral("STATE"));
    const QStringList rows = teacher->gridWhen(States({QStringLiteral("fertig")}));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(teacher->bestList(1), QStringList({"Anna|TN1"}));
    EXPECT_EQ(otherProgram.query().count, 0u);
    const QStringList told = teacher->messages();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told.at(0).startsWith(QStringLiteral("Auf diesem Rechner können für den Kanal "
                                                     "\"%1\" keine Datagramme empfangen werden: "
                                                     "Der UDP-Port %2 ist bereits belegt")
                                          .arg(channel)
                                          .arg(port)));
}

TEST_P(ClassroomTest, ASecondTeacherOnTheChannelAsksAndTheFirstLetsGo) {
    std::unique_ptr<Peer> teacher = initiate();
    std::unique_ptr<Peer> other = start(QStringLiteral("LEHRER2"));
    // Declined, the first exercise stays as it was.
    EXPECT_EQ(other->ask(QStringLiteral("initiate"), QStringLiteral("INITIATED")),
              QStringLiteral("INITIATED 0"));
    EXPECT_TRUE(other->messages().value(0).startsWith(
        QStringLiteral("Auf dem Kanal \"%1\" läuft bereits eine Netzwerk-Übung des Rechners "
                       "\"LEHRER\".|Soll sie durch die neue Netzwerk-Übung ersetzt werden?")
            .arg(channel)));
    EXPECT_TRUE(files().published());
    other->ask(QStringLiteral("choose 0"), QStringLiteral("DONE"));
    EXPECT_EQ(other->ask(QStringLiteral("initiate"), QStringLiteral("INITIATED")),
              QStringLiteral("INITIATED 1"));
    EXPECT_EQ(teacher->wait(QStringLiteral("MSG ")),
              QStringLiteral("MSG Der Rechner \"LEHRER2\" hat auf dem Kanal \"%1\" eine neue "
                             "Netzwerk-Übung initiiert. Die Netzwerk-Übung dieses Rechners ist "
                             "damit beendet; die Kontrollanzeige wird nicht mehr aktualisiert.")
                  .arg(channel));
    // The class joins the second; the first teacher's closing leaves its files alone.
    std::unique_ptr<Peer> anna = start(QStringLiteral("TN1"));
    ASSERT_EQ(anna->ask(QStringLiteral("join Anna"), QStringLiteral("STATE")), kRunning);
    EXPECT_EQ(other->gridWhen(States({QStringLiteral("aktiv")})).size(), 2);
    teacher->ask(QStringLiteral("quit"), QStringLiteral("BYE"));
    EXPECT_TRUE(files().published());
}

// A share with the sticky bit: the teacher may read the learners' files but not delete them.
class FolderClassroomTest : public ClassroomTest {};

TEST_P(FolderClassroomTest, FilesTheTeacherCannotDeleteAreTakenOnce) {
    std::unique_ptr<Peer> teacher = initiate({QStringLiteral("share=refuse-deletes")});
    std::unique_ptr<Peer> anna = start(QStringLiteral("TN1"));
    ASSERT_EQ(anna->ask(QStringLiteral("join Anna"), QStringLiteral("STATE")), kRunning);
    EXPECT_TRUE(anna->ask(QStringLiteral("answer"), QStringLiteral("STATE")).startsWith(kLearning));
    teacher->gridWhen(States({QStringLiteral("fertig")}));
    // Many collections later: still one row, one result and one message.
    teacher->gridWhen([](const QStringList&) { return false; }, 1500);
    const QStringList rows = teacher->grid();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(teacher->bestListNow(), QStringList({"Anna|TN1"}));
    const QStringList told = teacher->messages();
    ASSERT_EQ(told.size(), 1) << told.join('\n').toStdString();
    const QString path = told.at(0).section(QLatin1Char('"'), 1, 1);
    EXPECT_TRUE(files().isMessageFile(QFileInfo(path).fileName())) << path.toStdString();
    EXPECT_EQ(
        told.at(0),
        QStringLiteral("Die Datei \"") + path +
            QStringLiteral("\" kann nicht gelöscht werden.|Die Zugriffsrechte des "
                           "Kommunikationsordners müssen es diesem Rechner erlauben, Dateien "
                           "zu löschen.|Die Meldung in dieser Datei wurde übernommen. Weitere "
                           "Dateien, die nicht gelöscht werden können, werden ebenfalls nur "
                           "einmal übernommen, ohne weitere Meldung."));
}

INSTANTIATE_TEST_SUITE_P(BothWays, ClassroomTest, ::testing::Values(1, 0),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == 1 ? std::string("Datagrams")
                                                    : std::string("FolderOnly");
                         });

INSTANTIATE_TEST_SUITE_P(Datagrams, DatagramClassroomTest, ::testing::Values(1));
INSTANTIATE_TEST_SUITE_P(FolderOnly, FolderClassroomTest, ::testing::Values(0));

} // namespace
} // namespace quindor
