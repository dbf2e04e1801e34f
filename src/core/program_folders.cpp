#include "core/program_folders.h"

#include <QDir>
#include <QTemporaryFile>

namespace quindor {

namespace {

const QString kChronicle = QStringLiteral("chronik");
const QString kProtocols = QStringLiteral("protokolle");
const QString kBestLists = QStringLiteral("bestenlisten");

QString AsFolder(const QString& path) {
    QString folder = QDir::toNativeSeparators(path);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}

QString Comparable(const QString& folder) {
    return QDir::cleanPath(QDir::fromNativeSeparators(folder));
}

} // namespace

void ComputeProgramFolders(ProgramState& state, const QString& programFolder,
                           const QString& dataFolder) {
    const QString separator = QDir::separator();
    const QString root = AsFolder(programFolder);
    const QString data = dataFolder.isEmpty() ? root : AsFolder(dataFolder);
    state.ProgramFolder = root;
    state.DataFolder = data;
    state.SoundFolder = root + QStringLiteral("sound") + separator;
    state.HelpFolder = root + QStringLiteral("hilfe") + separator;
    state.ChronicleFolder = data + kChronicle + separator;
    state.ProtocolFolder = data + kProtocols + separator;
    state.BestListFolder = data + kBestLists + separator;
    state.CommFolder = root + QStringLiteral("kom") + separator;
    state.SetupFolder = root + QStringLiteral("setupbasissystem") + separator;
    state.CentralIniPath = root + QStringLiteral("config.ini");
    state.CommChannel = QStringLiteral("MASTER-1");
}

QString DefaultDataFolder(const QString& programFolder, const QString& userDataFolder) {
    if (userDataFolder.isEmpty())
        return programFolder;
    // Tried for real: permissions, read-only mounts and shares that map the user to nobody
    // all show only when a file is made.
    QTemporaryFile probe(QDir(programFolder).filePath(QStringLiteral("schreibprobe-XXXXXX")));
    return probe.open() ? programFolder : userDataFolder;
}

void CreateDefaultFolder(const ProgramState& state, const QString& folder) {
    if (state.DataFolder.isEmpty() || folder.isEmpty())
        return;
    const QString wanted = Comparable(folder);
    for (const QString& name : {kChronicle, kProtocols, kBestLists}) {
        if (wanted == Comparable(state.DataFolder + name)) {
            QDir().mkpath(wanted);
            return;
        }
    }
}

} // namespace quindor
