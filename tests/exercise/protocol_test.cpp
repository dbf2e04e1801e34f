#include "exercise/protocol.h"

#include <gtest/gtest.h>

namespace quindor {
namespace {

TEST(Protocol, DurationTexts) {
    EXPECT_EQ(DurationText(180), QStringLiteral("3 Min. 0 Sek."));
    EXPECT_EQ(DurationText(45), QStringLiteral("45 Sek."));
    EXPECT_EQ(DurationText(59 * 60 + 59), QStringLiteral("59 Min. 59 Sek."));
    EXPECT_EQ(DurationText(7), QStringLiteral("7 Sek."));
    EXPECT_EQ(DurationText(3605), QStringLiteral("1 Std. 0 Min. 5 Sek."));
}

TEST(Protocol, HeadingsInAnyCaseAndFileNames) {
    EXPECT_TRUE(IsProtocolHeading(QStringLiteral("<TIT>Kommentar")));
    EXPECT_TRUE(IsProtocolHeading(QStringLiteral("<tit>Statistik")));
    EXPECT_FALSE(IsProtocolHeading(QStringLiteral(" <tit>x")));
    EXPECT_EQ(ProtocolHeadingText(QStringLiteral("<TiT>Kommentar")), QStringLiteral("Kommentar"));
    const QDateTime when(QDate(2026, 12, 9), QTime(8, 5, 3));
    EXPECT_EQ(AutoProtocolFileName(when, QStringLiteral("PC-7"), 0),
              QStringLiteral("20261209-080503-PC-7-0.rtf"));
    EXPECT_EQ(AutoProtocolFileName(when, QStringLiteral("PC-7"), 1),
              QStringLiteral("20261209-080503-PC-7-1.rtf"));
    EXPECT_EQ(MailProtocolFileName(when, 2),
              QStringLiteral("email-qdrprotokoll-20261209-080503-2.rtf"));
}

UebDataTyp ScriptedRun() {
    UebDataTyp run;
    run.StartTime = 46000.5;
    run.LearnerName = QStringLiteral("   ");
    run.RunQueries = 3;
    run.TotalQueries = 12;
    run.AbfrageModusItemIndex = 1;
    run.ZeitLimitIndex = 1;
    run.ZeitLimitWert = 7;
    run.ZuordnungszieleItemIndex = 2;
    return run;
}

ProtocolFacts Facts() {
    ProtocolFacts facts;
    facts.computerName = QStringLiteral("PC-7");
    facts.userName = QStringLiteral("lehrer");
    facts.title = QStringLiteral("Sonne");
    facts.fileName = QStringLiteral("/themen/sonne.qdr");
    facts.dokTyp = DocumentType::GapText;
    return facts;
}

TEST(Protocol, SettingsBlockOfAPartialRepeat) {
    EXPECT_EQ(SettingsBlock(ScriptedRun(), Facts()),
              QStringLiteral("Datum/Uhrzeit (Beginn):\t09.12.2025 12:00:00\r\n"
                             "Teilnehmername:\t   \r\n"
                             "Rechnername:\tPC-7\r\n"
                             "Rechnerbenutzer:\tlehrer\r\n"
                             "Übungsart:\tIndividual-Übung\r\n"
                             "\r\n"
                             "<tit>Übungseinstellungen\r\n"
                             "Titel:\tSonne\r\n"
                             "Datei:\tsonne.qdr\r\n"
                             "Dokumententyp:\tLückentext\r\n"
                             "Übungsumfang:\t3 von 12 Abfragen (Teilwiederholung)\r\n"
                             "Abfragemodus:\tEinzelabfrage Texte/Bilder\r\n"
                             "Zeitlimit:\tja, 7 Sek.\r\n"
                             "Verhalten bei richtiger Zuordnung:\tBeschriftung einblenden\r\n"
                             "Verhalten bei Fehlversuch:\tbeliebig viele Zuordnungsversuche "
                             "erlaubt\r\n"
                             "Zuordnungstexte:\talphabetisch geordnet\r\n"
                             "Zuordnungsziele (Positionen):\tFragezeichen\r\n"
                             "Notengrenzen bzgl. Erfolgsquote:\t85.0% / 70.0% / 55.0% / 40.0% / "
                             "25.0% / 0.0%\r\n"
                             "\r\n"));
}

TEST(Protocol, InitiatorPointsScaleAndQuestions) {
    UebDataTyp run = ScriptedRun();
    run.LearnerName.clear();
    run.BewertSkala = 2;
    run.RunQueries = 12;
    ProtocolFacts facts = Facts();
    facts.exerciseKind = Participation::Initiator;
    facts.commFolder = QStringLiteral("/netz/");
    facts.commChannel = QStringLiteral("MASTER-1");
    facts.dokTyp = DocumentType::MultipleChoice;
    const QString block = SettingsBlock(run, facts);
    EXPECT_TRUE(
        block.contains(QStringLiteral("Teilnehmername:\t(Initiator der Netzwerk-Übung)\r\n")));
    EXPECT_TRUE(block.contains(QStringLiteral("Übungsart:\tInitiierte Netzwerk-Übung\r\n"
                                              "Kommunikationsordner:\t/netz/\r\n"
                                              "Kommunikationskanal:\tMASTER-1\r\n")));
    EXPECT_TRUE(block.contains(QStringLiteral("Übungsumfang:\t12 Abfragen (komplette Übung)\r\n")));
    EXPECT_TRUE(block.contains(QStringLiteral(
        "Abfragemodus:\tsolange wiederholen, bis jede Frage richtig beantwortet wurde\r\n"
        "Zeitlimit:\tja, 7 Sek.\r\nAntwortmöglichkeiten:\twie vorgegeben geordnet\r\n")));
    EXPECT_TRUE(block.contains(QStringLiteral("Punktegrenzen bzgl. Erfolgsquote:\t95.0% / 90.0% / "
                                              "85.0%")));
    EXPECT_TRUE(block.endsWith(QStringLiteral("30.0% / 25.0% / 0.0%\r\n\r\n")));

    facts.exerciseKind = Participation::Individual;
    EXPECT_TRUE(SettingsBlock(run, facts)
                    .contains(QStringLiteral("Teilnehmername:\t(nicht angegeben)\r\n")));
}

TEST(Protocol, SummaryWithStatistics) {
    UebDataTyp run = ScriptedRun();
    run.CorrectCount = 2;
    run.FailedAttempts = 1;
    run.OpenCount = 1;
    run.SuccessQuota = 2.0 / 3.0;
    run.TotalPerformance = 0.5;
    run.Grade = 4;
    const QString summary =
        ProtocolSummary(run, Facts(), false, QStringLiteral("Verbleibende Zeit:"), "00:03");
    EXPECT_TRUE(summary.startsWith(QStringLiteral("<tit>Übungsprotokoll\r\nDatum/Uhrzeit")));
    EXPECT_TRUE(summary.endsWith(QStringLiteral("<tit>Statistik-Zusammenfassung\r\n"
                                                "Richtig zugeordnet:\t2  von  3\r\n"
                                                "Fehlversuche:\t1\r\n"
                                                "Erfolgsquote:\t66.7 %\r\n"
                                                "Offene Positionen:\t1\r\n"
                                                "Verbliebene Zeit:\t00:03\r\n"
                                                "Gesamtleistung:\t50.0 %\r\n"
                                                "Bewertung:\tausreichend\r\n"
                                                "Note:\t4\r\n"
                                                "\r\n"
                                                "<tit>Detaillierter Ablauf\r\n")));
}

} // namespace
} // namespace quindor
