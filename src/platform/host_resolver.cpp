#include "platform/host_resolver.h"

#include <QHostInfo>

namespace quindor::platform {

HostResolver HostResolver::fromEnvironment() {
    HostResolver resolver;
    if (qEnvironmentVariableIsSet("QUINDOR_HOSTS"))
        resolver.setMap(parseMap(qEnvironmentVariable("QUINDOR_HOSTS")));
    return resolver;
}

QHash<QString, QHostAddress> HostResolver::parseMap(const QString& text) {
    QHash<QString, QHostAddress> map;
    for (const QString& pair : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QHostAddress address(pair.mid(eq + 1).trimmed());
        if (!address.isNull())
            map.insert(pair.left(eq).trimmed().toUpper(), address);
    }
    return map;
}

void HostResolver::setMap(const QHash<QString, QHostAddress>& map) {
    mapped_ = true;
    map_ = map;
    cache_.clear();
}

std::optional<QHostAddress> HostResolver::resolve(const QString& name) {
    const QString key = name.trimmed().toUpper();
    if (key.isEmpty())
        return std::nullopt;
    if (mapped_) {
        const auto it = map_.constFind(key);
        return it == map_.constEnd() ? std::nullopt : std::optional<QHostAddress>(*it);
    }
    if (const auto it = cache_.constFind(key); it != cache_.constEnd())
        return *it;
    std::optional<QHostAddress> found;
    const QHostInfo info = QHostInfo::fromName(name.trimmed());
    for (const QHostAddress& address : info.addresses()) {
        // The datagrams are IPv4, as the school networks of the program are.
        if (address.protocol() == QAbstractSocket::IPv4Protocol) {
            found = address;
            break;
        }
    }
    cache_.insert(key, found);
    return found;
}

QHostAddress HostResolver::localAddress(const QString& localName) const {
    if (mapped_) {
        const auto it = map_.constFind(localName.trimmed().toUpper());
        if (it != map_.constEnd())
            return *it;
    }
    return QHostAddress(QHostAddress::AnyIPv4);
}

} // namespace quindor::platform
