#pragma once

#include "core/messages.h"
#include "core/program_state.h"
#include "settings/settings.h"

#include <QString>

namespace quindor {

// What the channel dialog does with its fields: the access test, the check of folder and
// channel, and taking them over into the settings.

// Whether the channel settings may be changed now: not while this computer takes part in or
// leads a network exercise (the message says why).
bool MayChangeCommSettings(const ProgramState& state, Messages& messages);

// Creates and deletes a file "AVXZ_" and the first free number in the folder; true when both
// worked.
bool AccessTest(const QString& folder);
QString AccessWarningMessage(const QString& folder);

// "&Zugriffstest": with the combined way nothing needs the folder's write access.
void AccessTestCommand(const QString& folder, bool combined, Messages& messages);

// The channel names files and the datagram endpoint; the dialog takes no other.
QString InvalidChannelMessage();

// "OK": the folder text gets its separator (the field shows it); a missing folder is made (the
// one beside the program without asking, another when the user wants it); a usable folder is
// taken over with channel and way, after the access test. A folder refused says why. True when
// the dialog may close.
bool AcceptCommSettings(QString& folderText, const QString& channel, bool combined,
                        ProgramState& state, Settings& settings, Messages& messages);

} // namespace quindor
