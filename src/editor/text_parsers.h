#pragma once

#include "editor/text_content.h"
#include "editor/text_input.h"
#include "editor/text_kinds.h"

namespace quindor {

// Reads a text in the format of its kind. Blank lines at the start and the end do not count;
// the lines keep their numbers in the text as given. A text the format does not fit is
// refused with the first fault, naming its line.
Parsed<TextContent> ParseText(TextKind kind, const QString& text);

// The number of gaps of a gap text, the questions, the baskets ...: what the dialog reports.
QString ContentSummary(const TextContent& content);

// The question (from 1) that the given line of a question text belongs to; 0 for the other
// kinds.
int QuestionOfLine(TextKind kind, const QString& text, int line);

} // namespace quindor
