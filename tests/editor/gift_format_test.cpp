// Moodle's GIFT format: its published examples and edge cases read into documents of the
// types that ask the same way, and documents written back as GIFT that reads in again.
#include "editor/content_text.h"
#include "editor/document_makers.h"
#include "editor/gift_import.h"
#include "editor/gift_writer.h"
#include "layouts/document_layouts.h"

#include "support/solving_run.h"

#include <QRegularExpression>
#include <QTemporaryDir>

namespace quindor {
namespace {

QString ContentOf(const ImportedDocument& d) {
    return ContentTextOf(d.Made)->Text;
}

using Summary = std::tuple<TextKind, QString, int>;

std::vector<Summary> Summaries(const GiftImport& import) {
    std::vector<Summary> all;
    for (const ImportedDocument& d : import.Documents)
        all.emplace_back(d.Kind, d.Titel, d.Questions);
    return all;
}

QStringList Messages(const std::vector<FormatError>& entries) {
    QStringList texts;
    for (const FormatError& e : entries)
        texts.append(e.message());
    return texts;
}

TEST(GiftImport, MoodlesExamplesBecomeDocumentsOfTheirTypesThatRunAsExercises) {
    const QByteArray bytes = test::ReadFileBytes(QStringLiteral(GIFT_EXAMPLES));
    GiftImport import = ImportGiftFile(bytes, QStringLiteral("beispiele.gift"));
    const QString harry = QStringLiteral("harry"), file = QStringLiteral("beispiele");
    EXPECT_EQ(Summaries(import), (std::vector<Summary>{{TextKind::Choice, file, 2},
                                                       {TextKind::GapText, file, 1},
                                                       {TextKind::Pairs, file, 1},
                                                       {TextKind::Choice, harry, 9},
                                                       {TextKind::GapText, harry, 6},
                                                       {TextKind::Questions, harry, 3},
                                                       {TextKind::Pairs, harry, 3}}));
    ASSERT_EQ(import.Documents.size(), 7u);
    EXPECT_EQ(ContentOf(import.Documents[0]),
              "1+1=2\n+ Wahr\n- Falsch\n\nWhat's between orange and green in the spectrum?\n"
              "+ yellow\n- red\n- blue");
    EXPECT_EQ(ContentOf(import.Documents[1]), "Two plus <<two|2>> equals four.");
    EXPECT_EQ(ContentOf(import.Documents[2]), "cat\tcat food\ndog\tdog food");
    const QString choices = ContentOf(import.Documents[3]);
    for (const char* question :
         {"Grant is buried in Grant's tomb.\n- Wahr\n+ Falsch",
          "The sun rises in the east.\n+ Wahr",
          "Difficult question.\n- wrong answer\n+ half credit answer\n+ full credit answer",
          "tomb?\n- No one\n+ Grant\n+ Grant's wife\n- Grant's father",
          "Which answer equals 5?\n- = 2 + 2\n+ = 2 + 3\n- = 2 + 4",
          "GIFT import format?\n- ~\n- =\n- #\n- {\n- }\n+ \\"})
        EXPECT_TRUE(choices.contains(QString::fromUtf8(question))) << question;
    EXPECT_EQ(ContentOf(import.Documents[4]),
              "Grant is <<entombed>> in Grant's tomb.\n"
              "The American holiday of Thanksgiving is celebrated on the <<fourth>> Thursday of "
              "November.\nTwo plus two equals <<four|4>>.\n"
              "The American holiday of Thanksgiving is celebrated on the <<fourth>> Thursday of "
              "November.\nJesus Christ was from <<Nazareth>>.\nJesus Christ was from "
              "<<Nazareth>>.");
    EXPECT_EQ(ContentOf(import.Documents[5]),
              "Who's buried in Grant's tomb? // no one\n"
              "Japanese characters originally came from what country? // China\n"
              "Who's buried in Grant's tomb? // no one");
    EXPECT_EQ(ContentOf(import.Documents[6]),
              "subquestion1\tsubanswer1\nsubquestion2\tsubanswer2\nsubquestion3\tsubanswer3\n"
              "Canada\tOttawa\nItaly\tRome\nJapan\tTokyo\nIndia\tNew Delhi\n"
              "Canada\tOttawa\nItaly\tRome\nJapan\tTokyo");
    std::vector<int> skipped;
    for (const FormatError& e : import.Skipped)
        skipped.push_back(e.Line);
    EXPECT_EQ(skipped, (std::vector<int>{19, 22, 25, 31, 43, 74, 76, 79, 138}));
    EXPECT_EQ(import.Skipped[3].message(),
              "Zeile 31: \"Q8\": Freitext-Frage; kein Dokumenttyp fragt so.");
    const QString nobody = QStringLiteral(
        "\"Who's buried in Grant's tomb?\": Eine Einzelfrage hat eine Antwort; weitere richtige "
        "Antworten weggelassen: nobody");
    EXPECT_EQ(Messages(import.LeftOut),
              QStringList({"Zeile 41: " + nobody, "Zeile 92: " + nobody,
                           "Zeile 98: \"Jesus' hometown\": Antworten mit Teilpunkten "
                           "weggelassen: Bethlehem (25 %), Galilee (50 %)",
                           "Zeile 131: \"Jesus' hometown (Short answer ex.)\": Antworten mit "
                           "Teilpunkten weggelassen: Nazereth (75 %), Bethlehem (25 %)"}));
    EXPECT_TRUE(import.Faults.empty());

    QTemporaryDir dir;
    ASSERT_EQ(WriteImport(import, dir.path()), QString());
    EXPECT_EQ(import.Documents[6].FileName, QStringLiteral("07_harry.qdr"));
    for (const ImportedDocument& d : import.Documents) {
        test::SessionFixture f;
        RegisterLayouts(f.session.layouts(), f.state);
        const QString path = dir.filePath(d.FileName);
        ASSERT_TRUE(f.session.LoadDocument(path, false)) << d.FileName.toStdString();
        EXPECT_TRUE(f.messages.texts().isEmpty());
        for (const test::QueryModeSetting& mode : test::QueryModesOf(d.Made.Header.DokTyp)) {
            ASSERT_TRUE(f.session.LoadDocument(path, false));
            const test::SolvedRun run = test::SolveExercise(f, mode);
            ASSERT_EQ(run.results.size(), 1u) << d.FileName.toStdString();
            EXPECT_EQ(run.results[0].CorrectCount, run.queries) << d.FileName.toStdString();
        }
    }
    // The folder is no longer empty: nothing is written over it.
    EXPECT_EQ(WriteImport(import, dir.path()),
              QStringLiteral("Der Ordner \"%1\" ist nicht leer; die Dokumente werden in einen "
                             "neuen oder leeren Ordner geschrieben.")
                  .arg(dir.path()));
}

TEST(GiftImport, EscapesFormatsWeightsCategoriesAndBrokenQuestions) {
    QStringList pairs, answers;
    for (int i = 1; i <= 17; ++i)
        pairs << QStringLiteral("=L%1 -> R%1").arg(i);
    for (int i = 1; i <= 13; ++i)
        answers << QStringLiteral("~%1").arg(i);
    const QString gift =
        "\xEF\xBB\xBF// Kopf\r\n$CATEGORY: $course$/top/Deutsch/Wortarten\r\n\r\n"
        "::Name \\: mit Doppelpunkt::[html]<p>Welches Wort ist ein <b>Nomen</b>?<br>"
        "W&auml;hle &amp; kreuze an.</p>{\r\n// ein Kommentar\r\n  ~%-50%laufen # falsch\r\n"
        "  ~%50%Haus\r\n  ~%50%Baum ####Nomen schreibt man gro\xC3\x9F.\r\n}\r\n\r\n"
        "Der Hund {=bellt =kl\xC3\xA4"
        "fft ~miaut} laut.\r\n\r\n"
        "Was ergibt 2 \\{+\\} 2?{=vier =4}\r\n\r\n"
        "Offene Klammer {=a\r\n\r\n"
        "Zeile eins\\nZeile zwei {=x} Rest.\r\n\r\n"
        "Ordne zu. {=A -> 1 =B -> 2 = -> 3}\r\n\r\n"
        "Griechisch: {=\xCE\xB1}\r\n\r\n"
        "$CATEGORY: Zahlen\r\nPaare {" +
        pairs.join(' ') +
        "}\r\n\r\n"
        "Viele? {=0 " +
        answers.join(' ') + "}\r\n";
    GiftImport import = ImportGiftFile(gift.toUtf8(), QStringLiteral("x.gift"));
    EXPECT_EQ(import.Note, QString());
    const QString words = QStringLiteral("Wortarten"), numbers = QStringLiteral("Zahlen");
    EXPECT_EQ(Summaries(import), (std::vector<Summary>{{TextKind::Choice, words, 1},
                                                       {TextKind::GapText, words, 2},
                                                       {TextKind::Questions, words, 1},
                                                       {TextKind::Pairs, words, 1},
                                                       {TextKind::Pairs, numbers, 1},
                                                       {TextKind::Pairs, numbers, 1}}));
    ASSERT_EQ(import.Documents.size(), 6u);
    EXPECT_EQ(ContentOf(import.Documents[0]),
              "Welches Wort ist ein Nomen? W\u00e4hle & kreuze an.\n- laufen\n+ Haus\n+ Baum");
    EXPECT_EQ(ContentOf(import.Documents[1]), "Der Hund <<bellt|kl\u00e4"
                                              "fft>> laut.\nZeile eins\nZeile zwei <<x>> Rest.");
    EXPECT_EQ(ContentOf(import.Documents[2]), "Was ergibt 2 {+} 2? // vier");
    EXPECT_EQ(ContentOf(import.Documents[3]), "A\t1\nB\t2");
    EXPECT_EQ(import.Documents[4].Made.Header.Zeilen, 16);
    EXPECT_EQ(ContentOf(import.Documents[5]), "L17\tR17");
    EXPECT_EQ(Messages(import.Faults),
              QStringList{"Zeile 15: \"{\" wird nicht mit \"}\" geschlossen."});
    EXPECT_EQ(Messages(import.Skipped),
              QStringList({"Zeile 21: \"Griechisch:\": Das Zeichen \"\u03b1\" l\u00e4sst "
                           "sich in einem Quindor-Dokument nicht speichern (nur Zeichen aus "
                           "Windows-1252).",
                           "Zeile 26: \"Viele?\": Die Frage hat mehr als 12 Antworten."}));
    EXPECT_EQ(Messages(import.LeftOut),
              QStringList({"Zeile 13: \"Was ergibt 2 {+} 2?\": Eine Einzelfrage hat eine "
                           "Antwort; weitere richtige Antworten weggelassen: 4",
                           "Zeile 19: \"Ordne zu.\": Eine \u00dcber-Kreuz-Zuordnung hat keine "
                           "Ablenker; weggelassen: 3"}));

    // A text without questions is no GIFT; a file in Windows-1252 is read as such.
    EXPECT_EQ(ImportGift(ReadGift(QStringLiteral("Nur Text.\n\nNoch mehr.")), {}, {}).Refusal,
              QStringLiteral("Die Datei enth\u00e4lt keine GIFT-Fragen: Keine Frage hat "
                             "Antworten in { }."));
    EXPECT_EQ(ImportGiftFile(QByteArray("{=a}\0", 5), {}).Refusal,
              QStringLiteral("Die Datei ist keine Textdatei und damit keine GIFT-Datei."));
    const GiftImport latin = ImportGiftFile("Gr\xFC\xDF"
                                            "e? {=ja}",
                                            QStringLiteral("l.gift"));
    EXPECT_EQ(latin.Note, QStringLiteral("Zeile 1 ist nicht in UTF-8 geschrieben; die Datei "
                                         "wurde als Windows-1252 gelesen."));
    EXPECT_EQ(ContentOf(latin.Documents.at(0)), QStringLiteral("Gr\u00fc\u00df"
                                                               "e? // ja"));
}

QStringList Gaps(const QString& gapText) {
    QStringList gaps;
    static const QRegularExpression gap(QStringLiteral("<<(.*?)>>"));
    for (const QRegularExpressionMatch& m : gap.globalMatch(gapText))
        gaps.append(m.captured(1));
    return gaps;
}

TEST(GiftExport, EveryExportableTypeReadsBackToItsQuestionsAndAnswers) {
    const std::pair<TextKind, const char*> made[] = {
        {TextKind::GapText, "Die Sonne geht im <<Osten>> auf und im <<Westen>> unter. Ein "
                            "<B>Klee</B> hat <<vier|4>> Bl\u00e4tter!\nMathe: {1} = <<eins>>."},
        {TextKind::CTest, "Der Igel ist klein. Er lebt im Wald und frisst gern K\u00e4fer. Ende."},
        {TextKind::Questions, "Was ist 2 = 2? // wahr\nHauptstadt: Rom? // ja # nein"},
        {TextKind::Choice, "Welche?\n+ a\n+ b\n+ c\n- d\n\nNur eine?\n- x -> y\n+ y"},
        {TextKind::Pairs, "Hund = bellen\nKatze = miauen\nKuh = muhen"},
        {TextKind::Cluster, "Obst\nApfel\n\nTiere\nHund"}};
    GiftExport out;
    std::vector<Document> documents;
    for (const auto& [kind, text] : made) {
        const QString title = QLatin1String(TextKindRowOf(kind).command);
        documents.push_back(
            *MakeFromText(nullptr, kind, {title, {}, {}}, QString::fromUtf8(text)).Value);
        ExportDocument(documents.back(), title + QStringLiteral(".qdr"), out);
    }
    EXPECT_EQ(out.Notes, QStringList{"cluster.qdr: Cluster-\u00dcbung l\u00e4sst sich nicht als "
                                     "GIFT schreiben; \u00fcbersprungen."});
    for (const char* question :
         {"::lueckentext 01::Die Sonne geht im {=Osten} auf und im Westen unter.",
          "::lueckentext 03::Ein Klee hat {=vier =4} Bl\u00e4tter!",
          "::lueckentext 04::Mathe\\: \\{1\\} \\= {=eins}.",
          "::einzelfragen 01::Was ist 2 \\= 2?{=wahr}",
          "::mc 01::Welche?{\n  ~%33.33333%a\n  ~%33.33333%b\n  ~%33.33334%c\n  ~%-100%d\n}",
          "::mc 02::Nur eine?{\n  ~x -> y\n  =y\n}", "$CATEGORY: zuordnung\n\n::zuordnung 01::"})
        EXPECT_TRUE(out.Text.contains(QString::fromUtf8(question))) << question << "\n"
                                                                    << out.Text.toStdString();

    const GiftImport back = ImportGift(ReadGift(out.Text), {}, {});
    EXPECT_TRUE(back.Skipped.empty() && back.Faults.empty());
    ASSERT_EQ(back.Documents.size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
        const Document& before = documents[i];
        const Document& after = back.Documents[i].Made;
        EXPECT_EQ(after.Header.Titel, before.Header.Titel);
        if (before.Header.DokTyp == DocumentType::GapText)
            EXPECT_EQ(Gaps(after.Header.Lueckentext), Gaps(before.Header.Lueckentext));
        else
            EXPECT_EQ(ContentTextOf(after)->Text, ContentTextOf(before)->Text);
    }
}

} // namespace
} // namespace quindor
