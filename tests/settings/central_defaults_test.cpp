#include "core/program_folders.h"
#include "settings/private_profile.h"
#include "settings/settings_io.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

class CentralDefaultsTest : public ::testing::Test {
protected:
    void SetUp() override { ComputeProgramFolders(state, dir.path()); }

    void readCentral(const QByteArray& ini, const QLocale& locale = QLocale(QLocale::German)) {
        QFile file(state.CentralIniPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(ini);
        file.close();
        ReadCentralDefaults(state.CentralIniPath, settings, state, locale);
    }

    QTemporaryDir dir;
    Settings settings;
    ProgramState state;
};

TEST_F(CentralDefaultsTest, EnabledSwitchOverridesTheUserValueAndIsWrittenAtExit) {
    UserSettingsStore store(dir.filePath(QStringLiteral("user.ini")));
    store.writeBool(QStringLiteral("Opt-Sound"), true);
    ReadUserSettings(store, settings, state);
    readCentral("[Optionen]\r\nOptionenDefZentral=1\r\nTonausgabe=0\r\n");
    EXPECT_FALSE(settings.OptSound);
    // Keys missing from the enabled section keep their values.
    EXPECT_TRUE(settings.OptUebNameEingabe);
    EXPECT_EQ(settings.Schriftart, QStringLiteral("Arial"));
    ASSERT_TRUE(WriteUserSettings(store, settings, state));
    EXPECT_EQ(store.readInt(QStringLiteral("Opt-Sound")), 0);
}

TEST_F(CentralDefaultsTest, SwitchOffUnreadableOrMissingIgnoresTheSection) {
    ReadCentralDefaults(dir.filePath(QStringLiteral("none.ini")), settings, state);
    readCentral("[Optionen]\nOptionenDefZentral=0\nTonausgabe=0\n"
                "[Notenskala]\nNotenskalaDefZentral=ja\nNote1=10\n"
                "[NetzKom]\nNetzKomKanal=RAUM-1\n");
    EXPECT_TRUE(settings.OptSound);
    EXPECT_EQ(settings.NoteMinQuote[1], 0.85);
    EXPECT_EQ(state.CommChannel, QStringLiteral("MASTER-1"));
}

TEST_F(CentralDefaultsTest, GradeQuotasAreReadInPercentInTheLocaleFormat) {
    readCentral("[Notenskala]\nNotenskalaDefZentral=1\nNote1=90\nNote2=72,5\nNote3=abc\n"
                "Note4=60.5\nPunkte15=99\nBewertSkala=2\n");
    EXPECT_DOUBLE_EQ(settings.NoteMinQuote[1], 0.9);
    EXPECT_DOUBLE_EQ(settings.NoteMinQuote[2], 0.725);
    // No numbers in a German locale: the values stay, as do the missing grade 5.
    EXPECT_EQ(settings.NoteMinQuote[3], 0.55);
    EXPECT_EQ(settings.NoteMinQuote[4], 0.40);
    EXPECT_EQ(settings.NoteMinQuote[5], 0.25);
    EXPECT_DOUBLE_EQ(settings.PunkteMinQuote[15], 0.99);
    EXPECT_EQ(settings.BewertSkala, 2);

    readCentral("[Notenskala]\nNotenskalaDefZentral=1\nNote1=90.5\nNote2=72,5\n", QLocale::c());
    EXPECT_DOUBLE_EQ(settings.NoteMinQuote[1], 0.905);
    EXPECT_DOUBLE_EQ(settings.NoteMinQuote[2], 0.725);
}

TEST_F(CentralDefaultsTest, FoldersNetworkAndOptionsReachTheirValues) {
    const QString bestLists = state.BestListFolder;
    readCentral("; Vorgaben der Schule\n"
                "[ordner]\nordnerdefzentral = 1\nOrdnerChronik = /srv/chronik\n"
                "OrdnerProtokoll=\"/srv/prot/\"\nOrdnerBestenliste=\n"
                "[NetzKom]\nNetzKomDefZentral=1\nNetzKomKanal=RAUM-2\nNetzKomVerfahren=0\n"
                "[Optionen]\nOptionenDefZentral=-1\nStatusinfo=0\nBestenlisteAutoeintrag=2\n"
                "Schriftart=Times New Roman\nWerkzeugPos=1\nWerkzeugPos=0\n");
    EXPECT_EQ(state.ChronicleFolder, QStringLiteral("/srv/chronik") + QDir::separator());
    EXPECT_EQ(state.ProtocolFolder, QStringLiteral("/srv/prot/"));
    EXPECT_EQ(state.BestListFolder, bestLists);
    EXPECT_EQ(state.CommChannel, QStringLiteral("RAUM-2"));
    EXPECT_EQ(settings.NetzKomVerfahren, 0);
    EXPECT_FALSE(settings.OptUebStatusInfo);
    EXPECT_TRUE(settings.OptErgebBestListEintragen);
    EXPECT_EQ(settings.Schriftart, QStringLiteral("Times New Roman"));
    EXPECT_EQ(settings.WerkzeugPos, 1);
}

TEST(PrivateProfile, FollowsTheProfileRules) {
    const PrivateProfile profile = PrivateProfile::Parse("Frei=1\n[A]\n;Key=1\n  key2 = 2 \n"
                                                         "ohne Gleichheitszeichen\n[B]\nKey=3\n"
                                                         "[A]\nKey=\xE4\xFC\nkey2=5\n");
    EXPECT_EQ(profile.value(QString(), QStringLiteral("Frei")), std::nullopt);
    EXPECT_EQ(profile.value(QStringLiteral("a"), QStringLiteral("KEY")), QStringLiteral("äü"));
    EXPECT_EQ(profile.intValue(QStringLiteral("A"), QStringLiteral("Key2")), 2);
    EXPECT_EQ(profile.intValue(QStringLiteral("B"), QStringLiteral("Key")), 3);
    const PrivateProfile utf8 = PrivateProfile::Parse("\xEF\xBB\xBF[A]\nKey=\xC3\xA4\n");
    EXPECT_EQ(utf8.value(QStringLiteral("A"), QStringLiteral("Key")), QStringLiteral("ä"));
}

} // namespace
} // namespace quindor
