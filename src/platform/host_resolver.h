#pragma once

#include <QHash>
#include <QHostAddress>
#include <QString>

#include <optional>

namespace quindor::platform {

// The addresses of computer names, for the datagrams of the network exercise. The system's
// resolver answers, unless a host map is given, which then answers alone: several simulated
// computers on loopback addresses of one machine (tests, classroom simulations) never ask a
// name server. The map comes from code or from the environment variable QUINDOR_HOSTS, as
// "NAME=ADDRESS" pairs separated by semicolons; names compare without regard to case.
class HostResolver {
public:
    HostResolver() = default;
    // The map of QUINDOR_HOSTS, or the system's resolver when the variable is not set.
    static HostResolver fromEnvironment();
    // Only the map answers.
    void setMap(const QHash<QString, QHostAddress>& map);
    bool hasMap() const { return mapped_; }

    // The address of a computer; none when the name is unknown. Answers are kept, so a run of
    // messages to one computer asks the system once; a copy keeps those known so far.
    std::optional<QHostAddress> resolve(const QString& name);

    // Where this computer receives: its own mapped address, else every address it has.
    QHostAddress localAddress(const QString& localName) const;

    static QHash<QString, QHostAddress> parseMap(const QString& text);

private:
    bool mapped_ = false;
    QHash<QString, QHostAddress> map_;
    QHash<QString, std::optional<QHostAddress>> cache_;
};

} // namespace quindor::platform
