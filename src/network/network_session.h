#pragma once

#include "document/document_session.h"
#include "exercise/exercise_run.h"
#include "exercise/run_observer.h"
#include "network/control_grid.h"
#include "network/exercise_files.h"
#include "network/folder_port.h"
#include "network/folder_worker.h"
#include "network/mailslot.h"
#include "network/master_receiver.h"
#include "network/message_files.h"
#include "platform/host_identity.h"
#include "platform/host_resolver.h"
#include "settings/settings.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

namespace quindor {

// The windows of the network exercise as the subsystem uses them; each is optional, so the
// subsystem also runs without a window (tests, simulated computers).
struct NetworkWindows {
    // The exercise settings of the document type, shown for a network exercise; false when not
    // confirmed.
    std::function<bool(DocumentType)> networkOptions;
    // The join dialog: the name typed, none when it was cancelled.
    std::function<std::optional<QString>()> joinDialog;
    std::function<void()> showControlDisplay;
    std::function<void()> closeControlDisplay;
    // Replaces the information page of the control display.
    std::function<void(const QString& text)> setInformation;
    // The main window's mode controls, and the join button held pressed or released.
    std::function<void()> modeChanged;
    std::function<void(bool pressed)> joinButton;
    // Numbering of the learning view, recomposed on request.
    std::function<void(Numbering mode)> setNumbering;
    // A pause that keeps painting but takes no input.
    std::function<void(int milliseconds)> pause;
};

// The network exercise of this computer: the channel with its two mailslots and the collector
// of message files, the initiator's side (publishing, receiving, ending) and the participant's
// side (joining, reporting every action of its run, repeating, leaving).
//
// While a network exercise runs, the work on the communication folder (collecting and deleting
// message files, writing the best list, the registration flag, a participant's messages) is
// done by a folder worker, so a share that stops answering never stops the window; what it
// finds comes back in the order it was found.
class NetworkSession : public QObject, public RunObserver {
    Q_OBJECT
public:
    // How long ending, closing and a new initiation wait for the folder work still queued.
    static constexpr int kFolderWaitMs = 3000;

    struct Clock {
        std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    };

    NetworkSession(DocumentSession& session, ProgramState& state, Settings& settings,
                   ExerciseRun& run, Messages& messages, const platform::HostIdentity& identity,
                   platform::HostResolver& resolver, QObject* parent = nullptr);
    ~NetworkSession() override;

    NetworkWindows& windows() { return windows_; }
    void setClock(Clock clock) { clock_ = std::move(clock); }
    // The communication folder as the folder work reaches it; a slow or refusing share in
    // simulations. Work posted before keeps the port it was posted with.
    void setFolderPort(std::shared_ptr<FolderPort> port) { port_ = std::move(port); }
    // Waits up to `milliseconds` (-1: as long as it takes) for the folder work posted so far and
    // takes in what it found. True when all of it is done.
    bool finishFolderWork(int milliseconds = -1) { return worker_.finish(milliseconds); }

    // The initiator.
    void initiateCommand();
    // With the question; true when the network exercise ended.
    bool endCommand();
    bool initiating() const { return state_.ExerciseKind == Participation::Initiator; }
    // The registration check box: opens or closes registration while this computer leads a
    // network exercise.
    void setRegistration(bool open);
    // Whether the registration flag is there, as far as this computer wrote or deleted it.
    bool registrationOpen() const { return registrationOpen_; }
    ControlGrid& grid() { return grid_; }
    const MasterReceiver& receiver() const { return receiver_; }
    const QString& information() const { return information_; }
    // The files of the network exercise this computer leads or would lead now.
    ExerciseFiles files() const;
    // Receives one message, from either transport.
    void masterMailslotNewMessage(TALMailSlot2& sender, const QString& computerName,
                                  const QString& text, const QString& userName);
    // One tick of the collector of message files.
    void collectTick();

    // The participant.
    void joinCommand();
    // Loads the published document and settings, announces this computer and starts the run.
    bool readNetworkExercise(QString name);
    struct Availability {
        bool available = false;
        QString title;
    };
    Availability checkAvailability() const;
    bool commFolderExists() const;
    // The lines to the initiator, through the channel's way of this exercise.
    void sendToInitiator(const QStringList& lines);

    // RunObserver.
    void actionChecked(int target) override;
    void runFinished() override;
    bool repeatRequested() override;
    void runLeft(Participation participation, bool wasRunning) override;

    // Closing the program: a participant's leave message, then every receiver off and the
    // files of a network exercise this computer leads deleted.
    void programClosing();
    void shutdown();

    TALMailSlot2 MasterMailslot;
    TALMailSlot2 TNMailSlot;
    QTimer MasterNetzKomTimer;

    static QString notActiveMessage() {
        return QStringLiteral("Es ist keine Netzwerk-Übung aktiv.");
    }

signals:
    // The network exercise ended without the teacher's command, or registration opened or
    // closed.
    void stateChanged();

private:
    bool combined() const { return settings_.NetzKomVerfahren == 1; }
    // The steps of an initiation that may refuse it.
    bool mayTakeChannel(const ExerciseFiles& files);
    bool receivesDatagrams(const ExerciseFiles& files, bool& datagrams);
    bool clearChannel(const ExerciseFiles& files, ExerciseFiles::CleanUp& left);
    void stopReceiving();
    // Deletes the files of this computer's network exercise on the folder worker, unless
    // another computer's exercise holds the channel by now.
    void cleanUpActive();
    void delivered(const NetMessage& message, const QString& path);
    void collected(const MessageCollector::Report& report);
    void registrationDone(bool open, bool done);
    void pause(int milliseconds);
    void sendEnd(RunEnd end);
    void sendFailed(int run, const QString& path);
    double now() const;

    DocumentSession& session_;
    ProgramState& state_;
    Settings& settings_;
    ExerciseRun& run_;
    Messages& messages_;
    platform::HostIdentity identity_;
    NetworkWindows windows_;
    Clock clock_;

    // The initiator's network exercise: its files (folder and channel as at the initiation),
    // its settings and its participants.
    ExerciseFiles active_;
    UebDataTyp options_;
    ControlGrid grid_;
    MasterReceiver receiver_{grid_, messages_};
    QString information_;
    std::shared_ptr<MessageCollector> collector_;
    // Read errors and stopped messages shown in the collection under way.
    int collectErrors_ = 0;
    bool registrationOpen_ = false;

    // The participant's network exercise: the files it joined, its way of sending, and the
    // data of its run.
    ExerciseFiles joined_;
    bool joinedCombined_ = true;
    std::shared_ptr<DatagramOutbox> outbox_;
    QString joinedDocument_;
    UebDataTyp participant_;
    QString startClock_;
    // Counts the runs, so that a failed message is told once per run.
    int runSerial_ = 0;
    bool sendFailureTold_ = false;

    std::shared_ptr<FolderPort> port_ = std::make_shared<FolderPort>();
    // Last, so that it goes first: nothing it hands back reaches a session being taken down.
    FolderWorker worker_{this};
};

// Days since 30 December 1899 with the time of day as fraction.
double DayCountOf(const QDateTime& when);

} // namespace quindor
