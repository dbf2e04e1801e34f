#pragma once

#include <QString>

#include <memory>
#include <optional>

class QSettings;

namespace quindor {

// Types a stored value can have. A bool is kept as the integer 0 or 1.
enum class SettingsValueType { None, Int, Double, String };

// The user's key-value store. Names are compared without regard to case; a value read with a
// type other than the one stored reads as absent, so the caller keeps its default.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual SettingsValueType valueType(const QString& name) const = 0;
    bool hasValue(const QString& name) const { return valueType(name) != SettingsValueType::None; }

    // Any non-zero integer reads as true.
    std::optional<bool> readBool(const QString& name) const;
    virtual std::optional<int> readInt(const QString& name) const = 0;
    virtual std::optional<double> readDouble(const QString& name) const = 0;
    virtual std::optional<QString> readString(const QString& name) const = 0;

    void writeBool(const QString& name, bool value) { writeInt(name, value ? 1 : 0); }
    virtual void writeInt(const QString& name, int value) = 0;
    virtual void writeDouble(const QString& name, double value) = 0;
    virtual void writeString(const QString& name, const QString& value) = 0;

    // Puts the written values on disk; false when the store could not be written.
    virtual bool sync() = 0;
};

// The store on QSettings: the registry key "Software\Quindor" of the current user on Windows,
// an ini file in the user's configuration folder elsewhere.
class UserSettingsStore : public SettingsStore {
public:
    UserSettingsStore();
    // An ini file at the given path (tests, portable installations).
    explicit UserSettingsStore(const QString& iniPath);
    ~UserSettingsStore() override;

    QString location() const;

    SettingsValueType valueType(const QString& name) const override;
    std::optional<int> readInt(const QString& name) const override;
    std::optional<double> readDouble(const QString& name) const override;
    std::optional<QString> readString(const QString& name) const override;
    void writeInt(const QString& name, int value) override;
    void writeDouble(const QString& name, double value) override;
    void writeString(const QString& name, const QString& value) override;
    bool sync() override;

private:
    struct StoredValue {
        SettingsValueType type = SettingsValueType::None;
        QString text;
    };

    StoredValue lookup(const QString& name) const;
    void write(const QString& name, const QString& encoded);

    std::unique_ptr<QSettings> settings_;
};

} // namespace quindor
