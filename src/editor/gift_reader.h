#pragma once

#include "editor/text_input.h"

#include <QString>

#include <vector>

namespace quindor {

// The question types of Moodle's GIFT format, as the answers in braces tell them apart.
enum class GiftKind {
    MultipleChoice, // "~" answers, or "=" and "~" mixed
    TrueFalse,      // {T}, {TRUE}, {F}, {FALSE}
    ShortAnswer,    // "=" answers only, or one answer without a sign
    Matching,       // "=left -> right"
    Numerical,      // {#...}
    Essay,          // {}
    Description,    // no braces at all
};

// One answer between the braces, its feedback dropped and its text made plain.
struct GiftAnswer {
    // Written with "=" rather than "~".
    bool Equals = false;
    // Percent of the marks: "%n%" before the text, else 100 for "=" and 0 for "~".
    double Weight = 0;
    // The answer; of a matching pair the left side (empty for a distractor).
    QString Text;
    // The right side of a matching pair.
    QString Match;
};

struct GiftQuestion {
    // Where the question starts in the file (its name or its text), from 1.
    int Line = 0;
    // The path of the last "$CATEGORY:" before it; empty before the first.
    QString Category;
    // "::Name::", empty without one.
    QString Name;
    // The question text before the braces and the text after them (a missing-word question
    // has some), each plain: markup of its text format reduced, escapes resolved, the file's
    // line breaks as blanks and "\n" as a line break. Neither is trimmed where it meets the
    // braces, so that a blank there stays one blank.
    QString Text;
    QString After;
    GiftKind Kind = GiftKind::Description;
    // The answer of a true/false question.
    bool Truth = false;
    std::vector<GiftAnswer> Answers;

    bool missingWord() const { return !After.trimmed().isEmpty(); }
    // The name, or else the start of the text: how a report names the question.
    QString label() const;
};

// A GIFT file read: its questions in order, and the blocks that could not be read, each named
// by the line where it starts.
struct GiftFile {
    std::vector<GiftQuestion> Questions;
    std::vector<FormatError> Faults;
};

// Reads GIFT text: questions separated by blank lines, "//" comment lines, "$CATEGORY:" lines,
// "::Name::", the text formats [html], [moodle], [plain] and [markdown], the escapes
// \~ \= \# \{ \} \: \\ and \n, answer feedback ("#...") and general feedback ("####...")
// dropped, and answer weights "%n%".
GiftFile ReadGift(const QString& text);

} // namespace quindor
