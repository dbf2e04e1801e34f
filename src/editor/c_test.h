#pragma once

#include <QString>

namespace quindor {

// The second, fourth, sixth ... word of two or more letters loses its second half to a gap:
// of n letters the last ceil(n/2). A word is a run of letters; digits, punctuation and the
// markup tags stay outside the gaps.
QString GapEverySecondWord(const QString& text);

// The C-test of a plain text: its first and last sentence stay whole, and the words between
// them are counted on from the first word of the second sentence. A sentence ends at ".", "!"
// or "?" followed by a blank, a line break or the end of the text.
QString MakeCTest(const QString& text);

// A gap text with every gap replaced by its first answer: the plain text of a C-test.
QString RemoveGaps(const QString& gapText);

} // namespace quindor
