#include "classroom/classroom_simulator.h"

#include "document/document_session.h"
#include "exercise/grading.h"
#include "exercise/protocol.h"
#include "layouts/document_layouts.h"
#include "network/envelope.h"
#include "network/exercise_files.h"
#include "network/message_files.h"
#include "network/message_formats.h"
#include "network/network_session.h"
#include "network/participant_messages.h"
#include "platform/datagram_endpoint.h"

#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QThread>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace quindor {

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(ExerciseFiles::existing(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ClockOf(std::chrono::steady_clock::duration elapsed) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(elapsed).count();
    return QStringLiteral("%1:%2")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// What every simulated participant shares.
struct Class {
    Class(const ClassroomOptions& o, platform::HostResolver r)
        : options(o), files(ExerciseFiles::ofChannel(o.folder, o.channel)), resolver(std::move(r)) {
    }

    const ClassroomOptions& options;
    ExerciseFiles files;
    QString initiator;
    UebDataTyp settings;
    std::vector<int> queryObjects;
    bool multipleChoice = false;
    std::optional<QHostAddress> target;
    platform::HostResolver resolver;
    std::atomic<int> messages{0};
    std::atomic<int> actions{0};
    std::atomic<int> failed{0};
    std::mutex lastMutex;
    std::chrono::steady_clock::time_point lastSend;
};

class Participant {
public:
    Participant(Class& shared, int number)
        : class_(shared), random_(shared.options.seed * 7919u + static_cast<uint32_t>(number)),
          identity_(QStringLiteral("%1%2")
                        .arg(shared.options.computerPrefix)
                        .arg(number, 3, 10, QLatin1Char('0')),
                    QStringLiteral("schueler")),
          sender_(shared.resolver.localAddress(identity_.computerName())) {
        for (int i = 0; i < 30; ++i)
            key_.append(QChar(u'A' + random_.bounded(26)));
        name_ = QStringLiteral("Schüler %1").arg(number);
    }

    void run() {
        const auto started = std::chrono::steady_clock::now();
        const QDateTime now = QDateTime::currentDateTime();
        const QString startClock = ClockTimeText(now.time(), QLocale());
        send(TnInitLines(key_, name_, startClock));
        UebDataTyp run = class_.settings;
        run.RunQueries = run.TotalQueries = static_cast<int>(class_.queryObjects.size());
        run.OpenCount = run.RunQueries;
        const GradeScale scale = ScaleOf(run);
        for (const int object : class_.queryObjects) {
            int failures = 0;
            while (failures < class_.options.maxMistakes &&
                   random_.generateDouble() < class_.options.mistakeRate) {
                ++failures;
                run.FailedAttempts += 1;
                RefreshStatistics(run);
                action(object, -5, failures, run, scale, started, startClock);
            }
            run.CorrectCount += 1;
            run.OpenCount -= 1;
            RefreshStatistics(run);
            action(object, 0, failures, run, scale, started, startClock);
        }
        const QString clock = ClockOf(std::chrono::steady_clock::now() - started);
        pause(200);
        send(TnFertigLines(key_, RunEnd::Completed, clock));
        pause(200);
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - started);
        send(TnBestlistLines(key_,
                             {name_, identity_.computerName(), DayCountOf(now),
                              static_cast<int32_t>(elapsed.count()), run.TotalPerformance},
                             QLocale()));
    }

private:
    void action(int object, int state, int failures, const UebDataTyp& run, const GradeScale& scale,
                std::chrono::steady_clock::time_point started, const QString& startClock) {
        pause(class_.options.paceMilliseconds);
        send(TnAktionLines(key_, {object, state, failures}, RunEnd::Running, startClock, run,
                           class_.multipleChoice,
                           ClockOf(std::chrono::steady_clock::now() - started),
                           GradeOf(run.TotalPerformance, scale)));
        ++class_.actions;
    }

    void pause(int milliseconds) {
        if (class_.options.paceMilliseconds > 0 && milliseconds > 0)
            QThread::msleep(static_cast<unsigned long>(milliseconds));
    }

    void send(const QStringList& lines) {
        bool sent = false;
        if (class_.options.datagrams && class_.target)
            sent = sender_.send(
                *class_.target, platform::DatagramEndpoint::portFor(class_.files.channel),
                ComposeDatagram(identity_.userName(), identity_.computerName(), lines));
        if (!sent) {
            QString path;
            sent = WriteMessageFile(folder_, class_.files, identity_, lines, path);
        }
        ++class_.messages;
        if (!sent)
            ++class_.failed;
        const std::lock_guard lock(class_.lastMutex);
        class_.lastSend = std::max(class_.lastSend, std::chrono::steady_clock::now());
    }

    Class& class_;
    QRandomGenerator random_;
    platform::HostIdentity identity_;
    platform::DatagramSender sender_;
    FolderPort folder_;
    QString key_;
    QString name_;
};

} // namespace

std::optional<ClassroomResult> RunClassroom(const ClassroomOptions& options,
                                            platform::HostResolver resolver, QString* error) {
    Class shared(options, std::move(resolver));
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(options.waitMilliseconds);
    while (!shared.files.published()) {
        if (std::chrono::steady_clock::now() > deadline)
            return fail(QStringLiteral("Keine Netzwerk-Übung auf Kanal %1 in %2")
                            .arg(options.channel, options.folder));
        QThread::msleep(50);
    }
    const std::optional<ExerciseSettingsFile> settings =
        ParseExerciseSettings(ReadAll(shared.files.dat), UebDataTyp());
    // Loaded as a participant loads it: the layouts make the objects the teacher's computer
    // numbered.
    ProgramState state;
    RecordingMessages messages;
    NoBusyIndicator busy;
    DocumentSession session(state, messages, busy);
    RegisterLayouts(session.layouts(), state);
    if (!settings || !session.LoadDocument(ExerciseFiles::existing(shared.files.zwk), false))
        return fail(QStringLiteral("Die Dateien der Netzwerk-Übung sind nicht lesbar."));
    const Document& document = session.document();
    shared.initiator = settings->initiator;
    shared.settings = settings->run;
    const DocumentTypeRow& row = document.Header.Type();
    const bool typing = !row.typedQueryKinds.empty() &&
                        settings->run.AbfrageModusItemIndex == static_cast<int>(QueryMode::Typing);
    const std::vector<ObjectKind>& kinds = typing ? row.typedQueryKinds : row.queryKinds;
    for (int i = 0; i < document.ObjectCount(); ++i) {
        if (Contains(kinds, document.Object(i).Typ))
            shared.queryObjects.push_back(i);
    }
    shared.multipleChoice = document.Header.DokTyp == DocumentType::MultipleChoice;
    shared.target = shared.resolver.resolve(shared.initiator);

    std::vector<std::unique_ptr<Participant>> participants;
    for (int i = 1; i <= options.participants; ++i)
        participants.push_back(std::make_unique<Participant>(shared, i));
    std::vector<std::thread> threads;
    for (auto& participant : participants)
        threads.emplace_back([p = participant.get()] { p->run(); });
    for (std::thread& thread : threads)
        thread.join();

    ClassroomResult result;
    result.participants = options.participants;
    result.queries = static_cast<int>(shared.queryObjects.size());
    result.actions = shared.actions;
    result.messages = shared.messages;
    result.failed = shared.failed;
    result.lastSend = shared.lastSend;
    return result;
}

} // namespace quindor
