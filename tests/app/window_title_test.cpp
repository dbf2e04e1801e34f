// The caption the window manager and the task bar show, read from the real window of the
// program started under a virtual X server, and the program's end when the system tells it to
// terminate.
#include "document/document_writer.h"
#include "settings/settings_store.h"
#include "support/test_support.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

// Starts the program with the argument, returns the names of its top-level windows and, once
// the program listens for it (its handler shows in the process status), terminates it.
QStringList WindowNamesOfTheProgram(const QString& argument, const QString& home) {
    const QString script =
        QStringLiteral("\"$0\" \"$1\" & pid=$!\n"
                       "for i in $(seq 100); do\n"
                       "  sleep 0.1\n"
                       "  names=$(xwininfo -root -tree | grep -o '\"Quindor[^\"]*\"')\n"
                       "  mask=$(awk '/^SigCgt/ {print $2}' /proc/$pid/status)\n"
                       "  [ -n \"$names\" ] && [ $(( 0x${mask:-0} & 0x4000 )) -ne 0 ] && break\n"
                       "done\n"
                       "xwininfo -root -tree | grep -o '\"Quindor[^\"]*\"'\n"
                       "kill $pid; wait $pid\n");
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
    environment.insert(QStringLiteral("HOME"), home);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("xvfb-run"),
                  {QStringLiteral("-a"), QStringLiteral("-s"),
                   QStringLiteral("-screen 0 1280x1024x24"), QStringLiteral("bash"),
                   QStringLiteral("-c"), script, QStringLiteral(QUINDOR_PATH), argument});
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
    }
    QStringList names;
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n')) {
        if (line.size() > 2)
            names.append(line.mid(1, line.size() - 2));
    }
    names.removeDuplicates();
    return names;
}

TEST(WindowTitle, TheWindowManagerShowsTheCaptionAsItIs) {
    if (QStandardPaths::findExecutable(QStringLiteral("xvfb-run")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("xwininfo")).isEmpty())
        GTEST_SKIP() << "needs xvfb-run and xwininfo";
    QTemporaryDir dir;
    Document document;
    document.BaseImage.Image = test::PatternImage(60, 40);
    const QString path = dir.filePath(QStringLiteral("Wasser.qdr"));
    test::WriteFileBytes(path, WriteDocumentBytes(document));
    // Nothing is appended to the caption, with a document and without.
    const QStringList withDocument = WindowNamesOfTheProgram(path, dir.path());
    EXPECT_TRUE(withDocument.contains(QStringLiteral("Quindor - Basissystem - Wasser.qdr")))
        << withDocument.join(" | ").toStdString();
    const QStringList without = WindowNamesOfTheProgram(dir.path(), dir.path());
    EXPECT_TRUE(without.contains(QStringLiteral("Quindor - Basissystem")))
        << without.join(" | ").toStdString();
    for (const QString& name : withDocument + without)
        EXPECT_FALSE(name.contains(QChar(0x2014))) << name.toStdString();
    // Terminated, the program ended in order and kept its settings.
    const UserSettingsStore settings(dir.filePath(QStringLiteral("Quindor.ini")));
    EXPECT_EQ(settings.readBool(QStringLiteral("Opt-Sound")), std::optional<bool>(true));
}

} // namespace
} // namespace quindor
