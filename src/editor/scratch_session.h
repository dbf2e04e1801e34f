#pragma once

#include "core/messages.h"
#include "core/program_state.h"
#include "document/document_session.h"

namespace quindor {

// A document session of its own beside the program's, without a window: the layouts of the
// types registered, every message recorded. Documents are laid out, written and read here as
// the program does, without touching the open document.
struct ScratchSession {
    ProgramState state;
    RecordingMessages messages;
    NoBusyIndicator busy;
    DocumentSession session{state, messages, busy};
    ScratchSession();
};

} // namespace quindor
