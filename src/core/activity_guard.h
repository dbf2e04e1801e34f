#pragma once

#include "core/messages.h"
#include "core/program_state.h"

namespace quindor {

// Asked before any command that replaces what the work area shows: a running exercise or
// puzzle is only left when the user confirms aborting it.
bool MayLeaveCurrentActivity(const ProgramState& state, Messages& messages);

} // namespace quindor
