#pragma once

#include <QObject>

#include <functional>
#include <memory>

namespace quindor {

// Runs the work on the communication folder on a thread of its own, so that a share that stops
// answering never stops the window: jobs run one after the other in the order they were
// posted, and each hands what it found back to the owner's thread through a Reply.
//
// A job must own everything it uses (values, shared pointers): when its owner goes while the
// share hangs, the thread is left to finish on its own.
class FolderWorker {
public:
    // Hands a function to the owner's thread, where it runs unless the owner is gone by then.
    class Reply {
    public:
        void operator()(std::function<void()> call) const;

    private:
        friend class FolderWorker;
        struct State;
        explicit Reply(std::shared_ptr<State> state) : state_(std::move(state)) {}
        std::shared_ptr<State> state_;
    };

    explicit FolderWorker(QObject* owner);
    // Waits a moment for the jobs still queued, then leaves a hung one behind.
    ~FolderWorker();
    FolderWorker(const FolderWorker&) = delete;
    FolderWorker& operator=(const FolderWorker&) = delete;

    void post(std::function<void()> job);
    Reply reply() const { return Reply(state_); }

    // Waits up to `milliseconds` (-1: as long as it takes) until every job posted so far has
    // run, then runs the calls they handed back. True when all of them ran.
    bool finish(int milliseconds);

private:
    std::shared_ptr<Reply::State> state_;
};

} // namespace quindor
