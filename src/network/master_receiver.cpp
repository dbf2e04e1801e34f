#include "network/master_receiver.h"

#include "exercise/best_list.h"
#include "network/envelope.h"
#include "network/message_formats.h"
#include "network/participant_messages.h"

namespace quindor {

namespace {

// More failures than this show as this many: a mark stays a mark.
constexpr int kMaxFailureMarks = 99;

// What a run can send for its best-list entry: a performance between 0 and 1, at most a day's
// duration, a start the list can show as a date and names of a sane length.
bool IsRunResult(const BestListDataTyp& entry) {
    constexpr qsizetype kLongestName = 255;
    return entry.Leistung >= 0.0 && entry.Leistung <= 1.0 && entry.Dauer >= 0 &&
           entry.Dauer <= 86'400'000 && IsBestListDate(entry.Beginn) &&
           entry.Name.size() <= kLongestName && entry.Rechner.size() <= kLongestName;
}

} // namespace

void MasterReceiver::reset(std::vector<int> queryNumbers) {
    keys_.clear();
    rows_.clear();
    queryNumbers_ = std::move(queryNumbers);
    tooManyTold_ = false;
}

int MasterReceiver::rowOf(const QString& key) const {
    return rows_.value(key, -1);
}

bool MasterReceiver::receive(const QString& computerName, const QString& text) {
    const QStringList lines = SplitMessageLines(text);
    const QString command = lines.value(0);
    if (command == kTnInit) {
        if (keys_.size() >= kMaxParticipants) {
            if (!tooManyTold_)
                messages_.warning(QStringLiteral("Die Kontrollanzeige nimmt höchstens %1 "
                                                 "Teilnehmer auf. Weitere Anmeldungen werden "
                                                 "nicht angezeigt.")
                                      .arg(kMaxParticipants));
            tooManyTold_ = true;
            return true;
        }
        keys_.append(lines.value(1));
        const int n = static_cast<int>(keys_.size());
        rows_.insert(lines.value(1), rows_.value(lines.value(1), n));
        grid_.growTo(n + 1);
        grid_.setCell(0, n, QString::number(n));
        grid_.setCell(1, n, computerName);
        grid_.setCell(2, n, lines.value(2));
        grid_.setCell(3, n, ParticipantStateText(0));
        grid_.setCell(4, n, lines.value(3));
        return true;
    }
    if (command == kTnAktion) {
        const int row = rowOf(lines.value(1));
        return row < 0 || action(row, lines);
    }
    if (command == kTnFertig) {
        const int row = rowOf(lines.value(1));
        if (row < 0)
            return true;
        const QString state = ParticipantStateText(LenientInteger(lines.value(2)));
        if (state.isEmpty())
            return false;
        grid_.setCell(3, row, state);
        grid_.setCell(5, row, lines.value(3));
        return true;
    }
    if (command == kTnBestlist)
        return bestList(lines);
    return true;
}

bool MasterReceiver::action(int row, const QStringList& lines) {
    const QString state = ParticipantStateText(LenientInteger(lines.value(5)));
    if (state.isEmpty())
        return false;
    grid_.setCell(3, row, state);
    grid_.setCell(4, row, lines.value(6));
    grid_.setCell(5, row, lines.value(11));
    grid_.setCell(6, row, lines.value(7));
    grid_.setCell(7, row, lines.value(8));
    grid_.setCell(8, row, lines.value(9));
    grid_.setCell(9, row, lines.value(12) + QStringLiteral(" %"));
    grid_.setCell(10, row, lines.value(10));
    grid_.setCell(11, row, lines.value(13) + QStringLiteral(" %"));
    grid_.setCell(12, row, lines.value(14));
    const std::optional<int32_t> object = StrictInteger(lines.value(2));
    if (!object)
        return false;
    if (*object < 0 || *object >= static_cast<int>(queryNumbers_.size()))
        return true;
    const int q = queryNumbers_[static_cast<size_t>(*object)];
    const int failures = std::clamp(LenientInteger(lines.value(4)), 0, kMaxFailureMarks);
    QString mark(failures, QLatin1Char('f'));
    if (lines.value(3) == QStringLiteral("0") || lines.value(3) == QStringLiteral("-2"))
        mark += QStringLiteral(" ok");
    if (q > 0)
        grid_.setCell(q + ControlGrid::kFirstQueryColumn - 1, row, mark.trimmed());
    return true;
}

bool MasterReceiver::bestList(const QStringList& lines) {
    const std::optional<double> beginn = StrictReal(lines.value(4));
    const std::optional<int32_t> dauer = StrictInteger(lines.value(5));
    const std::optional<double> leistung = StrictReal(lines.value(6));
    if (!beginn || !dauer || !leistung)
        return false;
    const BestListDataTyp entry{lines.value(2), lines.value(3), *beginn, *dauer, *leistung};
    if (!IsRunResult(entry))
        return false;
    if (appendBestList_)
        appendBestList_(entry);
    return true;
}

} // namespace quindor
