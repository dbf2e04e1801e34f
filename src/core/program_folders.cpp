#include "core/program_folders.h"

#include <QDir>

namespace quindor {

void ComputeProgramFolders(ProgramState& state, const QString& programFolder) {
    const QString separator = QDir::separator();
    QString root = QDir::toNativeSeparators(programFolder);
    if (!root.endsWith(separator))
        root += separator;
    state.ProgramFolder = root;
    state.SoundFolder = root + QStringLiteral("sound") + separator;
    state.HelpFolder = root + QStringLiteral("hilfe") + separator;
    state.ChronicleFolder = root + QStringLiteral("chronik") + separator;
    state.ProtocolFolder = root + QStringLiteral("protokolle") + separator;
    state.BestListFolder = root + QStringLiteral("bestenlisten") + separator;
    state.CommFolder = root + QStringLiteral("kom") + separator;
    state.SetupFolder = root + QStringLiteral("setupbasissystem") + separator;
    state.CentralIniPath = root + QStringLiteral("config.ini");
    state.CommChannel = QStringLiteral("MASTER-1");
}

} // namespace quindor
