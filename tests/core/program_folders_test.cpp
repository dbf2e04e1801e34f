#include "core/program_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

QString Slash(const QString& path) {
    return QDir::toNativeSeparators(path) + QDir::separator();
}

TEST(ProgramFolders, DataFoldersLieWhereTheyCanBeWritten) {
    QTemporaryDir program;
    const QString user = program.filePath(QStringLiteral("benutzer/Quindor"));
    EXPECT_EQ(DefaultDataFolder(program.path(), user), program.path());
    // procfs makes no files, not even for root.
    EXPECT_EQ(DefaultDataFolder(QStringLiteral("/proc"), user), user);
    EXPECT_EQ(DefaultDataFolder(program.filePath(QStringLiteral("fehlt")), user), user);
    EXPECT_FALSE(QFileInfo::exists(user)) << "choosing a folder makes none";
    EXPECT_EQ(QDir(program.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList());

    ProgramState state;
    ComputeProgramFolders(state, QStringLiteral("/usr/lib/quindor"), user);
    EXPECT_EQ(state.ProgramFolder, Slash(QStringLiteral("/usr/lib/quindor")));
    EXPECT_EQ(state.ProtocolFolder, Slash(user + QStringLiteral("/protokolle")));
    EXPECT_EQ(state.BestListFolder, Slash(user + QStringLiteral("/bestenlisten")));
    EXPECT_EQ(state.ChronicleFolder, Slash(user + QStringLiteral("/chronik")));
    EXPECT_EQ(state.SoundFolder, Slash(QStringLiteral("/usr/lib/quindor/sound")));
    EXPECT_EQ(state.CommFolder, Slash(QStringLiteral("/usr/lib/quindor/kom")));
    EXPECT_EQ(state.CentralIniPath, QDir::toNativeSeparators("/usr/lib/quindor/config.ini"));

    ComputeProgramFolders(state, QStringLiteral("/opt/quindor/"));
    EXPECT_EQ(state.ProtocolFolder, Slash(QStringLiteral("/opt/quindor/protokolle")));
}

TEST(ProgramFolders, OnlyDefaultFoldersAreMadeWhenNeeded) {
    QTemporaryDir dir;
    ProgramState state;
    ComputeProgramFolders(state, dir.filePath(QStringLiteral("programm")),
                          dir.filePath(QStringLiteral("daten/Quindor")));
    for (const QString& folder :
         {state.ProtocolFolder, state.BestListFolder, state.ChronicleFolder}) {
        EXPECT_FALSE(QFileInfo(folder).isDir());
        CreateDefaultFolder(state, folder);
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    }
    // A chosen folder, a share that is not there, stays missing.
    const QString chosen = dir.filePath(QStringLiteral("netz/protokolle/"));
    CreateDefaultFolder(state, chosen);
    EXPECT_FALSE(QFileInfo::exists(chosen));
    CreateDefaultFolder(state, state.CommFolder);
    EXPECT_FALSE(QFileInfo::exists(state.CommFolder));
}

} // namespace
} // namespace quindor
