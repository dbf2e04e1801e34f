#pragma once

#include "core/program_state.h"
#include "settings/settings.h"
#include "settings/settings_store.h"

#include <QLocale>
#include <QString>

namespace quindor {

// Takes every value the user store holds into settings and the folders of state; values that
// are missing or stored with another type keep what they had. Run once at the first
// activation, before ReadCentralDefaults.
void ReadUserSettings(const SettingsStore& store, Settings& settings, ProgramState& state);

// Applies the enabled sections of the central config.ini over the user values. A missing file
// changes nothing. Reals are read with the decimal separator of locale.
void ReadCentralDefaults(const QString& iniPath, Settings& settings, ProgramState& state,
                         const QLocale& locale = QLocale::system());

// Writes every value of the user store from the current state, central values included. False
// when the store could not be written.
bool WriteUserSettings(SettingsStore& store, const Settings& settings, const ProgramState& state);

} // namespace quindor
