#include "core/activity_guard.h"

namespace quindor {

bool MayLeaveCurrentActivity(const ProgramState& state, Messages& messages) {
    QString question;
    if (state.ViewMode == Mode::Exercise && state.ExerciseEndState == RunEnd::Running)
        question = QStringLiteral("Die aktuelle \u00dcbung ist noch nicht beendet.\r\n"
                                  "\u00dcbung wirklich abbrechen?");
    else if (state.ViewMode == Mode::Puzzle)
        question = QStringLiteral("Das aktuelle Schiebepuzzle ist noch nicht gel\u00f6st.\r\n"
                                  "\u00dcbung wirklich abbrechen?");
    if (question.isEmpty())
        return true;
    // The run goes on unless the abort is chosen on purpose.
    return messages.question(question, MessageButtons::YesNo, Answer::No) == Answer::Yes;
}

} // namespace quindor
