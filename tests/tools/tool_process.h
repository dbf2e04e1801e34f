#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace quindor::test {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs a built tool to its end; a crash or a hang gives exit code -1.
inline ToolRun RunTool(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    ToolRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    if (process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace quindor::test
