#pragma once

#include "core/messages.h"
#include "platform/datagram_endpoint.h"
#include "platform/host_identity.h"
#include "platform/host_resolver.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

namespace quindor {

// The sending side of a mailslot as one sender sees it: its names, the mailbox it sends to and
// the addresses it looked up, which it keeps. One thread at a time may use it.
class DatagramOutbox {
public:
    DatagramOutbox(platform::HostResolver resolver, QString computerName, QString userName,
                   QString mailBox);
    // Sends the lines to the mailbox on the destination computer. False when nothing could be
    // sent (the computer is not known, no socket); whether a message arrives is never known.
    bool send(const QString& destination, const QStringList& lines);

private:
    platform::HostResolver resolver_;
    QString computerName_;
    QString userName_;
    QString mailBox_;
    std::unique_ptr<platform::DatagramSender> sender_;
};

// A mailslot: a named datagram endpoint of this computer that other computers send short
// messages to. The receiving side runs while Active: a reader thread looks for waiting
// messages every CheckInterval milliseconds (at most every second) and hands each one over to
// the thread that owns the endpoint, waiting until it has been read and dispatched there.
// Every message is read, split and passed to OnNewMessage on the owner's thread, one at a
// time; without a receiver it is read and dropped.
class TALMailSlot2 : public QObject {
    Q_OBJECT
public:
    using NewMessageHandler = std::function<void(TALMailSlot2& sender, const QString& computerName,
                                                 const QString& text, const QString& userName)>;

    // Takes this computer's name and user name once, as every message it sends carries them.
    TALMailSlot2(Messages& messages, platform::HostResolver& resolver,
                 const platform::HostIdentity& identity, QObject* parent = nullptr);
    ~TALMailSlot2() override;

    static QString nameTooLongMessage() {
        return QStringLiteral("MailBox name cannot be greater than 8 characters long.");
    }

    const QString& mailBox() const { return mailBox_; }
    // A name of more than 8 characters is refused with NameTooLongMessage() and the old name
    // stays; a new name while active takes effect at once.
    void setMailBox(const QString& name);
    bool active() const { return active_; }
    // Activating fails silently (the endpoint stays inactive) when the name is taken on this
    // computer.
    void setActive(bool active);
    int checkInterval() const { return checkInterval_; }
    void setCheckInterval(int milliseconds) { checkInterval_ = milliseconds; }
    QThread::Priority threadPriority() const { return priority_; }
    // Applies to a running reader thread at once.
    void setThreadPriority(QThread::Priority priority);

    NewMessageHandler OnNewMessage;

    // Sends the lines to the mailslot of this name on the destination computer, as outbox()
    // does.
    bool send(const QString& destination, const QStringList& lines);
    // The sending side for a thread of its own: this endpoint's names and mailbox, and the
    // addresses looked up since the mailbox or forgetAddresses() last changed it.
    std::shared_ptr<DatagramOutbox> outbox();
    // The next message looks its destination up afresh.
    void forgetAddresses() { outbox_.reset(); }

    // Reads the next waiting message and hands it to the receiver: the reader thread's
    // hand-over.
    void readOneMessage();
    // Datagrams dropped on arrival since activation (oversized, or the queue full).
    uint64_t dropped() const { return endpoint_.dropped(); }

private:
    class TCheckThread;

    Messages& messages_;
    platform::HostResolver& resolver_;
    QString computerName_;
    QString userName_;
    QString mailBox_ = QStringLiteral("MailBox");
    bool active_ = false;
    int checkInterval_ = 1000;
    QThread::Priority priority_ = QThread::NormalPriority;
    platform::DatagramEndpoint endpoint_;
    std::shared_ptr<DatagramOutbox> outbox_;
    std::unique_ptr<TCheckThread> thread_;
};

} // namespace quindor
