#include "platform/termination_signal.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace quindor::platform {

namespace {

// A signal handler has no object to reach; this is its only way out. Written by the watcher
// before the handler is installed and after it is removed.
volatile std::sig_atomic_t gWriteEnd = -1;

void OnTermination(int) {
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a request; nothing else may happen here.
    [[maybe_unused]] const ssize_t written = ::write(gWriteEnd, &byte, 1);
    errno = saved;
}

} // namespace

TerminationWatcher::TerminationWatcher(QObject* parent) : QObject(parent) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    readEnd_ = ends[0];
    writeEnd_ = ends[1];
    gWriteEnd = writeEnd_;
    notifier_ = new QSocketNotifier(static_cast<qintptr>(readEnd_), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationWatcher::drain);
    struct sigaction action {};
    action.sa_handler = OnTermination;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, &previous_);
}

TerminationWatcher::~TerminationWatcher() {
    if (readEnd_ < 0)
        return;
    ::sigaction(SIGTERM, &previous_, nullptr);
    gWriteEnd = -1;
    ::close(readEnd_);
    ::close(writeEnd_);
}

void TerminationWatcher::drain() {
    char bytes[16];
    while (::read(readEnd_, bytes, sizeof bytes) > 0) {
    }
    emit terminationRequested();
}

} // namespace quindor::platform
