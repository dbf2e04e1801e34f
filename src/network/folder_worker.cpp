#include "network/folder_worker.h"

#include <QCoreApplication>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace quindor {

namespace {

// How long the owner's end waits for jobs still queued.
constexpr auto kLastWait = std::chrono::milliseconds(1000);

} // namespace

struct FolderWorker::Reply::State {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::function<void()>> jobs;
    bool started = false;
    bool running = false;
    bool stopping = false;
    bool exited = false;
    // None once the owner is gone.
    QObject* owner = nullptr;

    bool idle() const { return jobs.empty() && !running; }

    void run() {
        std::unique_lock lock(mutex);
        while (true) {
            changed.wait(lock, [this] { return stopping || !jobs.empty(); });
            if (jobs.empty())
                break;
            std::function<void()> job = std::move(jobs.front());
            jobs.pop_front();
            running = true;
            lock.unlock();
            job();
            job = nullptr;
            lock.lock();
            running = false;
            changed.notify_all();
        }
        exited = true;
        changed.notify_all();
    }
};

void FolderWorker::Reply::operator()(std::function<void()> call) const {
    const std::lock_guard lock(state_->mutex);
    if (state_->owner)
        QMetaObject::invokeMethod(state_->owner, std::move(call), Qt::QueuedConnection);
}

FolderWorker::FolderWorker(QObject* owner) : state_(std::make_shared<Reply::State>()) {
    state_->owner = owner;
}

FolderWorker::~FolderWorker() {
    std::unique_lock lock(state_->mutex);
    state_->owner = nullptr;
    state_->stopping = true;
    state_->changed.notify_all();
    if (state_->started)
        state_->changed.wait_for(lock, kLastWait, [this] { return state_->exited; });
}

void FolderWorker::post(std::function<void()> job) {
    const std::lock_guard lock(state_->mutex);
    state_->jobs.push_back(std::move(job));
    if (!state_->started) {
        state_->started = true;
        // The thread keeps the state alive: it may outlive this worker.
        std::thread([state = state_] { state->run(); }).detach();
    }
    state_->changed.notify_all();
}

bool FolderWorker::finish(int milliseconds) {
    bool done = true;
    {
        std::unique_lock lock(state_->mutex);
        const auto idle = [this] { return state_->idle(); };
        if (milliseconds < 0)
            state_->changed.wait(lock, idle);
        else
            done = state_->changed.wait_for(lock, std::chrono::milliseconds(milliseconds), idle);
    }
    if (state_->owner)
        QCoreApplication::sendPostedEvents(state_->owner, QEvent::MetaCall);
    return done;
}

} // namespace quindor
