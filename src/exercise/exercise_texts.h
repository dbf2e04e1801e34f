#pragma once

#include "core/program_state.h"
#include "document/document_type.h"
#include "exercise/exercise_surface.h"

#include <QString>

namespace quindor {

// The instruction of the exercise panel for a document type and query mode.
QString InstructionText(DocumentType type, QueryMode mode);
// "mm:ss", minutes with two digits or more.
QString ClockText(int seconds);
// x in straight double quotes.
QString Quoted(const QString& text);

// Detail lines of a checked assignment (card and target as normalised captions), for the
// document types whose cards are assigned to positions, answers or baskets, and for joined
// elements.
QString RightLine(DocumentType type, QueryMode mode, const QString& card, const QString& target);
QString WrongLine(DocumentType type, QueryMode mode, const QString& card, const QString& target);

// Detail lines of the presentation of a single card or a single position.
QString PresentCardLine(DocumentType type, const QString& caption);
QString PresentPositionLine(DocumentType type, const QString& caption);

// One answer offered with a question, and whether it is (one of) the solution(s).
struct AnswerOption {
    QString caption;
    bool solution = false;
};
// The presentation of a question: "Frage Nr.", its number, and the question on a line of its
// own; then the answers offered, each quoted, the solutions marked.
QString QuestionHeadLine(int number, const QString& question);
QString AnswerOptionsLine(const std::vector<AnswerOption>& answers, const QString& solutionMark);
// The two lines of a checked multiple-choice answer: the answers ticked ("- keine -" for none)
// and the tick counts.
QString ChoiceVerdictLines(bool right, const QStringList& ticked, const TickCount& ticks);

} // namespace quindor
