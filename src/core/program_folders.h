#pragma once

#include "core/program_state.h"

namespace quindor {

// The folders beside the program (sounds, help, protocols, best lists, chronicle,
// communication, setup) and the central config.ini, from the program's own folder. Every
// folder ends with the platform separator.
void ComputeProgramFolders(ProgramState& state, const QString& programFolder);

} // namespace quindor
