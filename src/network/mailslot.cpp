#include "network/mailslot.h"

#include "network/envelope.h"

#include <QElapsedTimer>
#include <QSemaphore>

namespace quindor {

namespace {

// The longest the owner's thread reads messages in one hand-over.
constexpr int kTurnMs = 20;

} // namespace

// Looks for waiting messages and hands each to the endpoint's owner; sleeps in short slices
// so that deactivation never waits long.
class TALMailSlot2::TCheckThread : public QThread {
public:
    TCheckThread(TALMailSlot2& owner, int interval) : owner_(owner), interval_(interval) {}

    void stop() {
        terminate_ = true;
        wait();
    }

protected:
    void run() override {
        const int step = std::min(interval_, 1000);
        if (step == 1000) {
            // The first check comes at once.
            int elapsed = interval_;
            while (!terminate_) {
                if (elapsed >= interval_) {
                    drain();
                    elapsed = 0;
                }
                pause(1000);
                elapsed += 1000;
            }
            return;
        }
        while (!terminate_) {
            drain();
            pause(step);
        }
    }

private:
    void drain() {
        while (!terminate_ && owner_.endpoint_.query().count > 0) {
            if (!handOver())
                return;
        }
    }

    // The owner reads and dispatches the waiting messages, one after the other, for at most a
    // short turn, so that its window goes on painting and answering in a flood; this thread
    // waits until it has.
    bool handOver() {
        auto done = std::make_shared<QSemaphore>();
        TALMailSlot2* owner = &owner_;
        QMetaObject::invokeMethod(
            owner,
            [owner, done] {
                QElapsedTimer turn;
                turn.start();
                do {
                    owner->readOneMessage();
                } while (owner->endpoint_.query().count > 0 && turn.elapsed() < kTurnMs);
                done->release();
            },
            Qt::QueuedConnection);
        while (!done->tryAcquire(1, 10)) {
            if (terminate_)
                return false;
        }
        return true;
    }

    void pause(int milliseconds) {
        for (int slept = 0; slept < milliseconds && !terminate_; slept += 10)
            QThread::msleep(static_cast<unsigned long>(std::min(10, milliseconds - slept)));
    }

    TALMailSlot2& owner_;
    const int interval_;
    std::atomic<bool> terminate_{false};
};

DatagramOutbox::DatagramOutbox(platform::HostResolver resolver, QString computerName,
                               QString userName, QString mailBox)
    : resolver_(std::move(resolver)), computerName_(std::move(computerName)),
      userName_(std::move(userName)), mailBox_(std::move(mailBox)) {}

bool DatagramOutbox::send(const QString& destination, const QStringList& lines) {
    const std::optional<QHostAddress> address = resolver_.resolve(destination);
    if (!address)
        return false;
    if (!sender_)
        sender_ = std::make_unique<platform::DatagramSender>(resolver_.localAddress(computerName_));
    return sender_->send(*address, platform::DatagramEndpoint::portFor(mailBox_),
                         ComposeDatagram(userName_, computerName_, lines));
}

TALMailSlot2::TALMailSlot2(Messages& messages, platform::HostResolver& resolver,
                           const platform::HostIdentity& identity, QObject* parent)
    : QObject(parent), messages_(messages), resolver_(resolver),
      computerName_(identity.computerName()), userName_(identity.userName()) {}

TALMailSlot2::~TALMailSlot2() {
    setActive(false);
}

void TALMailSlot2::setMailBox(const QString& name) {
    if (name.size() > 8) {
        messages_.error(nameTooLongMessage());
        return;
    }
    if (name == mailBox_)
        return;
    mailBox_ = name;
    outbox_.reset();
    if (active_) {
        setActive(false);
        setActive(true);
    }
}

void TALMailSlot2::setActive(bool active) {
    if (active == active_)
        return;
    if (!active) {
        if (thread_)
            thread_->stop();
        thread_.reset();
        endpoint_.close();
        active_ = false;
        return;
    }
    if (!endpoint_.open(resolver_.localAddress(computerName_),
                        platform::DatagramEndpoint::portFor(mailBox_), StartsWithMarker))
        return;
    thread_ = std::make_unique<TCheckThread>(*this, checkInterval_);
    active_ = true;
    thread_->start(priority_);
}

void TALMailSlot2::setThreadPriority(QThread::Priority priority) {
    priority_ = priority;
    if (thread_ && thread_->isRunning())
        thread_->setPriority(priority);
}

std::shared_ptr<DatagramOutbox> TALMailSlot2::outbox() {
    if (!outbox_)
        outbox_ = std::make_shared<DatagramOutbox>(resolver_, computerName_, userName_, mailBox_);
    return outbox_;
}

bool TALMailSlot2::send(const QString& destination, const QStringList& lines) {
    return outbox()->send(destination, lines);
}

void TALMailSlot2::readOneMessage() {
    const std::optional<QByteArray> bytes = endpoint_.take();
    if (!bytes || !OnNewMessage)
        return;
    const std::optional<NetMessage> message = ParseDatagram(*bytes);
    if (message)
        OnNewMessage(*this, message->computerName, message->text, message->userName);
}

} // namespace quindor
