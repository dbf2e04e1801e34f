#include "exercise/exercise_texts.h"

#include <QStringList>

#include <algorithm>

namespace quindor {

QString InstructionText(DocumentType type, QueryMode mode) {
    if (!IsKnownType(type))
        return QString();
    const std::vector<const char*>& texts = RowOf(type).instructions;
    const size_t index = std::min(static_cast<size_t>(mode), texts.size() - 1);
    return QString::fromUtf8(texts[index]);
}

QString ClockText(int seconds) {
    const int s = std::max(0, seconds);
    return QStringLiteral("%1:%2")
        .arg(s / 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString Quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

namespace {

QString Join(std::initializer_list<QString> pieces) {
    QStringList list(pieces);
    return list.join(QLatin1Char(' '));
}

} // namespace

QString RightLine(DocumentType type, QueryMode mode, const QString& card, const QString& target) {
    const QString c = Quoted(card);
    const QString t = Quoted(target);
    switch (type) {
    case DocumentType::Labelling:
        if (mode == QueryMode::SingleCard)
            return Join({QStringLiteral("RICHTIG - Text-/Bildkärtchen"), c,
                         QStringLiteral("wird richtig zugeordnet")});
        if (mode == QueryMode::SinglePosition)
            return Join({QStringLiteral("RICHTIG - Der Position von"), t,
                         QStringLiteral("wird das richtige Text-/Bildkärtchen zugeordnet")});
        return Join({QStringLiteral("RICHTIG - Text-/Bildkärtchen"), c,
                     QStringLiteral("wird der richtigen Position zugeordnet")});
    case DocumentType::GapText:
        if (mode == QueryMode::SingleCard)
            return Join({QStringLiteral("RICHTIG - Lückentext"), c,
                         QStringLiteral("wird richtig zugeordnet")});
        if (mode == QueryMode::SinglePosition)
            return Join({QStringLiteral("RICHTIG - Der Lücke"), t,
                         QStringLiteral("wird der richtige Lückentext zugeordnet")});
        return Join({QStringLiteral("RICHTIG - Lückentext"), c,
                     QStringLiteral("wird der richtigen Lücke zugeordnet")});
    case DocumentType::Questions:
        return Join({QStringLiteral("RICHTIG - Gewählte Antwort:"), c});
    case DocumentType::Cluster:
        return Join({QStringLiteral("RICHTIG - Text-/Bildkärtchen"), c,
                     QStringLiteral("wird dem richtigen Korb zugeordnet")});
    case DocumentType::CrossMatching:
        return Join({QStringLiteral("RICHTIG -"), c, QStringLiteral("wird mit"), t,
                     QStringLiteral("verbunden")});
    default:
        return QString();
    }
}

QString WrongLine(DocumentType type, QueryMode mode, const QString& card, const QString& target) {
    const QString c = Quoted(card);
    const QString t = Quoted(target);
    switch (type) {
    case DocumentType::Labelling:
        if (mode == QueryMode::SinglePosition)
            return Join({QStringLiteral("FALSCH - Der Position von"), t,
                         QStringLiteral("wird das Text-/Bildkärtchen"), c,
                         QStringLiteral("zugeordnet")});
        return Join({QStringLiteral("FALSCH - Text-/Bildkärtchen"), c,
                     QStringLiteral("wird der Position von"), t, QStringLiteral("zugeordnet")});
    case DocumentType::GapText:
        if (mode == QueryMode::SinglePosition)
            return Join({QStringLiteral("FALSCH - Der Lücke"), t,
                         QStringLiteral("wird der Lückentext"), c, QStringLiteral("zugeordnet")});
        return Join({QStringLiteral("FALSCH - Lückentext"), c, QStringLiteral("wird der Lücke von"),
                     t, QStringLiteral("zugeordnet")});
    case DocumentType::Questions:
        return Join({QStringLiteral("FALSCH - Gewählte Antwort:"), c});
    case DocumentType::Cluster:
        return Join({QStringLiteral("FALSCH - Text-/Bildkärtchen"), c,
                     mode == QueryMode::SingleCard
                         ? QStringLiteral("wird dem falschen Korb  zugeordnet")
                         : QStringLiteral("wird dem falschen Korb zugeordnet")});
    case DocumentType::CrossMatching:
        return Join({QStringLiteral("FALSCH -"), c, QStringLiteral("wird mit"), t,
                     QStringLiteral("verbunden")});
    default:
        return QString();
    }
}

QString PresentCardLine(DocumentType type, const QString& caption) {
    const QString c = Quoted(caption);
    if (type == DocumentType::GapText)
        return Join({QStringLiteral("Lückentext"), c,
                     QStringLiteral("soll der richtigen Lücke zugeordnet werden")});
    if (type == DocumentType::Cluster)
        return Join({QStringLiteral("Text-/Bildkärtchen"), c,
                     QStringLiteral("soll dem richtigen Korb zugeordnet werden")});
    return Join({QStringLiteral("Text-/Bildkärtchen"), c,
                 QStringLiteral("soll der richtigen Position zugeordnet werden")});
}

QString PresentPositionLine(DocumentType type, const QString& caption) {
    const QString c = Quoted(caption);
    if (type == DocumentType::GapText)
        return Join({QStringLiteral("Der Lücke"), c,
                     QStringLiteral("soll der richtige Lückentext zugeordnet werden")});
    return Join({QStringLiteral("Der Position"), c,
                 QStringLiteral("soll das richtige Text- oder Bildkärtchen zugeordnet werden")});
}

QString QuestionHeadLine(int number, const QString& question) {
    return QStringLiteral("Frage Nr. %1\r\n").arg(number) + question;
}

QString AnswerOptionsLine(const std::vector<AnswerOption>& answers, const QString& solutionMark) {
    QStringList items;
    for (const AnswerOption& a : answers)
        items.append(Quoted(a.caption) + (a.solution ? solutionMark : QString()));
    return Join({QStringLiteral("Antwortmöglichkeiten:"), items.join(QStringLiteral(", "))});
}

QString ChoiceVerdictLines(bool right, const QStringList& ticked, const TickCount& ticks) {
    QStringList items;
    for (const QString& text : ticked)
        items.append(Quoted(text));
    const QString chosen =
        items.isEmpty() ? QStringLiteral("- keine -") : items.join(QStringLiteral(", "));
    const QString verdict =
        right ? QStringLiteral("RICHTIG - Gewählte Antwort(en):")
              : QStringLiteral("FALSCH bzw. NICHT KOMPLETT RICHTIG - Gewählte Antwort(en):");
    return Join({verdict, chosen}) + QStringLiteral("\r\n") +
           Join({QStringLiteral("Häkchen - richtig:"), QString::number(ticks.right),
                 QStringLiteral("- falsch:"), QString::number(ticks.wrong),
                 QStringLiteral("- fehlend:"), QString::number(ticks.missing)});
}

} // namespace quindor
