#include "settings/settings.h"
#include "settings/settings_store.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

TEST(SettingsStore, ValuesKeepTheirTypesAcrossReopening) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("user.ini"));
    {
        UserSettingsStore store(path);
        store.writeBool(QStringLiteral("Flag"), true);
        store.writeInt(QStringLiteral("Count"), -42);
        store.writeDouble(QStringLiteral("Quota"), 1.0);
        store.writeString(QStringLiteral("Name"), QStringLiteral("Übung, \"eins\" = 1; 2"));
        store.writeString(QStringLiteral("Digits"), QStringLiteral("7"));
        ASSERT_TRUE(store.sync());
    }
    const UserSettingsStore store(path);
    EXPECT_EQ(store.readBool(QStringLiteral("Flag")), true);
    EXPECT_EQ(store.readInt(QStringLiteral("Count")), -42);
    EXPECT_EQ(store.readDouble(QStringLiteral("Count")), std::nullopt);
    // 1.0 must not turn into an integer on the way through the text form.
    EXPECT_EQ(store.valueType(QStringLiteral("Quota")), SettingsValueType::Double);
    EXPECT_EQ(store.readInt(QStringLiteral("Quota")), std::nullopt);
    EXPECT_EQ(store.readString(QStringLiteral("Name")), QStringLiteral("Übung, \"eins\" = 1; 2"));
    EXPECT_EQ(store.readInt(QStringLiteral("Digits")), std::nullopt);
    EXPECT_EQ(store.valueType(QStringLiteral("Missing")), SettingsValueType::None);
}

TEST(SettingsStore, NamesIgnoreCaseAndOneSpellingRemains) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("user.ini"));
    UserSettingsStore store(path);
    store.writeInt(QStringLiteral("UebOpt-ZeitLimit"), 2);
    EXPECT_EQ(store.readInt(QStringLiteral("UebOpt-Zeitlimit")), 2);
    store.writeInt(QStringLiteral("UebOpt-Zeitlimit"), 1);
    ASSERT_TRUE(store.sync());
    EXPECT_EQ(store.readInt(QStringLiteral("UEBOPT-ZEITLIMIT")), 1);
    EXPECT_EQ(QSettings(path, QSettings::IniFormat).allKeys(),
              QStringList{QStringLiteral("UebOpt-Zeitlimit")});
}

TEST(SettingsStore, HandWrittenValuesAreStrings) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("user.ini"));
    QSettings(path, QSettings::IniFormat).setValue(QStringLiteral("Broken"), "int:x");
    const UserSettingsStore store(path);
    EXPECT_EQ(store.readInt(QStringLiteral("broken")), std::nullopt);
    EXPECT_EQ(store.readString(QStringLiteral("broken")), QStringLiteral("int:x"));
}

#ifndef Q_OS_WIN
TEST(SettingsStore, UserStoreIsAnIniFileInTheConfigFolder) {
    EXPECT_EQ(
        UserSettingsStore().location(),
        QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath(QStringLiteral("Quindor.ini")));
}
#endif

TEST(EnvironmentExpansion, ReplacesKnownVariablesOnly) {
    qputenv("QUINDOR_TEST_ROOT", "C:\\Windows");
    EXPECT_EQ(ExpandEnvironmentVariables(QStringLiteral("%QUINDOR_TEST_ROOT%\\system32\\osk.exe")),
              QStringLiteral("C:\\Windows\\system32\\osk.exe"));
    EXPECT_EQ(ExpandEnvironmentVariables(QStringLiteral("%QUINDOR_UNSET%\\a %% 100%")),
              QStringLiteral("%QUINDOR_UNSET%\\a %% 100%"));
    qunsetenv("QUINDOR_TEST_ROOT");
}

} // namespace
} // namespace quindor
