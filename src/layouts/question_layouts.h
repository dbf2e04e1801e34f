#pragma once

#include "core/program_state.h"
#include "document/document_model.h"
#include "document/layout_dispatch.h"

namespace quindor {

struct Document;

// The question shown stays within 1..AnzFrageNummern: out of range it becomes 1, or -1 when
// the document has no question.
void KeepCurrentQuestionInRange(const HeaderDataTyp& header, ProgramState& state);

// Single-question documents (DokTyp 2) carry their question objects as stored; their layout
// only keeps the question shown in range.
void SingleQuestionLayout(Document& document, ProgramState& state);

// Multiple-choice documents (DokTyp 3): regenerating deletes the controls, labels and
// generated parts and creates them anew from the stored questions (kinds 20, 21), sets
// AnzFrageNummern, renumbers, and, unless a run is going on, covers every answer marker.
// Without regenerating, and in every case at the end, the question shown is kept in range.
// Every answer marker (24) is directly followed by its answer (25 or 27).
void MultipleChoiceLayout(Document& document, bool regenerate, ProgramState& state);

// The numbers of the layout, in page fractions, for margins L, T, R, B.
namespace choice {

// Character size step of a question text of `length` characters: 5 up to 60 characters, one
// smaller for every further 12, never below -1.
int QuestionFsize(qsizetype length);
// The line the answers are centred on.
double CentreLine(const FracRect& margins);
// The middle of the usable width.
double MiddleColumn(const FracRect& margins);
// The distance between two answer rows for `count` answer lines in `rows` rows.
double RowStep(const FracRect& margins, int count, int rows, bool pictureAnswers);
// Card size of the question picture for a picture of the given aspect (width / height).
int QuestionPictureFsize(const FracRect& margins, double aspect);

} // namespace choice

} // namespace quindor
