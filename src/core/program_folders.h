#pragma once

#include "core/program_state.h"

namespace quindor {

// The folders beside the program (sounds, help, communication, setup) and the central
// config.ini, from the program's own folder. The default folders for protocols, best lists
// and chronicle screenshots lie in dataFolder (the program's folder when none is given).
// Every folder ends with the platform separator.
void ComputeProgramFolders(ProgramState& state, const QString& programFolder,
                           const QString& dataFolder = QString());

// Where the default data folders belong: beside the program where files can be made there,
// else in the user's own data folder (an installation for all users is not theirs to write).
QString DefaultDataFolder(const QString& programFolder, const QString& userDataFolder);

// Makes a default data folder the first time something is written into it. A folder that the
// user or the administrator chose is left as it is: a share that is not mounted must not turn
// into a local folder of the same name.
void CreateDefaultFolder(const ProgramState& state, const QString& folder);

} // namespace quindor
