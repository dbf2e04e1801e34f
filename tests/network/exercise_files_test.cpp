#include "network/exercise_files.h"

#include "core/binary_stream.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

UebDataTyp TeacherOptions() {
    UebDataTyp run;
    run.ZuordnungRichtigItemIndex = 1;
    run.ZuordnungFalschItemIndex = 1;
    run.ZuordnungstexteItemIndex = 1;
    run.ZuordnungszieleItemIndex = 2;
    run.AbfrageModusItemIndex = 3;
    run.ZeitLimitIndex = 1;
    run.ZeitLimitWert = 150;
    run.NoteMinQuote = {1.0, 0.9, 0.8, 0.6, 0.5, 0.3, 0.0};
    run.PunkteMinQuote[1] = 0.2;
    run.BewertSkala = 2;
    run.AnzZeichenVorgeben = 1;
    return run;
}

UebDataTyp OwnOptions() {
    UebDataTyp own;
    own.BewertSkala = 3;
    own.AnzZeichenVorgeben = 0;
    own.NoteMinQuote = {1.0, 0.8, 0.7, 0.6, 0.5, 0.4, 0.0};
    return own;
}

TEST(ExerciseSettingsFile, HoldsTheFieldsInOrder) {
    const QByteArray bytes = EncodeExerciseSettings(QStringLiteral("LEHRER"), TeacherOptions());
    ByteReader reader(bytes);
    EXPECT_EQ(reader.readText(), QStringLiteral("zwknetzuebung.dat"));
    const QString header = reader.readText();
    EXPECT_EQ(header, QStringLiteral("NetzUebungMaster|RiFaRueckmeldungItemIndex|"
                                     "ZuordnungRichtigItemIndex|ZuordnungFalschItemIndex|"
                                     "ZuordnungstexteItemIndex|ZuordnungszieleItemIndex|"
                                     "AbfrageModusItemIndex|ZeitLimitIndex|ZeitLimitWert|"
                                     "NoteMinQuote|PunkteMinQuote|BewertSkala|"
                                     "AnzZeichenVorgeben|"));
    EXPECT_EQ(header.size(), 254);
    EXPECT_EQ(reader.readText(), QStringLiteral("LEHRER"));
    for (const int expected : {0, 1, 1, 1, 2, 3, 1, 150})
        EXPECT_EQ(reader.readInt32(), expected);
    EXPECT_EQ(reader.readDouble(), 1.0);
    EXPECT_EQ(reader.readDouble(), 0.9);
    reader.skip(5 * 8);
    EXPECT_EQ(reader.readDouble(), 0.0);
    EXPECT_EQ(reader.readDouble(), 0.2);
    reader.skip(15 * 8);
    EXPECT_EQ(reader.readInt32(), 2);
    EXPECT_EQ(reader.readInt32(), 1);
    EXPECT_TRUE(reader.ok());
    EXPECT_TRUE(reader.atEnd());

    const std::optional<ExerciseSettingsFile> file = ParseExerciseSettings(bytes, OwnOptions());
    ASSERT_TRUE(file);
    EXPECT_EQ(file->initiator, QStringLiteral("LEHRER"));
    const UebDataTyp expected = TeacherOptions();
    EXPECT_EQ(file->run.AbfrageModusItemIndex, 3);
    EXPECT_EQ(file->run.ZeitLimitWert, 150);
    EXPECT_EQ(file->run.NoteMinQuote, expected.NoteMinQuote);
    EXPECT_EQ(file->run.PunkteMinQuote, expected.PunkteMinQuote);
    EXPECT_EQ(file->run.BewertSkala, 2);
    EXPECT_EQ(file->run.AnzZeichenVorgeben, 1);
}

// A writer of an earlier version that stored the fields up to the point scale.
QByteArray EarlierFile(bool withScales) {
    ByteWriter writer;
    writer.writeText(QStringLiteral("zwknetzuebung.dat"));
    writer.writeText(withScales
                         ? QStringLiteral("NetzUebungMaster|RiFaRueckmeldungItemIndex|"
                                          "ZuordnungRichtigItemIndex|ZuordnungFalschItemIndex|"
                                          "ZuordnungstexteItemIndex|ZuordnungszieleItemIndex|"
                                          "AbfrageModusItemIndex|ZeitLimitIndex|ZeitLimitWert|"
                                          "NoteMinQuote|PunkteMinQuote|")
                         : QStringLiteral("NetzUebungMaster|RiFaRueckmeldungItemIndex|"
                                          "ZuordnungRichtigItemIndex|ZuordnungFalschItemIndex|"
                                          "ZuordnungstexteItemIndex|ZuordnungszieleItemIndex|"
                                          "AbfrageModusItemIndex|ZeitLimitIndex|ZeitLimitWert|"));
    writer.writeText(QStringLiteral("ALT-PC"));
    for (const int value : {0, 0, 1, 1, 0, 1, 1, 60})
        writer.writeInt32(value);
    if (withScales) {
        for (int i = 0; i < 7; ++i)
            writer.writeDouble(i == 0 ? 1.0 : 0.5);
        for (int i = 0; i < 17; ++i)
            writer.writeDouble(i / 16.0);
    }
    return writer.take();
}

TEST(ExerciseSettingsFile, EarlierWritersKeepTheReadersOwnValues) {
    std::optional<ExerciseSettingsFile> file =
        ParseExerciseSettings(EarlierFile(true), OwnOptions());
    ASSERT_TRUE(file);
    EXPECT_EQ(file->initiator, QStringLiteral("ALT-PC"));
    EXPECT_EQ(file->run.ZeitLimitWert, 60);
    EXPECT_EQ(file->run.NoteMinQuote[1], 0.5);
    EXPECT_EQ(file->run.PunkteMinQuote[16], 1.0);
    // The file ends after the point scale: the participant keeps its scale choice and its
    // character-count option.
    EXPECT_EQ(file->run.BewertSkala, 3);
    EXPECT_EQ(file->run.AnzZeichenVorgeben, 0);

    file = ParseExerciseSettings(EarlierFile(false), OwnOptions());
    ASSERT_TRUE(file);
    EXPECT_EQ(file->run.NoteMinQuote, OwnOptions().NoteMinQuote);
    EXPECT_EQ(file->run.PunkteMinQuote, OwnOptions().PunkteMinQuote);
}

TEST(ExerciseSettingsFile, CutOrImpossibleFilesAreRefused) {
    const QByteArray good = EncodeExerciseSettings(QStringLiteral("LEHRER"), TeacherOptions());
    for (qsizetype cut = 0; cut < good.size(); cut += 7)
        EXPECT_FALSE(ParseExerciseSettings(good.left(cut), OwnOptions())) << cut;
    UebDataTyp odd = TeacherOptions();
    odd.AbfrageModusItemIndex = 9;
    EXPECT_FALSE(ParseExerciseSettings(EncodeExerciseSettings({}, odd), OwnOptions()));
    odd = TeacherOptions();
    odd.ZeitLimitIndex = 3;
    EXPECT_FALSE(ParseExerciseSettings(EncodeExerciseSettings({}, odd), OwnOptions()));
    odd = TeacherOptions();
    odd.NoteMinQuote[2] = std::nan("");
    EXPECT_FALSE(ParseExerciseSettings(EncodeExerciseSettings({}, odd), OwnOptions()));
}

TEST(ExerciseFiles, AreNamedAfterTheChannel) {
    const ExerciseFiles files =
        ExerciseFiles::ofChannel(QStringLiteral("/kom"), QStringLiteral("KLASSE-7"));
    EXPECT_EQ(files.zwk, QStringLiteral("/kom/KLASSE-7-zwknetzuebung.zwk"));
    EXPECT_EQ(files.dat, QStringLiteral("/kom/KLASSE-7-zwknetzuebung.dat"));
    EXPECT_EQ(files.okx, QStringLiteral("/kom/KLASSE-7-zwknetzuebung.okx"));
    EXPECT_EQ(files.hsc, QStringLiteral("/kom/KLASSE-7-zwknetzuebung.hsc"));
    EXPECT_TRUE(files.isMessageFile(QStringLiteral("KLASSE-7-zwknetzuebung-TN-ABCDEFGHIJKL.dat")));
    EXPECT_TRUE(files.isMessageFile(QStringLiteral("klasse-7-ZWKnetzuebung-tn-abcdefghijkl.DAT")));
    EXPECT_FALSE(files.isMessageFile(QStringLiteral("KLASSE-7-zwknetzuebung.dat")));
    EXPECT_FALSE(files.isMessageFile(QStringLiteral("KLASSE-8-zwknetzuebung-TN-ABCDEFGHIJKL.dat")));
    // A channel never names a file outside the folder.
    for (const char* channel : {"", "..", "a/b", "a\\b", "x:y", "a*"})
        EXPECT_FALSE(
            ExerciseFiles::ofChannel(QStringLiteral("/kom/"), QString::fromLatin1(channel)).valid())
            << channel;
}

TEST(ExerciseFiles, PublishedWithAllThreeAndCleanedUpWithoutTheBestList) {
    QTemporaryDir dir;
    const ExerciseFiles files = ExerciseFiles::ofChannel(dir.path(), QStringLiteral("MASTER-1"));
    const QString other = dir.filePath(QStringLiteral("notiz.txt"));
    const QString otherChannel = dir.filePath(QStringLiteral("MASTER-2-zwknetzuebung.zwk"));
    for (const QString& path : {files.zwk, files.dat, files.hsc, other, otherChannel})
        test::WriteFileBytes(path, "x");
    EXPECT_FALSE(files.published());
    FolderPort port;
    ASSERT_TRUE(files.writeRegistrationFlag(port));
    EXPECT_EQ(test::ReadFileBytes(files.okx), QByteArray("\x0f\0\0\0NetzUebDateiOKX", 19));
    EXPECT_TRUE(files.published());
    // Another computer spelling the channel in small letters finds the same exercise.
    EXPECT_TRUE(ExerciseFiles::ofChannel(dir.path(), QStringLiteral("master-1")).published());
    for (const char* name : {"MASTER-1-zwknetzuebung-TN-AAAAAAAAAAAA.dat",
                             "master-1-zwknetzuebung-tn-BBBBBBBBBBBB.dat",
                             "MASTER-1-zwknetzuebung-TN-CCCCCCCCCCCC.dat.part"})
        test::WriteFileBytes(dir.filePath(QString::fromLatin1(name)), "m");

    EXPECT_TRUE(files.cleanUp(port).failed.isEmpty());
    EXPECT_FALSE(files.published());
    QStringList left = QDir(dir.path()).entryList(QDir::Files);
    left.sort();
    EXPECT_EQ(left, QStringList({QStringLiteral("MASTER-1-zwknetzuebung.hsc"),
                                 QStringLiteral("MASTER-2-zwknetzuebung.zwk"),
                                 QStringLiteral("notiz.txt")}));
}

} // namespace
} // namespace quindor
