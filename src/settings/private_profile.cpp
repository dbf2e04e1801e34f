#include "settings/private_profile.h"

#include "core/win1252.h"

#include <QFile>

namespace quindor {

namespace {

QString Unquoted(const QString& value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

std::optional<PrivateProfile> PrivateProfile::Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return Parse(file.readAll());
}

PrivateProfile PrivateProfile::Parse(const QByteArray& bytes) {
    static const QByteArray kUtf8Bom("\xEF\xBB\xBF");
    const QString text = bytes.startsWith(kUtf8Bom)
                             ? QString::fromUtf8(bytes.sliced(kUtf8Bom.size()))
                             : DecodeWin1252(bytes);

    PrivateProfile profile;
    QHash<QString, QString>* section = nullptr;
    for (QStringView rawLine : QStringView(text).split(u'\n')) {
        const QStringView line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            const qsizetype end = line.indexOf(u']');
            const QStringView name = line.mid(1, end < 0 ? -1 : end - 1).trimmed();
            section = &profile.sections_[name.toString().toCaseFolded()];
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (section == nullptr || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed().toString().toCaseFolded();
        if (!section->contains(key))
            section->insert(key, Unquoted(line.mid(equals + 1).trimmed().toString()));
    }
    return profile;
}

std::optional<QString> PrivateProfile::value(const QString& section, const QString& key) const {
    const auto found = sections_.constFind(section.toCaseFolded());
    if (found == sections_.constEnd())
        return std::nullopt;
    const auto entry = found->constFind(key.toCaseFolded());
    if (entry == found->constEnd())
        return std::nullopt;
    return *entry;
}

std::optional<int> PrivateProfile::intValue(const QString& section, const QString& key) const {
    const std::optional<QString> text = value(section, key);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const int number = text->toInt(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

} // namespace quindor
