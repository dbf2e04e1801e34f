#pragma once

#include "app/dialog_ports.h"
#include "core/program_state.h"
#include "document/document_session.h"
#include "document/topic_list.h"
#include "layouts/document_layouts.h"
#include "platform/mail_sender.h"
#include "platform/shell_open.h"
#include "platform/sound_player.h"
#include "print/ui/program_printer.h"
#include "print/ui/report_window.h"
#include "print/worksheet_settings.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "view/view_composer.h"

#include <memory>

namespace quindor {

// Everything program-wide, in one place that is handed to the window by reference: the
// program state and folders, the ports, the settings, the open document and the topic list.
struct AppState {
    AppState(Messages& messagePort, Pickers& pickerPort, BusyIndicator& busyPort,
             platform::ShellOpener& shellPort, SettingsStore& userStore,
             platform::SoundPlayer& soundPort, platform::MailSender& mailPort)
        : messages(messagePort), pickers(pickerPort), busy(busyPort), shell(shellPort),
          sound(soundPort), mail(mailPort), store(userStore), session(state, messages, busy),
          topics(session, state, messages, pickers),
          view(session.document(), state, &session.layouts()), printer(pickers, messages) {
        RegisterLayouts(session.layouts(), state);
        RegisterWorksheetHooks(session.hooks(), worksheet.settings);
    }

    ProgramState state;
    Messages& messages;
    Pickers& pickers;
    BusyIndicator& busy;
    platform::ShellOpener& shell;
    platform::SoundPlayer& sound;
    platform::MailSender& mail;
    SettingsStore& store;
    Settings settings;
    DocumentSession session;
    TopicList topics;
    ViewComposer view;
    ProgramPrinter printer;
    WorksheetState worksheet;

    ReportPorts reportPorts() { return {messages, pickers, printer, state}; }
};

} // namespace quindor
