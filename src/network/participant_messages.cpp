#include "network/participant_messages.h"

#include "network/message_formats.h"

namespace quindor {

QString ParticipantStateText(int state) {
    static const std::array<const char*, 4> texts = {"aktiv", "fertig", "abgebr.", "timeout"};
    if (state < 0 || state >= static_cast<int>(texts.size()))
        return QString();
    return QString::fromLatin1(texts[static_cast<size_t>(state)]);
}

QStringList TnInitLines(const QString& key, const QString& name, const QString& startClock) {
    return {kTnInit, key, name, startClock};
}

QStringList TnAktionLines(const QString& key, const CheckedObject& object, RunEnd endState,
                          const QString& startClock, const UebDataTyp& run, bool multipleChoice,
                          const QString& clockText, int grade) {
    const int countDecimals = multipleChoice ? 2 : 0;
    return {kTnAktion,
            key,
            QString::number(object.index),
            QString::number(object.state),
            QString::number(object.failures),
            QString::number(static_cast<int>(endState)),
            startClock,
            QString::number(run.RunQueries),
            FixedText(run.CorrectCount, countDecimals),
            FixedText(run.FailedAttempts, countDecimals),
            QString::number(run.OpenCount),
            clockText,
            FixedText(run.SuccessQuota * 100.0, 1),
            FixedText(run.TotalPerformance * 100.0, 1),
            QString::number(grade)};
}

QStringList TnFertigLines(const QString& key, RunEnd endState, const QString& clockText) {
    return {kTnFertig, key, QString::number(static_cast<int>(endState)), clockText};
}

QStringList TnBestlistLines(const QString& key, const BestListDataTyp& entry,
                            const QLocale& locale) {
    return {kTnBestlist,
            key,
            entry.Name,
            entry.Rechner,
            RealText(entry.Beginn, locale),
            QString::number(entry.Dauer),
            RealText(entry.Leistung, locale)};
}

} // namespace quindor
