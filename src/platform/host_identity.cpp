#include "platform/host_identity.h"

#include <QProcessEnvironment>
#include <QSysInfo>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace quindor::platform {

namespace {

QString LoginName() {
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* key : {"USERNAME", "USER", "LOGNAME"}) {
        const QString value = env.value(QString::fromLatin1(key));
        if (!value.isEmpty())
            return value;
    }
#ifndef _WIN32
    // Without the usual variables (services, containers) the account itself names the user.
    if (const passwd* account = getpwuid(getuid()))
        return QString::fromLocal8Bit(account->pw_name);
#endif
    return QString();
}

} // namespace

HostIdentity HostIdentity::system() {
    // Several simulated computers on one machine (tests, classroom simulations) each name
    // themselves through the environment.
    const QString computer = qEnvironmentVariable("QUINDOR_COMPUTERNAME");
    const QString user = qEnvironmentVariable("QUINDOR_USERNAME");
    // Windows reports computer names in capitals; keep that so peers compare equal.
    QString host = computer.isEmpty()
                       ? QSysInfo::machineHostName().section(QLatin1Char('.'), 0, 0).toUpper()
                       : computer;
    return HostIdentity(host, user.isEmpty() ? LoginName() : user);
}

} // namespace quindor::platform
