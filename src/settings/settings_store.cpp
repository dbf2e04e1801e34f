#include "settings/settings_store.h"

#include <QLocale>
#include <QSettings>

namespace quindor {

namespace {

// QSettings gives numbers back as text on every backend but the registry, and even there
// loses the type of a double. Each value therefore carries its type as a prefix; a value
// without one (typed in by hand) is a string.
const QString kIntTag = QStringLiteral("int:");
const QString kDoubleTag = QStringLiteral("double:");
const QString kStringTag = QStringLiteral("string:");

std::unique_ptr<QSettings> OpenUserSettings() {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\Quindor"),
                                       QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Quindor"));
#endif
}

} // namespace

std::optional<bool> SettingsStore::readBool(const QString& name) const {
    const std::optional<int> value = readInt(name);
    if (!value)
        return std::nullopt;
    return *value != 0;
}

UserSettingsStore::UserSettingsStore() : settings_(OpenUserSettings()) {}

UserSettingsStore::UserSettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

UserSettingsStore::~UserSettingsStore() = default;

QString UserSettingsStore::location() const {
    return settings_->fileName();
}

UserSettingsStore::StoredValue UserSettingsStore::lookup(const QString& name) const {
    // Ini keys are case-sensitive, the program's names are not.
    const QStringList keys = settings_->allKeys();
    for (const QString& key : keys) {
        if (key.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        const QString raw = settings_->value(key).toString();
        bool ok = false;
        if (raw.startsWith(kIntTag)) {
            const QString number = raw.mid(kIntTag.size());
            number.toInt(&ok);
            if (ok)
                return {SettingsValueType::Int, number};
        } else if (raw.startsWith(kDoubleTag)) {
            const QString number = raw.mid(kDoubleTag.size());
            number.toDouble(&ok);
            if (ok)
                return {SettingsValueType::Double, number};
        } else if (raw.startsWith(kStringTag)) {
            return {SettingsValueType::String, raw.mid(kStringTag.size())};
        }
        return {SettingsValueType::String, raw};
    }
    return {};
}

SettingsValueType UserSettingsStore::valueType(const QString& name) const {
    return lookup(name).type;
}

std::optional<int> UserSettingsStore::readInt(const QString& name) const {
    const StoredValue value = lookup(name);
    if (value.type != SettingsValueType::Int)
        return std::nullopt;
    return value.text.toInt();
}

std::optional<double> UserSettingsStore::readDouble(const QString& name) const {
    const StoredValue value = lookup(name);
    if (value.type != SettingsValueType::Double)
        return std::nullopt;
    return value.text.toDouble();
}

std::optional<QString> UserSettingsStore::readString(const QString& name) const {
    const StoredValue value = lookup(name);
    if (value.type != SettingsValueType::String)
        return std::nullopt;
    return value.text;
}

void UserSettingsStore::write(const QString& name, const QString& encoded) {
    // A spelling that differs only in case is the same value; drop it so exactly one remains.
    const QStringList keys = settings_->allKeys();
    for (const QString& key : keys) {
        if (key != name && key.compare(name, Qt::CaseInsensitive) == 0)
            settings_->remove(key);
    }
    settings_->setValue(name, encoded);
}

void UserSettingsStore::writeInt(const QString& name, int value) {
    write(name, kIntTag + QString::number(value));
}

void UserSettingsStore::writeDouble(const QString& name, double value) {
    write(name, kDoubleTag + QString::number(value, 'g', QLocale::FloatingPointShortest));
}

void UserSettingsStore::writeString(const QString& name, const QString& value) {
    write(name, kStringTag + value);
}

bool UserSettingsStore::sync() {
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

} // namespace quindor
