#pragma once

#include <QString>

namespace quindor::platform {

// Name of this computer and of the logged-on user, as protocols, best lists and network
// messages record them. Tests and a second simulated PC override both, in code or through the
// environment variables QUINDOR_COMPUTERNAME and QUINDOR_USERNAME.
class HostIdentity {
public:
    static HostIdentity system();
    HostIdentity(QString computerName, QString userName)
        : computerName_(std::move(computerName)), userName_(std::move(userName)) {}

    const QString& computerName() const { return computerName_; }
    const QString& userName() const { return userName_; }

private:
    QString computerName_;
    QString userName_;
};

} // namespace quindor::platform
