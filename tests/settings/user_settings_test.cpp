#include "core/program_folders.h"
#include "settings/settings_io.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

class UserSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { ComputeProgramFolders(state, QStringLiteral("/opt/quindor")); }
    QString path() const { return dir.filePath(QStringLiteral("user.ini")); }

    QTemporaryDir dir;
    Settings settings;
    ProgramState state;
};

// The names of the user store, spelled as the program writes them.
QStringList ExpectedNames() {
    QStringList names =
        QStringLiteral(
            "Opt-Sound Opt-UebNameEingabe Opt-UebStatusInfo Opt-AutoProtSpeichern "
            "Opt-ErgebBestListEintragen Opt-UebErgebAnzeigen NetzKomOrdner NetzKomKanal "
            "NetzKomVerfahren Opt-ChronikOrdner Opt-ProtOrdner Opt-BestListOrdner "
            "Opt-VerknuepfungT Opt-VerknuepfungHintT Opt-WerkzeugPos Opt-BewertSkala "
            "Opt-Schriftart UebOpt-AbfrageModus UebOpt-ZeitLimit UebOpt-ZuordnungRichtig "
            "UebOpt-ZuordnungFalsch UebOpt-Zuordnungstexte UebOpt-Zuordnungsziele UebOpt-ZLimitMin "
            "UebOpt-ZLimitSek UebOpt-AnzZeichenVorgeben UebOptFragen-ZuordnungFalsch "
            "UebOptFragen-Zuordnungstexte UebOptFragen-Zeitlimit UebOptFragen-Zuordnungsziele "
            "UebOptFragen-ZLimitMin UebOptFragen-ZLimitSek UebOptKorb-AbfrageModus "
            "UebOptKorb-Zeitlimit UebOptKorb-ZLimitMin UebOptKorb-ZLimitSek Dok-SeitRatioArt "
            "Dok-SeitRatioBreite Dok-SeitRatioHoehe Symbolstempel-Zeichen")
            .split(u' ');
    for (int i = 1; i <= 15; ++i) {
        if (i <= 3)
            names << QStringLiteral("Opt-Verknuepfung%1").arg(i)
                  << QStringLiteral("Opt-VerknuepfungName%1").arg(i)
                  << QStringLiteral("Opt-VerknuepfungHint%1").arg(i);
        if (i <= 5)
            names << QStringLiteral("Opt-NoteMinQuote%1").arg(i);
        if (i <= 10)
            names << QStringLiteral("Symbolstempel-Fontname%1").arg(i);
        names << QStringLiteral("Opt-PunkteMinQuote%1").arg(i);
    }
    names.sort();
    return names;
}

TEST_F(UserSettingsTest, EmptyStoreGivesTheDefaultsAndWritingFillsIt) {
    ReadUserSettings(UserSettingsStore(path()), settings, state);
    const bool options[] = {settings.OptSound,
                            settings.OptUebNameEingabe,
                            settings.OptUebStatusInfo,
                            settings.OptAutoProtSpeichern,
                            settings.OptErgebBestListEintragen,
                            settings.OptUebErgebAnzeigen};
    EXPECT_EQ(std::vector<bool>(std::begin(options), std::end(options)),
              std::vector<bool>({true, true, true, false, false, true}));
    const double grades[] = {0.85, 0.70, 0.55, 0.40, 0.25};
    for (int g = 1; g <= 5; ++g)
        EXPECT_DOUBLE_EQ(settings.NoteMinQuote[g], grades[g - 1]) << g;
    for (int n = 1; n <= 15; ++n)
        EXPECT_NEAR(settings.PunkteMinQuote[n], 0.20 + 0.05 * n, 1e-12) << n;

    {
        UserSettingsStore store(path());
        ASSERT_TRUE(WriteUserSettings(store, settings, state));
    }
    QStringList written = QSettings(path(), QSettings::IniFormat).allKeys();
    written.sort();
    EXPECT_EQ(written, ExpectedNames());
    const UserSettingsStore store(path());
    EXPECT_EQ(store.readDouble(QStringLiteral("Opt-NoteMinQuote1")), 0.85);
    EXPECT_EQ(store.readString(QStringLiteral("Opt-VerknuepfungHint2")),
              QStringLiteral("Programmverknüpfung 2"));
    EXPECT_EQ(store.readString(QStringLiteral("UebOpt-ZLimitMin")), QStringLiteral("3"));
}

TEST_F(UserSettingsTest, ValuesAndFoldersComeBack) {
    settings.OptSound = false;
    settings.PunkteMinQuote[15] = 0.99;
    settings.UebOpt.ZLimitSek = QStringLiteral("07");
    settings.UebOptKorb.AbfrageModus = 1;
    settings.SymbolstempelFontname[9] = QStringLiteral("Verdana");
    state.CommChannel = QStringLiteral("RAUM-12");
    state.ProtocolFolder = QStringLiteral("/srv/protokolle/");
    {
        UserSettingsStore store(path());
        ASSERT_TRUE(WriteUserSettings(store, settings, state));
    }
    Settings read;
    ProgramState readState;
    ComputeProgramFolders(readState, QStringLiteral("/other"));
    ReadUserSettings(UserSettingsStore(path()), read, readState);
    EXPECT_FALSE(read.OptSound);
    EXPECT_EQ(read.PunkteMinQuote[15], 0.99);
    EXPECT_EQ(read.UebOpt.ZLimitSek, QStringLiteral("07"));
    EXPECT_EQ(read.UebOptKorb.AbfrageModus, 1);
    EXPECT_EQ(read.SymbolstempelFontname[9], QStringLiteral("Verdana"));
    EXPECT_EQ(readState.CommChannel, QStringLiteral("RAUM-12"));
    EXPECT_EQ(readState.ProtocolFolder, QStringLiteral("/srv/protokolle/"));
    EXPECT_EQ(readState.ChronicleFolder, state.ChronicleFolder);
}

// A time limit the dialog could never have stored keeps the default of its field.
TEST_F(UserSettingsTest, TimeFieldsOutsideTheirRangeKeepTheirDefaults) {
    {
        UserSettingsStore store(path());
        store.writeString(QStringLiteral("UebOpt-ZLimitMin"), QStringLiteral("99999999"));
        store.writeString(QStringLiteral("UebOpt-ZLimitSek"), QStringLiteral("45"));
        store.writeString(QStringLiteral("UebOptFragen-ZLimitMin"), QStringLiteral("60"));
        store.writeString(QStringLiteral("UebOptFragen-ZLimitSek"), QStringLiteral(""));
        store.writeString(QStringLiteral("UebOptKorb-ZLimitMin"), QStringLiteral("-1"));
        store.writeString(QStringLiteral("UebOptKorb-ZLimitSek"), QStringLiteral("1 0"));
        ASSERT_TRUE(store.sync());
    }
    Settings read;
    ReadUserSettings(UserSettingsStore(path()), read, state);
    EXPECT_EQ(read.UebOpt.ZLimitMin, QStringLiteral("3"));
    EXPECT_EQ(read.UebOpt.ZLimitSek, QStringLiteral("45"));
    EXPECT_EQ(read.UebOptFragen.ZLimitMin, QStringLiteral("3"));
    EXPECT_EQ(read.UebOptFragen.ZLimitSek, QString());
    EXPECT_EQ(read.UebOptKorb.ZLimitMin, QStringLiteral("3"));
    EXPECT_EQ(read.UebOptKorb.ZLimitSek, QStringLiteral("0"));
}

TEST_F(UserSettingsTest, OtherTypesKeepDefaultsAndNamesIgnoreCase) {
    {
        UserSettingsStore store(path());
        store.writeString(QStringLiteral("Opt-WerkzeugPos"), QStringLiteral("abc"));
        store.writeInt(QStringLiteral("Opt-NoteMinQuote1"), 1);
        store.writeDouble(QStringLiteral("Opt-Sound"), 0.0);
        store.writeInt(QStringLiteral("UebOpt-Zeitlimit"), 2);
        store.writeString(QStringLiteral("NetzKomOrdner"), QStringLiteral("/srv/kom"));
        store.writeString(QStringLiteral("Opt-ChronikOrdner"), QString());
    }
    const QString chronicle = state.ChronicleFolder;
    ReadUserSettings(UserSettingsStore(path()), settings, state);
    EXPECT_EQ(settings.WerkzeugPos, 0);
    EXPECT_EQ(settings.NoteMinQuote[1], 0.85);
    EXPECT_TRUE(settings.OptSound);
    EXPECT_EQ(settings.UebOpt.Zeitlimit, 2);
    // Folders get their trailing separator; an empty one is no folder.
    EXPECT_EQ(state.CommFolder, QStringLiteral("/srv/kom") + QDir::separator());
    EXPECT_EQ(state.ChronicleFolder, chronicle);
}

} // namespace
} // namespace quindor
