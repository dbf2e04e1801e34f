// The program window as the window tests drive it: its ports recorded or answered by the test,
// its settings in a folder of its own.
#pragma once

#include "app/av_main.h"
#include "settings/settings_store.h"
#include "support/test_support.h"

#include <QTemporaryDir>

namespace quindor::test {

template <class MessagesPort = RecordingMessages, class PickersPort = RecordingPickers>
struct ProgramWindow {
    QTemporaryDir dir;
    MessagesPort messages;
    PickersPort pickers;
    NoBusyIndicator busy;
    RecordingShell shell;
    UserSettingsStore store{dir.path() + QStringLiteral("/user.ini")};
    RecordingSoundPlayer sound;
    RecordingMail mail;
    AppState app{messages, pickers, busy, shell, store, sound, mail};
    MainWindow window{app};
};

} // namespace quindor::test
