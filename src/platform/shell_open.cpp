#include "platform/shell_open.h"

#include "platform/desktop_entry.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace quindor::platform {

#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
namespace {
// How long the desktop's opener has to report that it found nothing to open with.
constexpr int kOpenVerdictMilliseconds = 1500;
} // namespace
#endif

bool SystemShellOpener::open(const QString& target) {
    if (target.isEmpty())
        return false;
    // The desktop reports a missing local file only after it started; check it here so the
    // caller can tell the user.
    const QUrl url(target);
    const QString local = url.isLocalFile()         ? url.toLocalFile()
                          : url.scheme().size() > 1 ? QString()
                                                    : target;
    if (!local.isEmpty() && !QFileInfo::exists(local))
        return false;
#if defined(Q_OS_WIN)
    return QProcess::startDetached(
        QStringLiteral("cmd"), {QStringLiteral("/c"), QStringLiteral("start"), QString(), target});
#elif defined(Q_OS_MACOS)
    return QProcess::startDetached(QStringLiteral("open"), {target});
#else
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return false;
    // xdg-open tells within moments when the desktop has no program for the target (no
    // browser, nothing for the file type). A program it found may keep it running (it waits
    // for the browser on desktops without their own opener): that counts as opened, and the
    // process is left to run on.
    auto* process = new QProcess;
    process->setProgram(opener);
    process->setArguments({target});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    if (!process->waitForFinished(kOpenVerdictMilliseconds))
        return true;
    return process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
#endif
}

bool IsProgramFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isExecutable())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(4);
    return head == QByteArrayLiteral("\x7f"
                                     "ELF") ||
           head.startsWith("#!");
}

bool SystemShellOpener::launch(const QString& program) {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    // The shell runs programs and shortcuts itself.
    return open(program);
#else
    const QFileInfo info(program);
    if (!info.isFile())
        return false;
    if (info.suffix().compare(QLatin1String("desktop"), Qt::CaseInsensitive) == 0) {
        const std::optional<DesktopLaunch> entry = ReadDesktopEntry(program);
        if (!entry)
            return false;
        if (!entry->url.isEmpty())
            return open(entry->url);
        return QProcess::startDetached(entry->program, entry->arguments, entry->workingFolder);
    }
    if (IsProgramFile(program))
        return QProcess::startDetached(info.absoluteFilePath(), {}, info.absolutePath());
    return open(program);
#endif
}

} // namespace quindor::platform
