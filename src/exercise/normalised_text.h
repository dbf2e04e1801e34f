#pragma once

#include <QString>

namespace quindor {

// The form in which captions and typed answers are compared and logged: soft hyphens at line
// ends joined, line breaks and runs of blanks folded to single blanks, the ends trimmed. Markup
// stays; the comparison of two normalised texts is exact.
QString NormaliseText(const QString& text);

} // namespace quindor
