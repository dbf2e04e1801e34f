#pragma once

#include "core/program_state.h"
#include "core/random_generator.h"
#include "document/document.h"

#include <QString>

namespace quindor {

// Fields that carry numbers and the covered appearance; answer fields (10) and answer markers
// (24) join while their question is shown.
bool IsNumberedField(const Document& document, int index, int currentQuestion);

// Numbers the query fields: 0 question marks, 1 ordered (top to bottom or alphabetical, by
// the header), 2 random. Sets NumberingMode; recomposing is the caller's.
void SetNumberingMode(Document& document, ProgramState& state, Numbering mode);
// "?" below 1; letters A-Z with an apostrophe per further round for NumArt 1; else the number.
QString NumberLabel(const Document& document, int index);

void CoverAll(Document& document);
void UncoverAll(Document& document);
// A click on a coverable field: covered becomes uncovered, anything else covered.
void ToggleCover(ObjDataTyp& object);

// The question shown after a question button (kinds 12 to 16); the random button never shows
// the current question again when there are at least two.
int QuestionAfterButton(ObjectKind buttonKind, int current, int count, RandomGenerator& random);

} // namespace quindor
