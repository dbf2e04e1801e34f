#pragma once

#include "core/program_state.h"

namespace quindor {

// Learns what happens to a run, for those who report it elsewhere (a network participant
// tells its initiator). Every call comes from the run on the user-interface thread.
class RunObserver {
public:
    virtual ~RunObserver() = default;
    // After every checked action, once the statistics are refreshed and before the next query
    // or the end: the object the action was checked on, -1 when there was no single one.
    virtual void actionChecked(int target) = 0;
    // The run ended by itself (all queries done or the time limit reached), its grade known,
    // before its result window.
    virtual void runFinished() = 0;
    // The result window of a participant's run asks for another run: true when it started.
    virtual bool repeatRequested() = 0;
    // The run was taken down: left after its end, or aborted while it ran (wasRunning).
    virtual void runLeft(Participation participation, bool wasRunning) = 0;
};

} // namespace quindor
