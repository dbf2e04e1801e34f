#pragma once

#include "core/program_state.h"
#include "exercise/best_list.h"
#include "exercise/run_state.h"

#include <QLocale>
#include <QStringList>

#include <array>

namespace quindor {

// The four reports of a participant to the initiator, line by line (the first line names the
// command), and the display texts of the participant states.
inline const QString kTnInit = QStringLiteral("TN-INIT");
inline const QString kTnAktion = QStringLiteral("TN-AKTION");
inline const QString kTnFertig = QStringLiteral("TN-FERTIG");
inline const QString kTnBestlist = QStringLiteral("TN-BESTLIST");

// "aktiv", "fertig", "abgebr." and "timeout" for the states 0 to 3; empty for any other value.
QString ParticipantStateText(int state);

// The join: key, name as typed and the start as a clock time.
QStringList TnInitLines(const QString& key, const QString& name, const QString& startClock);

// What an action message tells about the object just checked; object -1 when the check had no
// single target (typed answers), with state and failures 0.
struct CheckedObject {
    int index = -1;
    int state = 0;
    int failures = 0;
};
// After every checked action: the object, the run's counters (two decimals on multiple-choice
// documents), the clock text and the grade of the total performance.
QStringList TnAktionLines(const QString& key, const CheckedObject& object, RunEnd endState,
                          const QString& startClock, const UebDataTyp& run, bool multipleChoice,
                          const QString& clockText, int grade);
QStringList TnFertigLines(const QString& key, RunEnd endState, const QString& clockText);
// The best-list entry of a finished run; the two reals in the regional settings.
QStringList TnBestlistLines(const QString& key, const BestListDataTyp& entry,
                            const QLocale& locale);

} // namespace quindor
