#pragma once

#include "core/messages.h"
#include "platform/shell_open.h"
#include "settings/settings.h"

#include <QString>

#include <array>

namespace quindor {

// The freely assignable buttons under "Externe Programme": V1, V2, V3 and the on-screen
// keyboard (the last, which has no caption of its own).
constexpr int kProgramLinkCount = 4;
constexpr int kKeyboardLink = 3;

struct ProgramLink {
    QString target;
    QString caption;
    QString hint;
};
using ProgramLinks = std::array<ProgramLink, kProgramLinkCount>;

// The links as the settings hold them, and back.
ProgramLinks ProgramLinksOf(const Settings& settings);
void StoreProgramLinks(Settings& settings, const ProgramLinks& links);
// An emptied link: no target, the caption and hint it had at first ("V1", "Programmverknüpfung
// 1", ..., "Bildschirmtastatur").
ProgramLink ClearedProgramLink(int index);

// "V1", "V2", "V3" or "für Bildschirmtastatur", as the link dialog's texts name them.
QString ProgramLinkName(int index);
// The title of the file dialog that chooses the link's program.
QString ProgramLinkBrowseTitle(int index);
QString InvalidProgramLinkMessage(int index);
// The first link whose target (trimmed) is neither empty nor an existing file; -1 for none.
int FirstInvalidProgramLink(const ProgramLinks& links);

// A press on a link button: with a target and not with the right button the program starts
// (a failure is told); otherwise the caller shows the link dialog.
enum class LinkPress { Started, Failed, ShowDialog };
LinkPress PressProgramLink(const Settings& settings, int index, bool rightButton,
                           platform::ShellOpener& shell, Messages& messages);

} // namespace quindor
