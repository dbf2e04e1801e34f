#include "platform/desktop_entry.h"
#include "platform/shell_open.h"
#include "support/test_support.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace quindor::platform {
namespace {

bool WaitForFile(const QString& path) {
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(path) && waited.elapsed() < 10'000)
        QThread::msleep(20);
    return QFileInfo::exists(path);
}

void WriteExecutable(const QString& path, const QByteArray& content) {
    test::WriteFileBytes(path, content);
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(DesktopEntry, ExecSplitsLikeAShellWithoutTheFileCodes) {
    const QString entry = QStringLiteral("/usr/share/applications/tastatur.desktop");
    EXPECT_EQ(DesktopExecArguments(QStringLiteral("onboard --layout \"Small Keys\" %U"),
                                   QStringLiteral("Onboard"), QString(), entry),
              QStringList({"onboard", "--layout", "Small Keys"}));
    EXPECT_EQ(DesktopExecArguments(QStringLiteral("sh -c \"echo \\\"a b\\\" > x\""), QString(),
                                   QString(), entry),
              QStringList({"sh", "-c", "echo \"a b\" > x"}));
    EXPECT_EQ(DesktopExecArguments(QStringLiteral("prog %i --title=%c --entry %k 100%% --file=%f"),
                                   QStringLiteral("Rechner"), QStringLiteral("calc"), entry),
              QStringList({"prog", "--icon", "calc", "--title=Rechner", "--entry", entry, "100%",
                           "--file="}));
    EXPECT_EQ(DesktopExecArguments(QStringLiteral("prog %i"), QString(), QString(), entry),
              QStringList{"prog"});
    // Inside quotes a percent sign is text.
    EXPECT_EQ(DesktopExecArguments(QStringLiteral("prog \"%f\""), QString(), QString(), entry),
              QStringList({"prog", "%f"}));
}

TEST(DesktopEntry, ApplicationsAndLinksFromTheirOwnGroupOnly) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/tastatur.desktop");
    test::WriteFileBytes(path, "# Kommentar\n"
                               "[Desktop Entry]\n"
                               "Type=Application\n"
                               "Name=Tastatur\n"
                               "Name[de]=Bildschirmtastatur\n"
                               "Exec=onboard --size=800x300 %F\n"
                               "Path=/tmp/arbeit\\sordner\n"
                               "\n"
                               "[Desktop Action klein]\n"
                               "Exec=onboard --klein\n");
    const std::optional<DesktopLaunch> launch = ReadDesktopEntry(path);
    ASSERT_TRUE(launch);
    EXPECT_EQ(launch->program, QStringLiteral("onboard"));
    EXPECT_EQ(launch->arguments, QStringList{QStringLiteral("--size=800x300")});
    EXPECT_EQ(launch->workingFolder, QStringLiteral("/tmp/arbeit ordner"));
    EXPECT_TRUE(launch->url.isEmpty());

    test::WriteFileBytes(path, "[Desktop Entry]\nType=Link\nURL=https://beispiel.de/\n");
    ASSERT_TRUE(ReadDesktopEntry(path));
    EXPECT_EQ(ReadDesktopEntry(path)->url, QStringLiteral("https://beispiel.de/"));

    test::WriteFileBytes(path, "[Desktop Entry]\nType=Application\nName=Leer\n");
    EXPECT_FALSE(ReadDesktopEntry(path)) << "nothing to start";
    test::WriteFileBytes(path, "Exec=prog\n");
    EXPECT_FALSE(ReadDesktopEntry(path)) << "no entry group";
    EXPECT_FALSE(ReadDesktopEntry(dir.path() + QStringLiteral("/fehlt.desktop")));
}

TEST(DesktopEntry, ProgramFilesAreCompiledProgramsOrScripts) {
    QTemporaryDir dir;
    const QString script = dir.path() + QStringLiteral("/skript");
    WriteExecutable(script, "#!/bin/sh\nexit 0\n");
    EXPECT_TRUE(IsProgramFile(script));
    const QString document = dir.path() + QStringLiteral("/brief.txt");
    WriteExecutable(document, "Lieber Hans,\n");
    EXPECT_FALSE(IsProgramFile(document)) << "only flagged executable";
    test::WriteFileBytes(dir.path() + QStringLiteral("/ohne"), "#!/bin/sh\n");
    EXPECT_FALSE(IsProgramFile(dir.path() + QStringLiteral("/ohne")));
    EXPECT_FALSE(IsProgramFile(dir.path()));
    EXPECT_TRUE(IsProgramFile(QStringLiteral("/bin/sh")));
}

TEST(DesktopEntry, LaunchRunsProgramsAndDesktopEntries) {
    QTemporaryDir dir;
    SystemShellOpener shell;
    const QString script = dir.path() + QStringLiteral("/skript");
    const QString fromScript = dir.path() + QStringLiteral("/vom-skript");
    WriteExecutable(script, "#!/bin/sh\ntouch vom-skript\n");
    EXPECT_TRUE(shell.launch(script));
    EXPECT_TRUE(WaitForFile(fromScript)) << "runs in its own folder";

    const QString entry = dir.path() + QStringLiteral("/start.desktop");
    const QString fromEntry = dir.path() + QStringLiteral("/vom eintrag");
    test::WriteFileBytes(entry, ("[Desktop Entry]\nType=Application\nName=Test\nExec=touch \"" +
                                 fromEntry + "\" %U\n")
                                    .toUtf8());
    EXPECT_TRUE(shell.launch(entry));
    EXPECT_TRUE(WaitForFile(fromEntry));

    EXPECT_FALSE(shell.launch(dir.path() + QStringLiteral("/fehlt")));
    test::WriteFileBytes(entry, "[Desktop Entry]\nType=Application\nExec=gibt-es-nicht-42\n");
    EXPECT_FALSE(shell.launch(entry));
}

TEST(DesktopEntry, OpenFailsWhenTheDesktopHasNoProgramForTheTarget) {
    QTemporaryDir dir;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8() + ':' + path);
    SystemShellOpener shell;
    // xdg-open's answer when no browser is installed.
    WriteExecutable(dir.path() + QStringLiteral("/xdg-open"), "#!/bin/sh\nexit 3\n");
    EXPECT_FALSE(shell.open(QStringLiteral("https://example.org/")));
    WriteExecutable(dir.path() + QStringLiteral("/xdg-open"), "#!/bin/sh\nexit 0\n");
    EXPECT_TRUE(shell.open(QStringLiteral("https://example.org/")));
    qputenv("PATH", path);
}

} // namespace
} // namespace quindor::platform
