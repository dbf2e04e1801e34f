#include "network/network_session.h"

#include "core/activity_guard.h"
#include "core/file_replace.h"
#include "document/numbering.h"
#include "exercise/best_list.h"
#include "exercise/exercise_options.h"
#include "network/initiation.h"
#include "network/message_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace quindor {

double DayCountOf(const QDateTime& when) {
    static const QDate kEpoch(1899, 12, 30);
    return static_cast<double>(kEpoch.daysTo(when.date())) +
           when.time().msecsSinceStartOfDay() / 86'400'000.0;
}

NetworkSession::NetworkSession(DocumentSession& session, ProgramState& state, Settings& settings,
                               ExerciseRun& run, Messages& messages,
                               const platform::HostIdentity& identity,
                               platform::HostResolver& resolver, QObject* parent)
    : QObject(parent), MasterMailslot(messages, resolver, identity, this),
      TNMailSlot(messages, resolver, identity, this), MasterNetzKomTimer(this), session_(session),
      state_(state), settings_(settings), run_(run), messages_(messages), identity_(identity),
      resolver_(resolver) {
    for (TALMailSlot2* slot : {&MasterMailslot, &TNMailSlot})
        slot->setMailBox(QStringLiteral("ZWK-1"));
    MasterMailslot.setCheckInterval(150);
    MasterMailslot.OnNewMessage = [this](TALMailSlot2& sender, const QString& computer,
                                         const QString& text, const QString& user) {
        masterMailslotNewMessage(sender, computer, text, user);
    };
    // The participant's endpoint only sends; what reaches it is read and dropped.
    TNMailSlot.setCheckInterval(500);
    MasterNetzKomTimer.setObjectName(QStringLiteral("MasterNetzKomTimer"));
    MasterNetzKomTimer.setInterval(150);
    connect(&MasterNetzKomTimer, &QTimer::timeout, this, &NetworkSession::collectTick);
    run_.setObserver(this);
}

NetworkSession::~NetworkSession() {
    run_.setObserver(nullptr);
}

ExerciseFiles NetworkSession::files() const {
    return initiating() ? active_ : ExerciseFiles::ofChannel(state_.CommFolder, state_.CommChannel);
}

double NetworkSession::now() const {
    return DayCountOf(clock_.now());
}

void NetworkSession::pause(int milliseconds) {
    if (windows_.pause) {
        windows_.pause(milliseconds);
        return;
    }
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
        QThread::msleep(1);
    }
}

void NetworkSession::startReceiving() {
    MasterMailslot.setActive(false);
    MasterMailslot.setMailBox(active_.channel);
    if (activeCombined_)
        MasterMailslot.setActive(true);
    // Message files are collected with either way: a participant that cannot reach this
    // computer by datagram writes its messages into the folder.
    MasterNetzKomTimer.start();
}

void NetworkSession::stopReceiving() {
    MasterMailslot.setActive(false);
    MasterNetzKomTimer.stop();
}

void NetworkSession::initiateCommand() {
    if (!MayLeaveCurrentActivity(state_, messages_))
        return;
    if (initiating()) {
        if (windows_.showControlDisplay)
            windows_.showControlDisplay();
        return;
    }
    Document& document = session_.document();
    const DocumentType type = document.Header.DokTyp;
    if (!IsKnownType(type) || !windows_.networkOptions || !windows_.networkOptions(type))
        return;
    const ExerciseFiles files = ExerciseFiles::ofChannel(state_.CommFolder, state_.CommChannel);
    if (!files.valid()) {
        messages_.error(DocumentSession::WriteErrorMessage(files.folder + files.channel));
        return;
    }
    // The folder beside the program is made when first used; a chosen one is left as it is.
    if (QDir::cleanPath(files.folder) ==
        QDir::cleanPath(state_.ProgramFolder + QStringLiteral("kom")))
        QDir().mkpath(files.folder);
    // The registration flag goes first and comes last, so no participant takes files that
    // are still being written for published.
    files.cleanUp();
    options_ = UebDataTyp();
    TakeOptions(settings_, type, options_);
    QFile::remove(ExerciseFiles::existing(files.hsc));
    session_.WriteDocument(files.zwk, false);
    if (!ReplaceFileContent(files.dat, EncodeExerciseSettings(identity_.computerName(), options_)))
        messages_.error(DocumentSession::WriteErrorMessage(files.dat));
    if (windows_.closeControlDisplay)
        windows_.closeControlDisplay();

    active_ = files;
    activeCombined_ = combined();
    state_.ExerciseKind = Participation::Initiator;
    options_.StartTime = now();
    const bool typing = !document.Header.Type().typedQueryKinds.empty() &&
                        options_.AbfrageModusItemIndex == static_cast<int>(QueryMode::Typing);
    const int queries = NetworkQueryCount(document, typing);
    options_.RunQueries = queries;
    options_.TotalQueries = queries;
    // The query fields must carry numbers for the teacher to match the columns.
    if (state_.NumberingMode == Numbering::QuestionMarks) {
        if (windows_.setNumbering)
            windows_.setNumbering(Numbering::Ordered);
        else
            SetNumberingMode(document, state_, Numbering::Ordered);
    }
    std::vector<int> numbers = AssignQueryNumbers(document, typing);
    grid_.prepare(typing ? 0 : queries, options_.ZeitLimitIndex == 1, options_.BewertSkala);

    ProtocolFacts facts;
    facts.computerName = identity_.computerName();
    facts.userName = identity_.userName();
    facts.exerciseKind = Participation::Initiator;
    facts.commFolder = files.folder;
    facts.commChannel = files.channel;
    facts.title = document.Header.Titel;
    facts.fileName = document.Header.FileName;
    facts.dokTyp = type;
    facts.dokUnterTyp = document.Header.DokUnterTyp;
    information_ = NetworkInformationText(options_, facts, SolutionList(document, numbers));
    if (windows_.setInformation)
        windows_.setInformation(information_);
    if (windows_.modeChanged)
        windows_.modeChanged();
    receiver_.reset(std::move(numbers), files.hsc);
    startReceiving();
    if (windows_.showControlDisplay)
        windows_.showControlDisplay();
    if (!files.writeRegistrationFlag())
        messages_.error(DocumentSession::WriteErrorMessage(files.okx));
}

bool NetworkSession::endCommand() {
    if (!initiating()) {
        stopReceiving();
        messages_.information(notActiveMessage());
        return false;
    }
    if (messages_.question(
            QStringLiteral(
                "Netzwerk-Übung beenden?\r\nÜbungsteilnehmer können die laufende Übung noch zu "
                "Ende bearbeiten, die Kontrollanzeige wird jedoch nicht mehr aktualisiert."),
            MessageButtons::YesNo, Answer::No) != Answer::Yes)
        return false;
    state_.ExerciseKind = Participation::Individual;
    stopReceiving();
    active_.cleanUp();
    if (windows_.modeChanged)
        windows_.modeChanged();
    return true;
}

void NetworkSession::setRegistration(bool open) {
    if (!initiating()) {
        if (open)
            messages_.information(notActiveMessage());
        return;
    }
    if (!open)
        active_.deleteRegistrationFlag();
    else if (!active_.writeRegistrationFlag())
        messages_.error(DocumentSession::WriteErrorMessage(active_.okx));
}

void NetworkSession::masterMailslotNewMessage(TALMailSlot2&, const QString& computerName,
                                              const QString& text, const QString&) {
    // A message that stops on a number is dropped; the datagrams that follow are received.
    if (initiating())
        receiver_.receive(computerName, text);
}

void NetworkSession::collectTick() {
    if (!initiating())
        return;
    MasterNetzKomTimer.stop();
    CollectMessageFiles(
        active_,
        [this](const NetMessage& message) {
            return receiver_.receive(message.computerName, message.text);
        },
        messages_);
    // A message box of the collection may have seen the network exercise end.
    if (initiating())
        MasterNetzKomTimer.start();
}

void NetworkSession::shutdown() {
    MasterMailslot.setActive(false);
    TNMailSlot.setActive(false);
    MasterNetzKomTimer.stop();
    if (initiating())
        active_.cleanUp();
}

} // namespace quindor
