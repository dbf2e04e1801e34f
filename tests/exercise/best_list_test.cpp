#include "exercise/best_list.h"
#include "support/best_list_reading.h"

#include "core/binary_stream.h"
#include "platform/locked_file.h"
#include "support/test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>

namespace quindor {
namespace {

BestListDataTyp Entry(const QString& name, double leistung, int32_t dauer) {
    return {name, QStringLiteral("PC-1"), 46000.5, dauer, leistung};
}

class BestListTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
    RecordingMessages messages;
};

TEST_F(BestListTest, FileStartsWithMagicAndFieldList) {
    const QByteArray header = BestListFileHeader();
    ASSERT_EQ(header.size(), 76);
    EXPECT_EQ(header.left(4), QByteArray("\x0c\x00\x00\x00", 4));
    EXPECT_EQ(header.mid(4, 12), QByteArray("ZWK-HSC-1.00"));
    EXPECT_EQ(header.mid(16, 4), QByteArray("\x38\x00\x00\x00", 4));
    EXPECT_EQ(header.mid(20),
              QByteArray("|HSC-Name|HSC-Rechner|HSC-Beginn|HSC-Dauer|HSC-Leistung|"));

    // An existing empty file gets the header before its first entry.
    const QString file = path(QStringLiteral("leer.hsc"));
    QFile(file).open(QIODevice::WriteOnly);
    ASSERT_TRUE(
        AppendBestListEntry(file, Entry(QStringLiteral("Ada"), 0.5, 1000), false, messages));
    ASSERT_TRUE(AppendBestListEntry(file, Entry(QStringLiteral("Bo"), 0.7, 2000), false, messages));
    const QByteArray bytes = test::ReadFileBytes(file);
    EXPECT_TRUE(bytes.startsWith(header));
    std::vector<BestListDataTyp> entries;
    ASSERT_TRUE(test::ReadBestListTelling(file, false, entries, messages));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1], Entry(QStringLiteral("Bo"), 0.7, 2000));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(BestListTest, FieldsMissingFromTheListStayEmpty) {
    ByteWriter writer;
    writer.writeText(QStringLiteral("ZWK-HSC-1.00"));
    writer.writeText(QStringLiteral("|HSC-Name|HSC-Beginn|HSC-Dauer|HSC-Leistung|"));
    writer.writeText(QStringLiteral("Cleo"));
    writer.writeDouble(46001.25);
    writer.writeInt32(75000);
    writer.writeDouble(0.9);
    std::vector<BestListDataTyp> entries;
    ASSERT_TRUE(ParseBestList(writer.bytes(), entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].Name, QStringLiteral("Cleo"));
    EXPECT_EQ(entries[0].Rechner, QString());
    EXPECT_EQ(entries[0].Dauer, 75000);
    EXPECT_EQ(BestListTimeText(entries[0].Dauer), QStringLiteral("01:15"));
    EXPECT_EQ(BestListDateText(entries[0].Beginn), QStringLiteral("10.12.2025 06:00:00"));
    // A start no date holds shows no date.
    for (const double forged : {1e300, -1e300})
        EXPECT_EQ(BestListDateText(forged), QString()) << forged;
}

TEST_F(BestListTest, DamagedOrForeignFilesGiveTheReadError) {
    QByteArray truncated = BestListFileHeader() + EncodeBestListEntry(Entry("Ada", 0.5, 1));
    truncated.chop(3);
    for (const QByteArray& bytes : {truncated, QByteArray("ZWK-HSC-9.99 and more")}) {
        const QString file = path(QStringLiteral("kaputt.hsc"));
        test::WriteFileBytes(file, bytes);
        messages.clear();
        std::vector<BestListDataTyp> entries{Entry("alt", 1, 1)};
        EXPECT_FALSE(test::ReadBestListTelling(file, false, entries, messages));
        EXPECT_TRUE(entries.empty());
        ASSERT_EQ(messages.texts().size(), 1);
        EXPECT_EQ(messages.texts()[0],
                  QStringLiteral("Die Datei \"") + file +
                      QStringLiteral("\" kann nicht gelesen werden. Mögliche Ursachen:\r\n"
                                     "- Datei existiert nicht\r\n- Ungültiges Dateiformat\r\n"
                                     "- Fehlende Lesezugriffsberechtigung im Netzwerk\r\n\r\n"
                                     "Überprüfen Sie die Einstellungen im Menü \"Optionen\", um "
                                     "die Bestenliste zu nutzen. Möglicherweise existiert die "
                                     "Datei noch nicht, weil noch niemand die Übung "
                                     "durchgeführt hat."));
    }
}

TEST_F(BestListTest, MissingFileAndWriteFailureMessages) {
    std::vector<BestListDataTyp> entries;
    EXPECT_FALSE(
        test::ReadBestListTelling(path(QStringLiteral("nie.hsc")), true, entries, messages));
    EXPECT_EQ(messages.texts().back(),
              QStringLiteral("Die Bestenliste zur aktuellen Netzwerk-Übung enthält noch keine "
                             "Einträge."));
    EXPECT_FALSE(
        test::ReadBestListTelling(path(QStringLiteral("nie.hsc")), false, entries, messages));
    EXPECT_EQ(messages.texts().back(),
              QStringLiteral("Zu diesem Dokument gibt es bisher keine Einträge in der "
                             "Bestenliste. Überprüfen Sie ggf. die Einstellungen im Menü "
                             "\"Optionen\", um die Bestenliste zu nutzen."));

    const QString unwritable = path(QStringLiteral("fehlt/liste.hsc"));
    EXPECT_FALSE(AppendBestListEntry(unwritable, Entry("Ada", 1, 1), false, messages));
    EXPECT_EQ(messages.texts().back(),
              QStringLiteral("Die Datei \"") + unwritable +
                  QStringLiteral("\" kann nicht geschrieben werden. Mögliche Ursachen:\r\n"
                                 "- Ungültiger Ordner oder Dateiname\r\n"
                                 "- Fehlende Schreibzugriffsberechtigung im Netzwerk\r\n\r\n"
                                 "Die Bestenliste konnte nicht gespeichert werden. Überprüfen "
                                 "Sie die Einstellungen unter \"Optionen / Ordner für "
                                 "Protokolle und Bestenlisten\"."));
}

// A write that fails half-way (a full disk, a quota, a share that drops) leaves the list as it
// was; a writer that dies in the middle leaves a torn entry that the next append cuts off.
TEST_F(BestListTest, AppendCutOffByAFullDiskKeepsEveryWholeEntry) {
    const QString file = path(QStringLiteral("klasse.hsc"));
    ASSERT_TRUE(AppendBestListEntry(file, Entry("Ada", 0.5, 1000), false, messages));
    ASSERT_TRUE(AppendBestListEntry(file, Entry("Bo", 0.7, 2000), false, messages));
    const QByteArray before = test::ReadFileBytes(file);
    const QString limit = QString::number(before.size() + 10);

    QProcess full;
    full.start(QStringLiteral(BEST_LIST_WORKER_PATH),
               {QStringLiteral("append-cut"), file, limit, QStringLiteral("Voll")});
    ASSERT_TRUE(full.waitForFinished(30'000));
    EXPECT_EQ(full.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(full.exitCode(), 3) << full.readAllStandardOutput().toStdString();
    EXPECT_TRUE(QString::fromUtf8(full.readAllStandardOutput())
                    .contains(QStringLiteral("Die Bestenliste konnte nicht gespeichert werden.")));
    EXPECT_EQ(test::ReadFileBytes(file), before);

    QProcess dying;
    dying.start(QStringLiteral(BEST_LIST_WORKER_PATH),
                {QStringLiteral("append-cut"), file, limit, QStringLiteral("Weg"),
                 QStringLiteral("killed")});
    ASSERT_TRUE(dying.waitForFinished(30'000));
    EXPECT_EQ(dying.exitStatus(), QProcess::CrashExit);
    ASSERT_EQ(test::ReadFileBytes(file).size(), before.size() + 10);

    ASSERT_TRUE(AppendBestListEntry(file, Entry("Cleo", 0.9, 3000), false, messages));
    EXPECT_TRUE(messages.texts().isEmpty());
    std::vector<BestListDataTyp> entries;
    ASSERT_TRUE(test::ReadBestListTelling(file, false, entries, messages));
    const std::vector<BestListDataTyp> expected = {Entry("Ada", 0.5, 1000), Entry("Bo", 0.7, 2000),
                                                   Entry("Cleo", 0.9, 3000)};
    EXPECT_EQ(entries, expected);
    EXPECT_EQ(test::ReadFileBytes(file), before + EncodeBestListEntry(expected[2]));
}

// An append starts a list whose header was cut short, keeps the field list of an older file
// and leaves a file that is no best list alone.
TEST_F(BestListTest, AppendFollowsTheFileItFinds) {
    const QString torn = path(QStringLiteral("angefangen.hsc"));
    test::WriteFileBytes(torn, BestListFileHeader().left(30));
    ASSERT_TRUE(AppendBestListEntry(torn, Entry("Ada", 0.5, 1000), false, messages));
    EXPECT_EQ(test::ReadFileBytes(torn),
              BestListFileHeader() + EncodeBestListEntry(Entry("Ada", 0.5, 1000)));

    ByteWriter older;
    older.writeText(QStringLiteral("ZWK-HSC-1.00"));
    older.writeText(QStringLiteral("|HSC-Name|HSC-Beginn|HSC-Dauer|HSC-Leistung|"));
    older.writeText(QStringLiteral("Cleo"));
    older.writeDouble(46001.25);
    older.writeInt32(75000);
    older.writeDouble(0.9);
    const QString old = path(QStringLiteral("alt.hsc"));
    test::WriteFileBytes(old, older.bytes());
    ASSERT_TRUE(AppendBestListEntry(old, Entry("Bo", 0.7, 2000), false, messages));
    std::vector<BestListDataTyp> entries;
    ASSERT_TRUE(test::ReadBestListTelling(old, false, entries, messages));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].Name, QStringLiteral("Cleo"));
    EXPECT_EQ(entries[1], (BestListDataTyp{"Bo", QString(), 46000.5, 2000, 0.7}));
    EXPECT_TRUE(messages.texts().isEmpty());

    const QString foreign = path(QStringLiteral("fremd.hsc"));
    test::WriteFileBytes(foreign, "ZWK-HSC-9.99 and more");
    EXPECT_FALSE(AppendBestListEntry(foreign, Entry("Ada", 0.5, 1000), true, messages));
    EXPECT_EQ(test::ReadFileBytes(foreign), QByteArray("ZWK-HSC-9.99 and more"));
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].endsWith(QStringLiteral("Fehlende Schreibzugriffsberechtigung "
                                                            "im Netzwerk")));
}

// A list held by another computer blocks the window no longer than the five tries 100 ms
// apart; a holder that lets go within them is waited for.
TEST_F(BestListTest, LockWaitingStaysWithinTheTries) {
    const QString file = path(QStringLiteral("gesperrt.hsc"));
    ASSERT_TRUE(AppendBestListEntry(file, Entry("Ada", 0.5, 1000), false, messages));
    {
        platform::LockedFile holder;
        ASSERT_TRUE(holder.open(file, platform::LockedFile::Mode::ExclusiveWrite, 0));
        QElapsedTimer timer;
        timer.start();
        EXPECT_FALSE(AppendBestListEntry(file, Entry("Bo", 0.7, 2000), false, messages));
        std::vector<BestListDataTyp> entries;
        EXPECT_FALSE(test::ReadBestListTelling(file, false, entries, messages));
        // Two operations of five tries each, 100 ms apart, with room for a busy machine.
        EXPECT_LT(timer.elapsed(), 1600);
        EXPECT_EQ(messages.texts().size(), 2);
    }
    messages.clear();
    auto holder = std::make_unique<platform::LockedFile>();
    ASSERT_TRUE(holder->open(file, platform::LockedFile::Mode::ExclusiveWrite, 0));
    std::thread release([&holder] {
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        holder->close();
    });
    EXPECT_TRUE(AppendBestListEntry(file, Entry("Bo", 0.7, 2000), false, messages));
    release.join();
    std::vector<BestListDataTyp> entries;
    ASSERT_TRUE(test::ReadBestListTelling(file, false, entries, messages));
    EXPECT_EQ(entries.size(), 2u);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST(BestListRanking, PerformanceThenTimeThenScanOrder) {
    std::vector<BestListDataTyp> list = {Entry("a", 0.85, 6000), Entry("b", 0.85, 5000),
                                         Entry("c", 0.9, 9000), Entry("d", 0.85, 5000),
                                         Entry("e", 0.2, 1)};
    SortBestList(list);
    QStringList names;
    for (const BestListDataTyp& e : list)
        names.append(e.Name);
    EXPECT_EQ(names, QStringList({"c", "b", "d", "a", "e"}));
    EXPECT_EQ(BestListTable({list[0]}),
              QStringLiteral("Pos.\tName\tRechner\tLeistung\tZeit (Min:Sek)\tDatum/Uhrzeit\r\n"
                             "1\tc\tPC-1\t90.0 %\t00:09\t") +
                  BestListDateText(46000.5) + QStringLiteral("\r\n"));
}

TEST(BestListEntries, NamesPathsAndTimes) {
    EXPECT_EQ(RunBestListEntry(QStringLiteral("   "), "PC", 1, 2500, 0.5).Name,
              QStringLiteral("(kein Name)"));
    EXPECT_EQ(RunBestListEntry(QStringLiteral(" Ada "), "PC", 1, 2500, 0.5).Name,
              QStringLiteral(" Ada "));
    EXPECT_EQ(
        IndividualBestListPath(QStringLiteral("/listen/"), QStringLiteral("/a/b/Pflanze.qdr")),
        QStringLiteral("/listen/Pflanze.hsc"));
    EXPECT_EQ(IndividualBestListPath(QStringLiteral("/listen/"), QString()), QString());
    EXPECT_EQ(NetworkBestListPath(QStringLiteral("/netz/"), QStringLiteral("MASTER-1")),
              QStringLiteral("/netz/MASTER-1-zwknetzuebung.hsc"));
}

// Eight computers append 200 results each to one shared list while another reads it.
TEST(BestListReliability, ConcurrentWritersLoseNothingAndReadersSeeNoTornEntry) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("netz.hsc"));
    const QString worker = QStringLiteral(BEST_LIST_WORKER_PATH);
    QProcess reader;
    reader.start(worker, {QStringLiteral("read"), file, QStringLiteral("3000")});
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int w = 0; w < 8; ++w) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->start(worker, {QStringLiteral("append"), file, QStringLiteral("200"),
                                       QStringLiteral("w%1").arg(w)});
    }
    for (auto& writer : writers) {
        ASSERT_TRUE(writer->waitForFinished(60'000));
        EXPECT_EQ(writer->exitCode(), 0) << writer->readAllStandardOutput().toStdString();
    }
    ASSERT_TRUE(reader.waitForFinished(60'000));
    const QString readerOut = QString::fromUtf8(reader.readAllStandardOutput());
    EXPECT_EQ(reader.exitCode(), 0) << readerOut.toStdString();
    EXPECT_TRUE(readerOut.startsWith(QStringLiteral("reads "))) << readerOut.toStdString();
    EXPECT_GT(readerOut.section(QLatin1Char(' '), 1).trimmed().toInt(), 0);

    RecordingMessages messages;
    std::vector<BestListDataTyp> entries;
    ASSERT_TRUE(test::ReadBestListTelling(file, true, entries, messages));
    ASSERT_EQ(entries.size(), 1600u);
    std::set<QString> names;
    for (const BestListDataTyp& e : entries) {
        const int i = e.Name.section(QLatin1Char('-'), 1).toInt();
        EXPECT_EQ(e.Rechner, e.Name.section(QLatin1Char('-'), 0, 0));
        EXPECT_EQ(e.Dauer, i * 1000);
        EXPECT_EQ(e.Beginn, 46000.0 + i);
        names.insert(e.Name);
    }
    EXPECT_EQ(names.size(), 1600u);
}

} // namespace
} // namespace quindor
