#pragma once

#include "document/document_session.h"
#include "exercise/exercise_run.h"
#include "exercise/run_observer.h"
#include "network/control_grid.h"
#include "network/exercise_files.h"
#include "network/mailslot.h"
#include "network/master_receiver.h"
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
class NetworkSession : public QObject, public RunObserver {
    Q_OBJECT
public:
    struct Clock {
        std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    };

    NetworkSession(DocumentSession& session, ProgramState& state, Settings& settings,
                   ExerciseRun& run, Messages& messages, const platform::HostIdentity& identity,
                   platform::HostResolver& resolver, QObject* parent = nullptr);
    ~NetworkSession() override;

    NetworkWindows& windows() { return windows_; }
    void setClock(Clock clock) { clock_ = std::move(clock); }

    // The initiator.
    void initiateCommand();
    // With the question; true when the network exercise ended.
    bool endCommand();
    bool initiating() const { return state_.ExerciseKind == Participation::Initiator; }
    // The registration check box: opens or closes registration while this computer leads a
    // network exercise.
    void setRegistration(bool open);
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

private:
    bool combined() const { return settings_.NetzKomVerfahren == 1; }
    void startReceiving();
    void stopReceiving();
    void pause(int milliseconds);
    void sendEnd(RunEnd end);
    double now() const;

    DocumentSession& session_;
    ProgramState& state_;
    Settings& settings_;
    ExerciseRun& run_;
    Messages& messages_;
    platform::HostIdentity identity_;
    platform::HostResolver& resolver_;
    NetworkWindows windows_;
    Clock clock_;

    // The initiator's network exercise: its files (folder and channel as at the initiation),
    // its settings and its participants.
    ExerciseFiles active_;
    bool activeCombined_ = true;
    UebDataTyp options_;
    ControlGrid grid_;
    MasterReceiver receiver_{grid_, messages_};
    QString information_;

    // The participant's network exercise: the files it joined, its way of sending, and the
    // data of its run.
    ExerciseFiles joined_;
    bool joinedCombined_ = true;
    UebDataTyp participant_;
    QString startClock_;
};

// Days since 30 December 1899 with the time of day as fraction.
double DayCountOf(const QDateTime& when);

} // namespace quindor
