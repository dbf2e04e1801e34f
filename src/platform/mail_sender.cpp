#include "platform/mail_sender.h"

#include <QProcess>
#include <QStandardPaths>

namespace quindor::platform {

bool XdgEmailSender::send(const QString& subject, const QString& body,
                          const QStringList& attachments) {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (program.isEmpty())
        return false;
    QStringList arguments = {QStringLiteral("--utf8"), QStringLiteral("--subject"), subject,
                             QStringLiteral("--body"), body};
    for (const QString& file : attachments)
        arguments << QStringLiteral("--attach") << file;
    QProcess process;
    process.start(program, arguments);
    // The mail program may stay open; xdg-email itself returns once it has handed over.
    return process.waitForFinished(60'000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

} // namespace quindor::platform
