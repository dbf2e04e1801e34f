#include "tools/tool_process.h"

#include "document/document_writer.h"
#include "exercise/best_list.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quindor {
namespace {

const QString kTool = QStringLiteral(QUINDOR_DOC_PATH);

test::ToolRun Doc(const QStringList& args) {
    return test::RunTool(kTool, args);
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class QuindorDocTool : public ::testing::Test {
protected:
    void SetUp() override {
        Document d;
        d.Header.DokTyp = DocumentType::GapText;
        d.Header.Titel = QStringLiteral("Lesen");
        d.Header.Lueckentext = QStringLiteral("Ein <<Satz>>.");
        d.BaseImage.Image = test::PatternImage(30, 20);
        AddObject(d, {.Typ = ObjectKind::QueryLabel,
                      .Ebene = 1,
                      .Cap = QStringLiteral("eins"),
                      .FrageNummer = -1,
                      .Kx = 0.2,
                      .Ky = 0.2,
                      .KAusr = 1,
                      .Fsize = 0});
        AddObject(d, {.Typ = ObjectKind::QueryLabel,
                      .Ebene = 1,
                      .Cap = QStringLiteral("zwei"),
                      .FrageNummer = -1,
                      .Kx = 0.4,
                      .Ky = 0.4,
                      .KAusr = 1,
                      .Fsize = 0});
        AddObject(d, {.Typ = ObjectKind::InfoPoint,
                      .Ebene = 2,
                      .Cap = QStringLiteral("<B>Info</B>"),
                      .FrageNummer = -1,
                      .Kx = 0.6,
                      .Ky = 0.6,
                      .KAusr = 1,
                      .Fsize = 0});
        good = dir.filePath(QStringLiteral("gut.qdr"));
        goodBytes = WriteDocumentBytes(d);
        WriteFile(good, goodBytes);
    }

    QTemporaryDir dir;
    QString good;
    QByteArray goodBytes;
};

TEST_F(QuindorDocTool, CheckReportsEachFileWithTheLoaderMessages) {
    const QString missing = dir.filePath(QStringLiteral("fehlt.qdr"));
    const QString bad = dir.filePath(QStringLiteral("falsch.qdr"));
    QByteArray badBytes = goodBytes;
    badBytes.replace(4, 4, "XYZ-");
    WriteFile(bad, badBytes);

    const test::ToolRun run = Doc({QStringLiteral("check"), good, missing, bad});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, good + QStringLiteral(": OK\n") + missing + QStringLiteral(":\n") +
                           QStringLiteral("  Die Datei \"") + missing +
                           QStringLiteral("\" existiert nicht.\n") + bad + QStringLiteral(":\n") +
                           QStringLiteral("  Ung\u00fcltiges Dateiformat.\n"
                                          "  Die Datei \"") +
                           bad +
                           QStringLiteral("\" kann nicht gelesen werden. M\u00f6gliche Ursachen:\n"
                                          "  - Datei existiert nicht\n"
                                          "  - Ung\u00fcltiges Dateiformat\n"
                                          "  - Fehlende Lesezugriffsberechtigung im Netzwerk\n"));

    EXPECT_EQ(Doc({QStringLiteral("check"), good}).exitCode, 0);
}

TEST_F(QuindorDocTool, CheckTakesTheDocumentsOfAFolderInNameOrder) {
    QDir folder(dir.path());
    folder.mkdir(QStringLiteral("thema"));
    const QString topic = dir.filePath(QStringLiteral("thema"));
    for (const char* name : {"c.zwk", "B.QDR", "a.qdr", "notiz.txt"})
        WriteFile(topic + QLatin1Char('/') + QLatin1String(name), goodBytes);

    const test::ToolRun run = Doc({QStringLiteral("check"), topic});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, topic + QStringLiteral("/a.qdr: OK\n") + topic +
                           QStringLiteral("/B.QDR: OK\n") + topic + QStringLiteral("/c.zwk: OK\n"));
}

TEST_F(QuindorDocTool, RewriteReproducesTheFileAndFailsOnAMissingOne) {
    const QString copy = dir.filePath(QStringLiteral("kopie.zwk"));
    EXPECT_EQ(Doc({QStringLiteral("rewrite"), good, copy}).exitCode, 0);
    EXPECT_EQ(ReadFile(copy), goodBytes);

    const QString missing = dir.filePath(QStringLiteral("fehlt.qdr"));
    const test::ToolRun run = Doc({QStringLiteral("rewrite"), missing, copy});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
              QStringLiteral("Die Datei \"") + missing + QStringLiteral("\" existiert nicht.\n"));
}

TEST_F(QuindorDocTool, InfoAndDumpDescribeTheDocument) {
    const test::ToolRun info = Doc({QStringLiteral("info"), good});
    EXPECT_EQ(info.exitCode, 0);
    EXPECT_TRUE(info.out.contains(QStringLiteral("Dokumenttyp: L\u00fcckentext (DokTyp 1")));
    EXPECT_TRUE(info.out.contains(QStringLiteral("Titel:       Lesen\n")));
    EXPECT_TRUE(info.out.contains(QStringLiteral("Objekte:     3\n")));
    EXPECT_TRUE(info.out.contains(QStringLiteral("  Typ 0 (Abfragetext): 2\n")));

    const test::ToolRun dump = Doc({QStringLiteral("dump"), good});
    EXPECT_EQ(dump.exitCode, 0);
    const QJsonObject json = QJsonDocument::fromJson(dump.out.toUtf8()).object();
    // The dump shows the document as loaded: with the gap object its layout created.
    const QJsonArray objects = json["objects"].toArray();
    ASSERT_EQ(objects.size(), 4);
    EXPECT_EQ(objects.last().toObject()["Typ"].toInt(), 3);
    EXPECT_EQ(objects.last().toObject()["Cap"].toString(), QStringLiteral("Satz"));
    EXPECT_EQ(json["header"].toObject()["FileName"].toString(), good);
}

// A multiple-choice layout can be checked from the command line: the dump lists the objects
// the load generated, with the fields the view and the runs work with.
TEST_F(QuindorDocTool, DumpShowsGeneratedObjectsWithTheirWorkingFields) {
    Document d;
    d.Header.DokTyp = DocumentType::MultipleChoice;
    d.Header.EinrueckRand = DefaultEinrueckRand(DocumentType::MultipleChoice);
    d.BaseImage.Image = test::PatternImage(30, 20);
    AddObject(d, {.Typ = ObjectKind::ChoiceQuestion,
                  .Ebene = 1,
                  .Cap = QStringLiteral("\"Wie viele?\",\"+drei\r\n-vier\""),
                  .FrageNummer = 1,
                  .Kx = 0,
                  .Ky = 0,
                  .KAusr = 1,
                  .Fsize = 0});
    const QString file = dir.filePath(QStringLiteral("mc.qdr"));
    WriteFile(file, WriteDocumentBytes(d));

    const test::ToolRun dump = Doc({QStringLiteral("dump"), file});
    ASSERT_EQ(dump.exitCode, 0) << dump.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(dump.out.toUtf8()).object();
    EXPECT_EQ(json["currentQuestion"].toInt(), 1);
    EXPECT_EQ(json["header"].toObject()["AnzFrageNummern"].toInt(), 1);
    // Source, five controls, header, question, two markers with their answers, "OK".
    const QJsonArray objects = json["objects"].toArray();
    ASSERT_EQ(objects.size(), 13);
    const QJsonObject marker = objects[8].toObject();
    EXPECT_EQ(KindFromStored(marker["Typ"].toInt()), ObjectKind::ChoiceMarker);
    EXPECT_EQ(marker["Cap"].toString(), QStringLiteral("+"));
    EXPECT_EQ(marker["State"].toInt(), -1);
    EXPECT_EQ(marker["Nummer"].toInt(), 1);
    EXPECT_EQ(marker["AntwortAnz"].toInt(), 2);
    EXPECT_EQ(marker["FixedWidth"].toDouble(), -1.0);
    EXPECT_EQ(marker["FixedHeight"].toDouble(), -1.0);
    EXPECT_TRUE(marker.contains("Partner"));
    EXPECT_EQ(marker["Picture"].toObject(), (QJsonObject{{"width", 65}, {"height", 65}}));
    EXPECT_DOUBLE_EQ(marker["Ky"].toDouble(), 0.51 - 0.075);
    EXPECT_EQ(objects[12].toObject()["Cap"].toString(), QStringLiteral("OK"));

    const test::ToolRun info = Doc({QStringLiteral("info"), file});
    EXPECT_TRUE(info.out.contains(QStringLiteral("  Typ 24 (Antwortk\u00e4stchen): 2\n")))
        << info.out.toStdString();
}

// The tool reports the font the program really draws in, and the stored one it replaced.
TEST_F(QuindorDocTool, InfoNamesTheFontTheDocumentIsDrawnIn) {
    Document d;
    d.FontName = QStringLiteral("Nirgendwo Sans");
    d.BaseImage.Image = test::PatternImage(30, 20);
    const QString file = dir.filePath(QStringLiteral("schrift.qdr"));
    WriteFile(file, WriteDocumentBytes(d));
    const test::ToolRun info = Doc({QStringLiteral("info"), file});
    EXPECT_EQ(info.exitCode, 0);
    const QString line = info.out.section(QLatin1Char('\n'), 5, 5);
    EXPECT_TRUE(line.startsWith(QStringLiteral("Schrift:     Arial"))) << line.toStdString();
    EXPECT_TRUE(
        line.endsWith(QStringLiteral("; im Dokument: Nirgendwo Sans (hier nicht installiert)")))
        << line.toStdString();
}

TEST(QuindorDocUsage, WrongCommandsGiveTheUsageAndStatusTwo) {
    const QList<QStringList> wrong = {{},
                                      {QStringLiteral("info")},
                                      {QStringLiteral("dump"), "a", "b"},
                                      {QStringLiteral("rewrite"), "a"},
                                      {QStringLiteral("check")},
                                      {QStringLiteral("tanzen"), "a"}};
    for (const QStringList& args : wrong) {
        const test::ToolRun run = Doc(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("Aufruf:")));
        EXPECT_TRUE(run.out.isEmpty());
    }
    const test::ToolRun help = Doc({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Aufruf:")));
}

} // namespace
} // namespace quindor

namespace quindor {
namespace {

TEST_F(QuindorDocTool, BestListPrintsTheRankedTable) {
    const QString file = dir.filePath(QStringLiteral("pflanze.hsc"));
    RecordingMessages messages;
    ASSERT_TRUE(AppendBestListEntry(
        file, {QStringLiteral("Bo"), QStringLiteral("PC-2"), 46000.5, 5000, 0.85}, false,
        messages));
    ASSERT_TRUE(AppendBestListEntry(
        file, {QStringLiteral("Ada"), QStringLiteral("PC-1"), 46000.25, 75000, 0.9}, false,
        messages));
    const test::ToolRun run = Doc({QStringLiteral("bestlist"), file});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out,
              QStringLiteral("Pos.\tName\tRechner\tLeistung\tZeit (Min:Sek)\tDatum/Uhrzeit\r\n"
                             "1\tAda\tPC-1\t90.0 %\t01:15\t09.12.2025 06:00:00\r\n"
                             "2\tBo\tPC-2\t85.0 %\t00:05\t09.12.2025 12:00:00\r\n"));

    const QString missing = dir.filePath(QStringLiteral("fehlt.hsc"));
    const test::ToolRun none = Doc({QStringLiteral("bestlist"), missing});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.err.startsWith(QStringLiteral("Die Datei \"") + missing +
                                    QStringLiteral("\" kann nicht gelesen werden.")));
    test::WriteFileBytes(file, QByteArray("kaputt"));
    EXPECT_EQ(Doc({QStringLiteral("bestlist"), file}).exitCode, 1);
}

// "new": a document from a text file, refused with the faulty line and nothing written.
TEST(QuindorDocNew, MakesADocumentOrRefusesTheFaultyLine) {
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("fragen.txt"));
    const QString out = dir.filePath(QStringLiteral("Fragen.qdr"));
    WriteFile(text, QByteArray("Was?\r\n+ dies\r\n- das\r\n\r\nWer?\r\n- du\r\n"));
    const test::ToolRun refused = Doc({QStringLiteral("new"), QStringLiteral("mc"), out, text});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err,
              QStringLiteral("Zeile 5: Die Frage hat keine richtige Antwort (mit \"+\").\n"));
    EXPECT_FALSE(QFile::exists(out));

    WriteFile(text, QByteArray("Was?\n+ dies\n- das\n"));
    const test::ToolRun made = Doc({QStringLiteral("new"), QStringLiteral("mc"), out,
                                    QStringLiteral("--autor"), QStringLiteral("Frau M."), text});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    EXPECT_EQ(Doc({QStringLiteral("check"), out}).exitCode, 0);
    const QString info = Doc({QStringLiteral("info"), out}).out;
    EXPECT_TRUE(info.contains(QStringLiteral("Titel:       Fragen\n")));
    EXPECT_TRUE(info.contains(QStringLiteral("Autor:       Frau M.\n")));

    const test::ToolRun help = Doc({QStringLiteral("new"), QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* kind :
         {"lueckentext", "ctest", "lueckentabelle", "einzelfragen", "mc", "cluster", "zuordnung"})
        EXPECT_TRUE(help.out.contains(QLatin1String(kind) + QStringLiteral(" ("))) << kind;
}

// Moodle's examples into a folder whose documents check and print; a folder not empty is
// refused; the folder back out as GIFT.
TEST(QuindorDocGift, ImportsIntoAnEmptyFolderOnlyAndExportsItsQuestions) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("moodle"));
    const QStringList import{QStringLiteral("import"), QStringLiteral(GIFT_EXAMPLES), folder};
    const test::ToolRun imported = Doc(import);
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.out.contains(QStringLiteral("07_harry.qdr: \u00dcber-Kreuz-Zuordnung, 3 "
                                                     "Frage(n), 10 Paar(e)\n")));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 7);
    EXPECT_EQ(Doc({QStringLiteral("check"), folder}).exitCode, 0);
    const QString sheets = dir.filePath(QStringLiteral("blaetter.pdf"));
    EXPECT_EQ(Doc({QStringLiteral("worksheet"), folder, sheets}).exitCode, 0);
    EXPECT_TRUE(ReadFile(sheets).startsWith("%PDF"));

    const test::ToolRun again = Doc(import);
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_EQ(again.err, QStringLiteral("Der Ordner \"%1\" ist nicht leer; die Dokumente werden in "
                                        "einen neuen oder leeren Ordner geschrieben.\n")
                             .arg(folder));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 7);

    const QString gift = dir.filePath(QStringLiteral("aus.gift"));
    const test::ToolRun exported = Doc({QStringLiteral("export"), folder, gift});
    EXPECT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_TRUE(exported.out.contains(QStringLiteral("22 Frage(n) aus 6 Dokument(en):\n")));
    EXPECT_TRUE(ReadFile(gift).startsWith("// 01_moodle_examples.qdr\n$CATEGORY: moodle_examples"));
    const QString missing = dir.filePath(QStringLiteral("fehlt.qdr"));
    const test::ToolRun none = Doc({QStringLiteral("export"), missing, gift});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.err, QStringLiteral("Die Datei \"%1\" existiert nicht.\n").arg(missing));
}

} // namespace
} // namespace quindor
