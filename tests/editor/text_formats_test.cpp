#include "editor/text_parsers.h"

#include <gtest/gtest.h>

namespace quindor {
namespace {

QString Lines(const QString& line, int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(line.arg(i + 1));
    return lines.join(QLatin1Char('\n'));
}

TEST(TextFormats, WhatDoesNotFitIsRefusedNamingItsLine) {
    const struct {
        TextKind kind;
        QString text;
        QString message;
    } refusals[] = {
        {TextKind::GapText, "\n  \r\n", "Der Text ist leer."},
        {TextKind::GapText, "Erste Zeile\nDie Sonne geht im <<Osten auf.",
         "Zeile 2: Eine L\u00fccke wird mit \"<<\" ge\u00f6ffnet, aber in dieser Zeile nicht mit "
         "\">>\" geschlossen."},
        {TextKind::GapText, "Osten>> und <<Westen>>",
         "Zeile 1: \">>\" schlie\u00dft eine L\u00fccke, die nicht ge\u00f6ffnet wurde."},
        {TextKind::GapText, "im <<Osten <<Westen>>",
         "Zeile 1: Eine L\u00fccke wird ge\u00f6ffnet, bevor die vorige mit \">>\" geschlossen "
         "ist."},
        {TextKind::GapText, "im << |Osten>>", "Zeile 1: Eine L\u00fccke hat keine Antwort."},
        {TextKind::GapText, "Ohne L\u00fccke.",
         "Der Text hat keine L\u00fccke; eine L\u00fccke wird als <<Antwort>> geschrieben."},
        {TextKind::GapText, "\u20ac und <<\u03a9>>",
         "Zeile 1: Das Zeichen \"\u03a9\" l\u00e4sst sich in einem Quindor-Dokument nicht "
         "speichern (nur Zeichen aus Windows-1252)."},
        {TextKind::CTest, "Eins. Zwei <<drei>>. Vier.",
         "Zeile 1: Ein C-Test ist Text ohne \"<<\" und \">>\"; die L\u00fccken setzt das Programm "
         "selbst."},
        {TextKind::CTest, "Erster Satz. Letzter Satz.",
         "Der C-Test ergibt keine L\u00fccke: Zwischen dem ersten und dem letzten Satz m\u00fcssen "
         "mindestens zwei W\u00f6rter mit zwei oder mehr Buchstaben stehen."},
        {TextKind::GapTable, "\n" + Lines("Zeile %1\t<<a>>", 17),
         "Zeile 18: Die Tabelle hat mehr als 16 Zeilen."},
        {TextKind::GapTable, Lines("<<%1>>", 13).replace('\n', '\t'),
         "Zeile 1: Die Zeile hat mehr als 12 Spalten."},
        {TextKind::Questions, "Wer? // ich\nFrage ohne Antwort",
         "Zeile 2: Die Antwort fehlt; eine Zeile lautet Frage // Antwort."},
        {TextKind::Questions, " // ich",
         "Zeile 1: Die Frage fehlt; eine Zeile lautet Frage // "
         "Antwort."},
        {TextKind::Choice, "Frage?\n+ ja\n* nein",
         "Zeile 3: Eine Antwort beginnt mit \"+\" (richtig) oder \"-\" (falsch)."},
        {TextKind::Choice, "Frage?\n+ ja\n\n\nZweite Frage?\n- a\n- b",
         "Zeile 5: Die Frage hat keine richtige Antwort (mit \"+\")."},
        {TextKind::Choice, "Frage?\n+ ja\n\nAllein?", "Zeile 4: Die Frage hat keine Antwort."},
        {TextKind::Choice, "Frage?\n+\n- nein", "Zeile 2: Die Antwort ist leer."},
        {TextKind::Choice, "Frage?\n" + Lines("+ %1", 13),
         "Zeile 14: Die Frage hat mehr als 12 Antworten."},
        {TextKind::Cluster, "Obst\nApfel",
         "Zeile 1: Nur ein Korb; eine Cluster-\u00dcbung hat 2 "
         "bis 5 K\u00f6rbe, durch Leerzeilen getrennt."},
        {TextKind::Cluster, "Obst\nApfel\n\nGem\u00fcse",
         "Zeile 4: Der Korb \"Gem\u00fcse\" hat keine K\u00e4rtchen."},
        {TextKind::Cluster, Lines("Korb %1\nKarte", 6).replace("\nKorb", "\n\nKorb"),
         "Zeile 16: Mehr als 5 K\u00f6rbe; eine Cluster-\u00dcbung hat 2 bis 5 K\u00f6rbe."},
        {TextKind::Cluster, "A\n" + Lines("Karte %1", 16) + "\n\nB\nb",
         "Zeile 17: Der Korb \"A\" hat mehr als 15 K\u00e4rtchen."},
        {TextKind::Pairs, "Hund = bellen\nKatze",
         "Zeile 2: Das rechte Element fehlt; die Elemente werden durch einen Tabulator oder \" = "
         "\" getrennt."},
        {TextKind::Pairs, " = bellen", "Zeile 1: Das linke Element fehlt."},
        {TextKind::Pairs, "a\tb\tc", "Zeile 1: Die Zeile hat mehr als zwei Elemente."},
        {TextKind::Pairs, Lines("%1 = eins", 17), "Zeile 17: Mehr als 16 Paare."},
    };
    for (const auto& r : refusals) {
        const Parsed<TextContent> parsed = ParseText(r.kind, r.text);
        ASSERT_FALSE(parsed.ok()) << r.text.toStdString();
        EXPECT_EQ(parsed.Error.message(), r.message) << r.text.toStdString();
    }
}

TEST(TextFormats, CTestGapsTheSecondHalfOfEverySecondWordBetweenFirstAndLastSentence) {
    // Digits and one-letter words are no counted words; "3.5" ends no sentence.
    const Parsed<TextContent> parsed = ParseText(
        TextKind::CTest, QStringLiteral("Heute ist Montag. Ein Hund, eine Katze, x und 3.5 "
                                        "M\u00e4use wohnen hier!\r\nEnde gut, alles gut."));
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(std::get<QString>(*parsed.Value),
              QStringLiteral("Heute ist Montag. Ein Hu<<nd>>, eine Ka<<tze>>, x und 3.5 "
                             "M\u00e4<<use>> wohnen hi<<er>>!\r\nEnde gut, alles gut."));
}

TEST(TextFormats, LineEndsBlankLinesAndSeparatorsAreRead) {
    const Parsed<TextContent> gaps =
        ParseText(TextKind::GapText, QStringLiteral("\n \nIm <<Osten|Orient>>\r\n\r\nEnde\n\n"));
    ASSERT_TRUE(gaps.ok());
    EXPECT_EQ(std::get<QString>(*gaps.Value), QStringLiteral("Im <<Osten|Orient>>\r\n\r\nEnde"));

    const Parsed<TextContent> pairs =
        ParseText(TextKind::Pairs, QStringLiteral("Hund\tbellen\n\n1 + 1 = 2 = zwei\n"));
    ASSERT_TRUE(pairs.ok());
    const auto& p = std::get<std::vector<ElementPair>>(*pairs.Value);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].Right, QStringLiteral("bellen"));
    EXPECT_EQ(p[1].Left, QStringLiteral("1 + 1"));
    EXPECT_EQ(p[1].Right, QStringLiteral("2 = zwei"));

    const Parsed<TextContent> choices =
        ParseText(TextKind::Choice, QStringLiteral("Was?\n +  ja \n-nein"));
    ASSERT_TRUE(choices.ok());
    const ChoiceSource& q = std::get<std::vector<ChoiceSource>>(*choices.Value).at(0);
    ASSERT_EQ(q.Answers.size(), 2u);
    EXPECT_TRUE(q.Answers[0].correct());
    EXPECT_EQ(q.Answers[0].Text, QStringLiteral("ja"));
    EXPECT_FALSE(q.Answers[1].correct());
}

TEST(TextFormats, InputIsUtf8WithoutItsByteOrderMark) {
    const Parsed<QString> text = DecodeInput(QByteArray("\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F"
                                                        "e\n"));
    ASSERT_TRUE(text.ok());
    EXPECT_EQ(*text.Value, QStringLiteral("Gr\u00fc\u00dfe\n"));
    EXPECT_EQ(DecodeInput(QByteArray("gut\r\nGr\xFC\xDF"
                                     "e\n"))
                  .Error.message(),
              QStringLiteral("Zeile 2: Der Text ist nicht in UTF-8 geschrieben."));
}

} // namespace
} // namespace quindor
