#include "platform/host_identity.h"

#include <QProcessEnvironment>
#include <QSysInfo>

namespace quindor::platform {

namespace {

QString loginName() {
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* key : {"USERNAME", "USER", "LOGNAME"}) {
        const QString value = env.value(QString::fromLatin1(key));
        if (!value.isEmpty())
            return value;
    }
    return QString();
}

} // namespace

HostIdentity HostIdentity::system() {
    // Windows reports computer names in capitals; keep that so peers compare equal.
    QString host = QSysInfo::machineHostName().section(QLatin1Char('.'), 0, 0).toUpper();
    return HostIdentity(host, loginName());
}

} // namespace quindor::platform
