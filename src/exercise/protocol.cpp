#include "exercise/protocol.h"

#include "document/document_model.h"
#include "exercise/best_list.h"
#include "exercise/grading.h"

#include <QDateTime>
#include <QStringList>

namespace quindor {

namespace {

QString Line(const QString& label, const QString& value) {
    return label + QLatin1Char('\t') + value + QStringLiteral("\r\n");
}

QString Pick(int index, std::initializer_list<const char*> texts) {
    const auto* it = texts.begin();
    const int last = static_cast<int>(texts.size()) - 1;
    return QString::fromUtf8(it[std::clamp(index, 0, last)]);
}

QString TimeLimitLine(const UebDataTyp& run) {
    QString value;
    switch (run.ZeitLimitIndex) {
    case 1:
        value = QStringLiteral("ja, ") + DurationText(run.ZeitLimitWert);
        break;
    case 2:
        value = QStringLiteral("nein, ohne Uhr");
        break;
    default:
        value = QStringLiteral("nein, mit Uhr");
        break;
    }
    return Line(QStringLiteral("Zeitlimit:"), value);
}

QString Percents(const double* values, int count, int step) {
    QStringList parts;
    for (int i = 0; i < count; ++i)
        parts.append(QString::number(values[i * step] * 100.0, 'f', 1) + QLatin1Char('%'));
    return parts.join(QStringLiteral(" / "));
}

} // namespace

QString DurationText(int seconds) {
    const int s = std::max(0, seconds);
    const int hours = s / 3600;
    const int minutes = s % 3600 / 60;
    QString text;
    if (hours > 0)
        text += QString::number(hours) + QStringLiteral(" Std. ");
    if (minutes > 0 || hours > 0)
        text += QString::number(minutes) + QStringLiteral(" Min. ");
    text += QString::number(s % 60) + QStringLiteral(" Sek.");
    return text.trimmed();
}

QString SettingsBlock(const UebDataTyp& run, const ProtocolFacts& facts) {
    QString block;
    block += Line(QStringLiteral("Datum/Uhrzeit (Beginn):"), BestListDateText(run.StartTime));
    QString name = facts.exerciseKind == Participation::Participant ? run.ParticipantName
                   : facts.exerciseKind == Participation::Initiator
                       ? QStringLiteral("(Initiator der Netzwerk-Übung)")
                       : run.LearnerName;
    if (name.isEmpty())
        name = QStringLiteral("(nicht angegeben)");
    block += Line(QStringLiteral("Teilnehmername:"), name);
    block += Line(QStringLiteral("Rechnername:"), facts.computerName);
    block += Line(QStringLiteral("Rechnerbenutzer:"), facts.userName);
    block += Line(
        QStringLiteral("Übungsart:"),
        Pick(static_cast<int>(facts.exerciseKind),
             {"Individual-Übung", "Teilnahme an Netzwerk-Übung", "Initiierte Netzwerk-Übung"}));
    if (facts.exerciseKind == Participation::Initiator) {
        block += Line(QStringLiteral("Kommunikationsordner:"), facts.commFolder);
        block += Line(QStringLiteral("Kommunikationskanal:"), facts.commChannel);
    }
    block += QStringLiteral("\r\n<tit>Übungseinstellungen\r\n");
    block += Line(QStringLiteral("Titel:"), facts.title);
    block += Line(QStringLiteral("Datei:"), facts.fileName.section(QLatin1Char('/'), -1));
    block +=
        Line(QStringLiteral("Dokumententyp:"), DocumentTypeName(facts.dokTyp, facts.dokUnterTyp));
    block +=
        Line(QStringLiteral("Übungsumfang:"),
             run.RunQueries == run.TotalQueries
                 ? QString::number(run.RunQueries) + QStringLiteral(" Abfragen (komplette Übung)")
                 : QStringLiteral("%1 von %2 Abfragen (Teilwiederholung)")
                       .arg(run.RunQueries)
                       .arg(run.TotalQueries));
    const DocumentTypeRow& type = RowOf(facts.dokTyp);
    const QueryMode mode = static_cast<QueryMode>(run.AbfrageModusItemIndex);
    if (type.queryModes) {
        block += Line(QStringLiteral("Abfragemodus:"),
                      Pick(run.AbfrageModusItemIndex, {"freie Zuordnung in beliebiger Reihenfolge",
                                                       "Einzelabfrage Texte/Bilder",
                                                       "Einzelabfrage Positionen", "Texteingabe"}));
        block += TimeLimitLine(run);
    }
    if (type.family == OptionsFamily::Labelling && mode != QueryMode::Typing) {
        block += Line(QStringLiteral("Verhalten bei richtiger Zuordnung:"),
                      Pick(run.ZuordnungRichtigItemIndex,
                           {"Beschriftung einblenden", "grünes Häkchen setzen"}));
        block += Line(QStringLiteral("Verhalten bei Fehlversuch:"),
                      Pick(run.ZuordnungFalschItemIndex,
                           {"beliebig viele Zuordnungsversuche erlaubt",
                            "rotes Kreuz setzen, keine erneute Zuordnung an dieser Position"}));
        block += Line(
            QStringLiteral("Zuordnungstexte:"),
            Pick(run.ZuordnungstexteItemIndex, {"alphabetisch geordnet", "zufällig gemischt"}));
        block +=
            Line(QStringLiteral("Zuordnungsziele (Positionen):"),
                 Pick(run.ZuordnungszieleItemIndex,
                      {"geordnet nummeriert", "zufällig gemischt nummeriert", "Fragezeichen"}));
    }
    if (type.family == OptionsFamily::Questions) {
        block += Line(QStringLiteral("Abfragemodus:"),
                      Pick(run.ZuordnungFalschItemIndex,
                           {"solange wiederholen, bis jede Frage richtig beantwortet wurde",
                            "jede Frage nur einmal stellen"}));
        block += TimeLimitLine(run);
        block += Line(QStringLiteral("Antwortmöglichkeiten:"),
                      run.ZuordnungstexteItemIndex != 0 ? QStringLiteral("zufällig gemischt")
                      : facts.dokTyp == DocumentType::Questions
                          ? QStringLiteral("alphabetisch geordnet")
                          : QStringLiteral("wie vorgegeben geordnet"));
        block += Line(
            QStringLiteral("Reihenfolge der Fragen:"),
            Pick(run.ZuordnungszieleItemIndex, {"wie vorgegeben geordnet", "zufällig gemischt"}));
    }
    if (run.BewertSkala == 2)
        block += Line(QStringLiteral("Punktegrenzen bzgl. Erfolgsquote:"),
                      Percents(&run.PunkteMinQuote[15], 16, -1));
    else
        block += Line(QStringLiteral("Notengrenzen bzgl. Erfolgsquote:"),
                      Percents(&run.NoteMinQuote[1], run.BewertSkala == 0 ? 6 : 5, 1));
    block += QStringLiteral("\r\n");
    return block;
}

QString ProtocolSummary(const UebDataTyp& run, const ProtocolFacts& facts, bool multipleChoice,
                        const QString& clockLabel, const QString& clockText) {
    const StatisticsTexts texts = StatisticsTextsOf(run, facts.exerciseKind, multipleChoice);
    QString summary = QStringLiteral("<tit>Übungsprotokoll\r\n");
    summary += SettingsBlock(run, facts);
    summary += QStringLiteral("<tit>Statistik-Zusammenfassung\r\n");
    summary += Line(QStringLiteral("Richtig zugeordnet:"), CorrectOfText(run, multipleChoice));
    summary += Line(QStringLiteral("Fehlversuche:"), texts.failed);
    summary += Line(QStringLiteral("Erfolgsquote:"), texts.quota);
    summary += Line(QStringLiteral("Offene Positionen:"), QString::number(run.OpenCount));
    summary += Line(clockLabel == QStringLiteral("Verbleibende Zeit:")
                        ? QStringLiteral("Verbliebene Zeit:")
                        : QStringLiteral("Benötigte Zeit:"),
                    clockText);
    summary += Line(QStringLiteral("Gesamtleistung:"), texts.performance);
    summary += Line(QStringLiteral("Bewertung:"), GradeWord(run.Grade, run.BewertSkala));
    summary += Line(UnitWord(run.BewertSkala) + QLatin1Char(':'), QString::number(run.Grade));
    summary += QStringLiteral("\r\n<tit>Detaillierter Ablauf\r\n");
    return summary;
}

bool IsProtocolHeading(const QString& line) {
    return line.left(5).compare(QLatin1String("<tit>"), Qt::CaseInsensitive) == 0;
}

QString ProtocolHeadingText(const QString& line) {
    return line.mid(5);
}

QString AutoProtocolFileName(const QDateTime& when, const QString& computer, int counter) {
    return when.toString(QStringLiteral("yyyyMMdd-hhmmss")) + QLatin1Char('-') + computer +
           QLatin1Char('-') + QString::number(counter) + QStringLiteral(".rtf");
}

QString MailProtocolFileName(const QDateTime& when, int counter) {
    return QStringLiteral("email-qdrprotokoll-") +
           when.toString(QStringLiteral("yyyyMMdd-hhmmss")) + QLatin1Char('-') +
           QString::number(counter) + QStringLiteral(".rtf");
}

} // namespace quindor
