#include "network/initiation.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

namespace quindor {
namespace {

int Add(Document& document, ObjectKind kind, const QString& cap, int frage = -1) {
    return AddObject(document, {.Typ = kind, .Cap = cap, .FrageNummer = frage});
}

TEST(QueryNumbers, LabelledPagesTakeTheNumbersTheViewShows) {
    Document document;
    const int a = Add(document, ObjectKind::QueryLabel, QStringLiteral("Rhein"));
    const int fixed = Add(document, ObjectKind::FixedLabel, QStringLiteral("Titel"));
    const int picture = Add(document, ObjectKind::QueryPicture, QStringLiteral("Burg"));
    const int gap = Add(document, ObjectKind::Gap, QStringLiteral("Main"));
    document.Object(a).Nummer = 3;
    document.Object(fixed).Nummer = 9;
    document.Object(picture).Nummer = 1;
    document.Object(gap).Nummer = 2;
    EXPECT_EQ(AssignQueryNumbers(document, false), (std::vector<int>{3, 0, 1, 2}));
    EXPECT_EQ(NetworkQueryCount(document, false), 3);
    // Typed answers ask no pictures.
    EXPECT_EQ(AssignQueryNumbers(document, true), (std::vector<int>{3, 0, 0, 2}));
    EXPECT_EQ(NetworkQueryCount(document, true), 2);
}

TEST(QueryNumbers, PairsCountOnTheirLeftElement) {
    Document document;
    document.Header.DokTyp = DocumentType::CrossMatching;
    // The right elements that are asked carry the pair numbers. Pair 1 joins two elements
    // that are asked; pair 2 a fixed left element with an asked right one.
    const int left1 = Add(document, ObjectKind::PairText, QStringLiteral("Hund"));
    const int right1 = Add(document, ObjectKind::PairPicture, QString(), 1);
    const int left2 = Add(document, ObjectKind::PairStaticText, QStringLiteral("Katze"));
    const int right2 = Add(document, ObjectKind::PairText, QStringLiteral("miau"), 2);
    document.Object(left1).Partner = right1;
    document.Object(right1).Partner = left1;
    document.Object(left2).Partner = right2;
    document.Object(right2).Partner = left2;
    EXPECT_EQ(AssignQueryNumbers(document, false), (std::vector<int>{1, -1, 2, 0}));
    EXPECT_EQ(SolutionList(document, AssignQueryNumbers(document, false)),
              QStringList({QStringLiteral("   1 - Hund"), QStringLiteral("   2 - Katze")}));
}

TEST(SolutionList, NumbersSortNumericallyAndLettersGoOnWithApostrophes) {
    EXPECT_EQ(SolutionLabel(7, false), QStringLiteral("   7"));
    EXPECT_EQ(SolutionLabel(1, true), QStringLiteral("A"));
    EXPECT_EQ(SolutionLabel(26, true), QStringLiteral("Z"));
    EXPECT_EQ(SolutionLabel(27, true), QStringLiteral("A'"));
    EXPECT_EQ(SolutionLabel(53, true), QStringLiteral("A''"));

    Document document;
    std::vector<int> numbers;
    for (int i = 1; i <= 12; ++i) {
        Add(document, ObjectKind::QueryLabel, QStringLiteral("  Wort\r\n %1 ").arg(13 - i));
        numbers.push_back(13 - i);
    }
    QStringList list = SolutionList(document, numbers);
    ASSERT_EQ(list.size(), 12);
    EXPECT_EQ(list.first(), QStringLiteral("   1 - Wort 1"));
    EXPECT_EQ(list.at(1), QStringLiteral("   2 - Wort 2"));
    EXPECT_EQ(list.last(), QStringLiteral("  12 - Wort 12"));

    document.Header.NumArt = 1;
    numbers.assign(12, 0);
    numbers[0] = 27;
    numbers[1] = 2;
    numbers[2] = 1;
    list = SolutionList(document, numbers);
    EXPECT_EQ(list, QStringList({QStringLiteral("A - Wort 10"), QStringLiteral("A' - Wort 12"),
                                 QStringLiteral("B - Wort 11")}));
}

TEST(SolutionList, MultipleChoiceNamesEveryCorrectAnswer) {
    Document document;
    document.Header.DokTyp = DocumentType::MultipleChoice;
    Add(document, ObjectKind::ChoiceQuestion,
        QStringLiteral("\"Welche sind Säugetiere?\",\"+Wal\r\n-Hai\r\n+Fledermaus\""), 1);
    Add(document, ObjectKind::ChoiceQuestion, QStringLiteral("Frage,\"-a\r\n-b\""), 2);
    Add(document, ObjectKind::ChoiceQuestion, QStringLiteral("\"Ohne Antworten\""), 3);
    EXPECT_EQ(SolutionList(document, AssignQueryNumbers(document, false)),
              QStringList({QStringLiteral("   1 - Wal, Fledermaus"),
                           QStringLiteral("   2 - (keine)"), QStringLiteral("   3 - Antwort")}));
}

TEST(SolutionList, PicturesOfBasketsShowAsPictures) {
    Document document;
    document.Header.DokTyp = DocumentType::Cluster;
    Add(document, ObjectKind::ClusterText, QStringLiteral("Apfel"), 2);
    Add(document, ObjectKind::ClusterPicture, QStringLiteral("Birne"), 1);
    EXPECT_EQ(SolutionList(document, AssignQueryNumbers(document, false)),
              QStringList({QStringLiteral("   1 - (Bild)"), QStringLiteral("   2 - Apfel")}));
}

TEST(InformationText, HasTheSettingsAndTheSolutions) {
    UebDataTyp run;
    run.RunQueries = run.TotalQueries = 2;
    ProtocolFacts facts;
    facts.exerciseKind = Participation::Initiator;
    facts.commFolder = QStringLiteral("/kom/");
    facts.commChannel = QStringLiteral("MASTER-1");
    facts.computerName = QStringLiteral("LEHRER");
    const QString text = NetworkInformationText(
        run, facts, {QStringLiteral("   1 - Rhein"), QStringLiteral("   2 - Main")});
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("<tit>Netzwerk-Übung\r\nDatum/Uhrzeit (Beginn):\t")));
    EXPECT_TRUE(
        text.contains(QStringLiteral("Teilnehmername:\t(Initiator der Netzwerk-Übung)\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Kommunikationskanal:\tMASTER-1\r\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral(
        "<tit>Lösungen\r\nHinweise: Die Nummern dienen zur Zuordnung im Teilnehmerprotokoll am "
        "Lehrer-PC.\r\nWenn in den Übungseinstellungen \"zufällig gemischt\" gewählt wurde, ist "
        "die Nummerierung auf den Teilnehmer-PCs davon abweichend.\r\n1 - Rhein\r\n2 - Main\r\n")));
}

} // namespace
} // namespace quindor
