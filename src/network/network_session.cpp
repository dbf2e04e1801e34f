#include "network/network_session.h"

#include "core/activity_guard.h"
#include "document/numbering.h"
#include "exercise/exercise_options.h"
#include "network/initiation.h"
#include "platform/datagram_endpoint.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>

namespace quindor {

namespace {

const QString kInitiateCaption = QStringLiteral("Netzwerk-Übung initiieren");

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

qint64 SteadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

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
      state_(state), settings_(settings), run_(run), messages_(messages), identity_(identity) {
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
    receiver_.setBestList([this](const BestListDataTyp& entry) {
        worker_.post([port = port_, path = active_.hsc, entry, reply = worker_.reply(), this] {
            if (!port->appendBestList(path, entry))
                reply([this, path] { messages_.error(DocumentSession::WriteErrorMessage(path)); });
        });
    });
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

bool NetworkSession::mayTakeChannel(const ExerciseFiles& files) {
    // Work of an earlier network exercise (its clean-up) must not meet this one's files.
    if (!worker_.finish(kFolderWaitMs)) {
        messages_.error(QStringLiteral("Der Kommunikationsordner \"%1\" antwortet nicht. Die "
                                       "Netzwerk-Übung kann erst initiiert werden, wenn er wieder "
                                       "erreichbar ist.")
                            .arg(Native(files.folder)));
        return false;
    }
    // A channel holds one network exercise: another computer's is replaced only on request.
    const QString owner = ExerciseOwner(*port_, ExerciseFiles::existing(files.dat));
    if (owner.isEmpty() || owner.compare(identity_.computerName(), Qt::CaseInsensitive) == 0)
        return true;
    return messages_.choose(
               kInitiateCaption,
               QStringLiteral("Auf dem Kanal \"%1\" läuft bereits eine Netzwerk-Übung des Rechners "
                              "\"%2\".\r\nSoll sie durch die neue Netzwerk-Übung ersetzt werden? "
                              "Ihre Dateien im Kommunikationsordner werden dann gelöscht, und ihre "
                              "Kontrollanzeige wird nicht mehr aktualisiert.")
                   .arg(files.channel, owner),
               {QStringLiteral("Ja, ersetzen"), QStringLiteral("Nein")}, 1) == 0;
}

bool NetworkSession::receivesDatagrams(const ExerciseFiles& files, bool& datagrams) {
    MasterMailslot.setActive(false);
    MasterMailslot.setMailBox(files.channel);
    datagrams = combined();
    if (!datagrams)
        return true;
    MasterMailslot.setActive(true);
    if (MasterMailslot.active())
        return true;
    // The port is taken (another program, another instance): the folder carries the messages.
    datagrams = false;
    return messages_.choose(
               kInitiateCaption,
               QStringLiteral(
                   "Auf diesem Rechner können für den Kanal \"%1\" keine Datagramme empfangen "
                   "werden: Der UDP-Port %2 ist bereits belegt, von einem anderen Programm oder "
                   "einem zweiten Quindor.\r\n\r\nDie Netzwerk-Übung kann über den "
                   "Kommunikationsordner laufen; die Teilnehmer-PCs legen ihre Meldungen dann als "
                   "Dateien dort ab und benötigen dafür Schreibzugriff. Wählen Sie sonst unter "
                   "\"Optionen / Netzwerk-Kommunikation...\" einen anderen Kanal oder das "
                   "Verfahren \"Nur Kommunikationsordner\".")
                   .arg(files.channel)
                   .arg(platform::DatagramEndpoint::portFor(MasterMailslot.mailBox())),
               {QStringLiteral("Über den Ordner starten"), QStringLiteral("Abbrechen")}, 0) == 0;
}

bool NetworkSession::clearChannel(const ExerciseFiles& files, ExerciseFiles::CleanUp& left) {
    // The registration flag goes first and comes last, so no participant takes files that
    // are still being written for published.
    left = files.cleanUp(*port_);
    QStringList messageFiles;
    for (const FolderEntry& entry : left.keptMessages)
        messageFiles.append(files.folder + entry.name);
    QStringList stuck;
    for (const QString& path : left.failed) {
        if (!messageFiles.contains(path))
            stuck.append(path);
    }
    if (!port_->remove(ExerciseFiles::existing(files.hsc)))
        stuck.append(files.hsc);
    if (!stuck.isEmpty()) {
        messages_.error(DeleteErrorMessage(stuck) +
                        QStringLiteral("\r\n\r\nDie Netzwerk-Übung wurde nicht initiiert."));
        return false;
    }
    // Messages left behind are never taken for this exercise's.
    if (!messageFiles.isEmpty())
        messages_.error(DeleteErrorMessage(messageFiles) +
                        QStringLiteral("\r\nDie Meldungen darin werden nicht übernommen."));
    return true;
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
    bool datagrams = false;
    ExerciseFiles::CleanUp left;
    if (!mayTakeChannel(files) || !receivesDatagrams(files, datagrams) ||
        !clearChannel(files, left)) {
        MasterMailslot.setActive(false);
        return;
    }
    options_ = UebDataTyp();
    TakeOptions(settings_, type, options_);
    session_.WriteDocument(files.zwk, false);
    if (!port_->replace(files.dat,
                        EncodeExerciseSettings(identity_.computerName(), options_, !datagrams)))
        messages_.error(DocumentSession::WriteErrorMessage(files.dat));
    if (windows_.closeControlDisplay)
        windows_.closeControlDisplay();

    active_ = files;
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
    receiver_.reset(std::move(numbers));
    collector_ = std::make_shared<MessageCollector>(files, identity_.computerName());
    collector_->keep(left.keptMessages);
    collectErrors_ = 0;
    // Message files are collected with either way: a participant that cannot reach this
    // computer by datagram writes its messages into the folder.
    MasterNetzKomTimer.start();
    registrationOpen_ = files.writeRegistrationFlag(*port_);
    if (windows_.showControlDisplay)
        windows_.showControlDisplay();
    if (!registrationOpen_)
        messages_.error(DocumentSession::WriteErrorMessage(files.okx));
}

void NetworkSession::cleanUpActive() {
    worker_.post([port = port_, files = active_, me = identity_.computerName(),
                  reply = worker_.reply(), this] {
        const QString owner = ExerciseOwner(*port, ExerciseFiles::existing(files.dat));
        if (!owner.isEmpty() && owner.compare(me, Qt::CaseInsensitive) != 0)
            return;
        const QStringList failed = files.cleanUp(*port).failed;
        if (!failed.isEmpty())
            reply([this, failed] { messages_.error(DeleteErrorMessage(failed)); });
    });
}

bool NetworkSession::endCommand() {
    if (!initiating()) {
        stopReceiving();
        messages_.information(notActiveMessage());
        return false;
    }
    if (messages_.question(QStringLiteral(
            "Netzwerk-Übung beenden?\r\nÜbungsteilnehmer können die laufende Übung noch zu "
            "Ende bearbeiten, die Kontrollanzeige wird jedoch nicht mehr aktualisiert.")) !=
        Answer::Yes)
        return false;
    // What the collector already took from the folder still reaches the display.
    worker_.finish(kFolderWaitMs);
    state_.ExerciseKind = Participation::Individual;
    stopReceiving();
    cleanUpActive();
    worker_.finish(kFolderWaitMs);
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
    worker_.post([port = port_, files = active_, open, reply = worker_.reply(), this] {
        const bool done =
            open ? files.writeRegistrationFlag(*port) : files.deleteRegistrationFlag(*port);
        reply([this, open, done] { registrationDone(open, done); });
    });
}

void NetworkSession::registrationDone(bool open, bool done) {
    if (!initiating())
        return;
    // A flag that could not be deleted is still there; one not written is not.
    registrationOpen_ = open == done;
    if (!done)
        messages_.error(open ? DocumentSession::WriteErrorMessage(active_.okx)
                             : DeleteErrorMessage({active_.okx}));
    emit stateChanged();
}

void NetworkSession::masterMailslotNewMessage(TALMailSlot2&, const QString& computerName,
                                              const QString& text, const QString&) {
    // A message that stops on a number is dropped; the datagrams that follow are received.
    if (initiating())
        receiver_.receive(computerName, text);
}

void NetworkSession::collectTick() {
    // One collection at a time: the timer runs again once this one is in.
    MasterNetzKomTimer.stop();
    if (!initiating() || !collector_)
        return;
    worker_.post([port = port_, collector = collector_, reply = worker_.reply(), this] {
        const MessageCollector::Report report = collector->collect(
            *port,
            [&reply, this](const NetMessage& message, const QString& path) {
                reply([this, message, path] { delivered(message, path); });
            },
            SteadyMilliseconds());
        reply([this, report] { collected(report); });
    });
}

void NetworkSession::delivered(const NetMessage& message, const QString& path) {
    if (initiating() && !receiver_.receive(message.computerName, message.text) &&
        collectErrors_++ < kMaxCollectErrors)
        messages_.error(FileReadErrorMessage(Native(path)));
}

void NetworkSession::collected(const MessageCollector::Report& report) {
    if (!initiating())
        return;
    for (const QString& path : report.unreadable) {
        if (collectErrors_++ < kMaxCollectErrors)
            messages_.error(FileReadErrorMessage(Native(path)));
    }
    collectErrors_ = 0;
    if (!report.undeletable.isEmpty())
        messages_.error(
            DeleteErrorMessage({report.undeletable}) +
            QStringLiteral("\r\nDie Meldung in dieser Datei wurde übernommen. Weitere "
                           "Dateien, die nicht gelöscht werden können, werden ebenfalls "
                           "nur einmal übernommen, ohne weitere Meldung."));
    if (!report.replacedBy.isEmpty()) {
        // Another computer's network exercise holds the channel now: this one has ended, and
        // its files are not this computer's to delete.
        state_.ExerciseKind = Participation::Individual;
        stopReceiving();
        if (windows_.modeChanged)
            windows_.modeChanged();
        emit stateChanged();
        messages_.information(
            QStringLiteral("Der Rechner \"%1\" hat auf dem Kanal \"%2\" eine neue Netzwerk-Übung "
                           "initiiert. Die Netzwerk-Übung dieses Rechners ist damit beendet; die "
                           "Kontrollanzeige wird nicht mehr aktualisiert.")
                .arg(report.replacedBy, active_.channel));
        return;
    }
    // A message box of the collection may have seen the network exercise end.
    if (initiating())
        MasterNetzKomTimer.start();
}

void NetworkSession::shutdown() {
    MasterMailslot.setActive(false);
    TNMailSlot.setActive(false);
    MasterNetzKomTimer.stop();
    if (initiating())
        cleanUpActive();
    // Nothing is collected any more, whatever the collection under way brings.
    collector_.reset();
    // A participant's leave message and the results still on their way get a moment.
    worker_.finish(kFolderWaitMs);
}

} // namespace quindor
