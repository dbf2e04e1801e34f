#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

namespace quindor::platform {

// Turns SIGTERM into a Qt signal of the event loop. The handler itself only writes a byte into
// a pipe; everything the program does about it runs later, on the thread that made the watcher.
// One watcher at a time; it puts the previous handling back when it goes.
class TerminationWatcher : public QObject {
    Q_OBJECT
public:
    explicit TerminationWatcher(QObject* parent = nullptr);
    ~TerminationWatcher() override;

signals:
    void terminationRequested();

private:
    void drain();

    int readEnd_ = -1;
    int writeEnd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    struct sigaction previous_ {};
};

} // namespace quindor::platform
