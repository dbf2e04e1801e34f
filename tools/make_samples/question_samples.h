#pragma once

#include "make_samples/sample_documents.h"

namespace quindor::samples {

// Single questions about plants, with their question objects as the authoring tool stores them.
NamedDocument SingleQuestionsDocument();
// Multiple choice on traffic signs: text answers, most questions with the sign as picture.
NamedDocument SignQuizDocument();
// Multiple choice with picture answers in two columns.
NamedDocument PictureChoiceDocument();

} // namespace quindor::samples
