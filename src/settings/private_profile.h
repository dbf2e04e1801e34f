#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

namespace quindor {

// A read-only ini file with the private-profile rules: "[section]" lines, "name=value" lines,
// section and key names without regard to case, blanks around names and values ignored, a
// value enclosed in matching quotes taken without them, ';' starting a comment line, and the
// first occurrence of a key winning. The text is Windows-1252 (UTF-8 when it starts with a
// byte-order mark).
class PrivateProfile {
public:
    // Nothing when the file does not exist or cannot be read.
    static std::optional<PrivateProfile> Load(const QString& path);
    static PrivateProfile Parse(const QByteArray& bytes);

    std::optional<QString> value(const QString& section, const QString& key) const;
    // The value as a decimal integer; nothing when absent or not a number.
    std::optional<int> intValue(const QString& section, const QString& key) const;

private:
    QHash<QString, QHash<QString, QString>> sections_;
};

} // namespace quindor
