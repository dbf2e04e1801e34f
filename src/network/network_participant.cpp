// The participant's side of the network exercise: joining, the reports of its run, repeating
// and leaving.
#include "network/network_session.h"

#include "core/activity_guard.h"
#include "exercise/best_list.h"
#include "exercise/exercise_options.h"
#include "exercise/grading.h"
#include "network/message_files.h"
#include "network/message_formats.h"
#include "network/participant_messages.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

namespace quindor {

namespace {

// A settings file is a few hundred bytes; anything far larger is no settings file.
constexpr qint64 kMaxSettingsFileSize = 64 * 1024;

QString ParticipantKey() {
    QString key;
    for (int i = 0; i < 30; ++i)
        key.append(QChar(u'A' + QRandomGenerator::system()->bounded(26)));
    return key;
}

} // namespace

bool NetworkSession::commFolderExists() const {
    return QDir(state_.CommFolder.isEmpty() ? QStringLiteral(".") : state_.CommFolder).exists();
}

NetworkSession::Availability NetworkSession::checkAvailability() const {
    const ExerciseFiles files = ExerciseFiles::ofChannel(state_.CommFolder, state_.CommChannel);
    HeaderDataTyp header;
    if (!files.published() ||
        !DocumentSession::ReadDocumentPreview(ExerciseFiles::existing(files.zwk), header))
        return {};
    const QString title = header.Titel.trimmed();
    return {true, title.isEmpty() ? QStringLiteral("(kein Titel)") : header.Titel};
}

void NetworkSession::joinCommand() {
    if (state_.ViewMode == Mode::Exercise || state_.ViewMode == Mode::Puzzle) {
        messages_.information(QStringLiteral(
            "Um an einer Netzwerk-Übung teilnehmen zu können, muss die aktuelle Übung zunächst "
            "beendet werden. Wählen Sie \"Übung abbrechen\", um die aktuelle Übung vorzeitig "
            "abzubrechen."));
        return;
    }
    if (initiating()) {
        messages_.information(QStringLiteral(
            "Die Netzwerk-Übung wurde auf diesem Rechner initiiert. Die Teilnahme an der "
            "Netzwerk-Übung muss an einem anderen Rechner erfolgen."));
        return;
    }
    // Without the folder there is nothing to wait for.
    if (!commFolderExists()) {
        messages_.warning(QStringLiteral(
            "Der angegebene Kommunikationsordner ist nicht verfügbar. Wählen Sie zur Korrektur "
            "den Menüpunkt \"Optionen / Netzwerk-Kommunikation...\""));
        return;
    }
    // The network document replaces the open one: its changes are offered for saving first.
    if (!session_.AskSaveChanges())
        return;
    if (windows_.joinButton)
        windows_.joinButton(true);
    const std::optional<QString> name =
        windows_.joinDialog ? windows_.joinDialog() : std::optional<QString>();
    const bool joined = name && readNetworkExercise(*name);
    if (!joined && windows_.joinButton)
        windows_.joinButton(false);
    if (windows_.modeChanged)
        windows_.modeChanged();
}

// The name by value: a repeat passes the name of the run it replaces.
bool NetworkSession::readNetworkExercise(QString name) {
    const ExerciseFiles files = ExerciseFiles::ofChannel(state_.CommFolder, state_.CommChannel);
    if (!files.published())
        return false;
    if (!session_.LoadDocument(ExerciseFiles::existing(files.zwk), false))
        return false;
    const QString datPath = ExerciseFiles::existing(files.dat);
    UebDataTyp own;
    TakeOptions(settings_, session_.header().DokTyp, own);
    std::optional<ExerciseSettingsFile> settings;
    QFile dat(datPath);
    if (dat.open(QIODevice::ReadOnly) && dat.size() <= kMaxSettingsFileSize)
        settings = ParseExerciseSettings(dat.readAll(), own);
    if (!settings) {
        messages_.error(FileReadErrorMessage(QDir::toNativeSeparators(datPath)));
        return false;
    }
    const QDateTime start = clock_.now();
    participant_ = settings->run;
    participant_.InitiatorName = settings->initiator;
    participant_.ParticipantKey = ParticipantKey();
    participant_.ParticipantName = name;
    participant_.StartTime = DayCountOf(start);
    startClock_ = ClockTimeText(start.time(), QLocale());
    joined_ = files;
    joinedDocument_ = session_.header().FileName;
    // An initiator that receives no datagrams asks for message files.
    joinedCombined_ = combined() && !settings->messageFiles;
    ++runSerial_;
    sendFailureTold_ = false;

    TNMailSlot.setActive(false);
    TNMailSlot.setMailBox(files.channel);
    // The initiator may have a new address since the last join.
    TNMailSlot.forgetAddresses();
    outbox_ = TNMailSlot.outbox();
    if (joinedCombined_)
        TNMailSlot.setActive(true);
    run_.setParticipantData(participant_);
    if (!run_.StartExercise({.participation = Participation::Participant})) {
        TNMailSlot.setActive(false);
        return false;
    }
    // Announced once the run is there, so a start that fails leaves no row behind.
    sendToInitiator(TnInitLines(participant_.ParticipantKey, name, startClock_));
    return true;
}

void NetworkSession::sendToInitiator(const QStringList& lines) {
    // Looking up the initiator's address and writing into the folder may take long: the
    // folder worker sends, in order, while the run goes on.
    worker_.post([outbox = joinedCombined_ ? outbox_ : nullptr, port = port_, files = joined_,
                  identity = identity_, destination = participant_.InitiatorName, lines,
                  run = runSerial_, reply = worker_.reply(), this] {
        if (outbox && outbox->send(destination, lines))
            return;
        // Without a datagram (the initiator's name is not known here) the message goes into
        // the folder, which the initiator collects either way.
        QString path;
        if (!WriteMessageFile(*port, files, identity, lines, path))
            reply([this, run, path] { sendFailed(run, path); });
    });
}

void NetworkSession::sendFailed(int run, const QString& path) {
    // Once per run: the learner goes on, and every further message would fail the same way.
    if (run != runSerial_ || sendFailureTold_)
        return;
    sendFailureTold_ = true;
    messages_.error(DocumentSession::WriteErrorMessage(QDir::toNativeSeparators(path)) +
                    QStringLiteral("\r\n\r\nDie Meldungen dieser Übung erreichen den Lehrer-PC "
                                   "nicht. Die Übung kann trotzdem zu Ende bearbeitet werden."));
}

void NetworkSession::actionChecked(int target) {
    if (state_.ExerciseKind != Participation::Participant)
        return;
    const Document& document = session_.document();
    CheckedObject object;
    if (target >= 0 && target < document.ObjectCount()) {
        const ObjDataTyp& o = document.Object(target);
        object = {target, static_cast<int>(o.State), o.RunCounter1};
    }
    const UebDataTyp& run = run_.data();
    sendToInitiator(TnAktionLines(participant_.ParticipantKey, object, state_.ExerciseEndState,
                                  startClock_, run,
                                  document.Header.DokTyp == DocumentType::MultipleChoice,
                                  run_.clockText(), GradeOf(run.TotalPerformance, ScaleOf(run))));
}

void NetworkSession::sendEnd(RunEnd end) {
    pause(200);
    sendToInitiator(TnFertigLines(participant_.ParticipantKey, end, run_.clockText()));
}

void NetworkSession::runFinished() {
    if (state_.ExerciseKind != Participation::Participant)
        return;
    const RunEnd end = state_.ExerciseEndState;
    sendEnd(end);
    if (end != RunEnd::Completed && end != RunEnd::TimeLimit)
        return;
    pause(200);
    const UebDataTyp& run = run_.data();
    const BestListDataTyp entry{
        participant_.ParticipantName, identity_.computerName(), participant_.StartTime,
        static_cast<int32_t>(std::min<int64_t>(run_.elapsedMilliseconds(), INT32_MAX)),
        run.TotalPerformance};
    sendToInitiator(TnBestlistLines(participant_.ParticipantKey, entry, QLocale()));
}

bool NetworkSession::repeatRequested() {
    if (readNetworkExercise(participant_.ParticipantName))
        return true;
    messages_.information(
        QStringLiteral("Eine Wiederholung der Netzwerk-Übung wurde nicht zugelassen."));
    return false;
}

void NetworkSession::runLeft(Participation participation, bool wasRunning) {
    if (participation == Participation::Participant) {
        if (wasRunning) {
            state_.ExerciseEndState = RunEnd::Aborted;
            sendEnd(RunEnd::Aborted);
        }
        session_.CloseDocument();
        // The exercise file goes with the network exercise: it is nothing to come back to.
        if (state_.PreviousDocument == joinedDocument_)
            state_.PreviousDocument.clear();
    }
    // Back in the learning view this computer takes part in nothing.
    TNMailSlot.setActive(false);
    if (windows_.modeChanged)
        windows_.modeChanged();
}

void NetworkSession::programClosing() {
    if (state_.ViewMode != Mode::Exercise || state_.ExerciseKind != Participation::Participant)
        return;
    state_.ExerciseEndState = RunEnd::Aborted;
    sendEnd(RunEnd::Aborted);
}

} // namespace quindor
