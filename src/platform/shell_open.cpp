#include "platform/shell_open.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace quindor::platform {

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
    return QProcess::startDetached(opener, {target});
#endif
}

} // namespace quindor::platform
