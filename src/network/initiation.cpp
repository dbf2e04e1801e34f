#include "network/initiation.h"

#include "exercise/normalised_text.h"
#include "layouts/question_sources.h"

#include <algorithm>

namespace quindor {

namespace {

const std::vector<ObjectKind>& AskedKinds(const Document& document, bool typing) {
    const DocumentTypeRow& row = document.Header.Type();
    return typing && !row.typedQueryKinds.empty() ? row.typedQueryKinds : row.queryKinds;
}

QString SolutionText(const Document& document, const ObjDataTyp& object) {
    const DocumentType type = document.Header.DokTyp;
    if (type == DocumentType::MultipleChoice) {
        QStringList correct;
        for (const ChoiceAnswerLine& answer : ParseChoiceSource(object.Cap).Answers) {
            if (!answer.Empty && answer.correct())
                correct.append(answer.Text);
        }
        return correct.isEmpty() ? QStringLiteral("(keine)") : correct.join(QStringLiteral(", "));
    }
    if ((type == DocumentType::Cluster || type == DocumentType::CrossMatching) &&
        (object.Typ == ObjectKind::ClusterPicture || object.Typ == ObjectKind::PairPicture))
        return QStringLiteral("(Bild)");
    return NormaliseText(object.Cap);
}

} // namespace

int NetworkQueryCount(const Document& document, bool typing) {
    const std::vector<ObjectKind>& kinds = AskedKinds(document, typing);
    const int count = static_cast<int>(
        std::count_if(document.Objects.begin(), document.Objects.end(),
                      [&kinds](const ObjDataTyp& o) { return Contains(kinds, o.Typ); }));
    return document.Header.DokTyp == DocumentType::CrossMatching ? count / 2 : count;
}

std::vector<int> AssignQueryNumbers(const Document& document, bool typing) {
    std::vector<int> numbers(document.Objects.size(), 0);
    const std::vector<ObjectKind>& kinds = AskedKinds(document, typing);
    const DocumentTypeRow& row = document.Header.Type();
    for (size_t i = 0; i < document.Objects.size(); ++i) {
        const ObjDataTyp& o = document.Objects[i];
        if (!Contains(kinds, o.Typ))
            continue;
        if (row.type == DocumentType::CrossMatching) {
            // The element named as partner takes this element's number.
            if (o.Partner >= 0 && o.Partner < document.ObjectCount())
                numbers[static_cast<size_t>(o.Partner)] = o.FrageNummer;
        } else if (row.family == OptionsFamily::Labelling) {
            numbers[i] = o.Nummer;
        } else {
            numbers[i] = o.FrageNummer;
        }
    }
    return numbers;
}

QString SolutionLabel(int q, bool letters) {
    if (letters && q >= 1)
        return QChar(u'A' + (q - 1) % 26) + QString((q - 1) / 26, QLatin1Char('\''));
    return QStringLiteral("%1").arg(q, 4);
}

QStringList SolutionList(const Document& document, const std::vector<int>& queryNumbers) {
    QStringList entries;
    const bool letters = document.Header.NumArt == 1;
    for (size_t i = 0; i < document.Objects.size() && i < queryNumbers.size(); ++i) {
        if (queryNumbers[i] > 0)
            entries.append(SolutionLabel(queryNumbers[i], letters) + QStringLiteral(" - ") +
                           SolutionText(document, document.Objects[i]));
    }
    std::stable_sort(entries.begin(), entries.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return entries;
}

QString NetworkInformationText(const UebDataTyp& run, const ProtocolFacts& facts,
                               const QStringList& solutions) {
    QString text = QStringLiteral("<tit>Netzwerk-Übung\r\n");
    text += SettingsBlock(run, facts);
    text += QStringLiteral(
        "<tit>Lösungen\r\n"
        "Hinweise: Die Nummern dienen zur Zuordnung im Teilnehmerprotokoll am Lehrer-PC.\r\n"
        "Wenn in den Übungseinstellungen \"zufällig gemischt\" gewählt wurde, ist die "
        "Nummerierung auf den Teilnehmer-PCs davon abweichend.\r\n");
    for (const QString& entry : solutions)
        text += entry.trimmed() + QStringLiteral("\r\n");
    return text;
}

} // namespace quindor
