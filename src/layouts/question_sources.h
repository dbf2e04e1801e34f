#pragma once

#include <QChar>
#include <QString>

#include <vector>

namespace quindor {

// One question of a single-question document as its question text lists it.
struct SingleQuestionLine {
    QString Question;
    QString Answer;
};

// The questions of a single-question document's Fragentext: one a line, question and answer
// separated by "//" and trimmed; a line without "//" has the answer "---"; lines that are
// empty after trimming do not count.
std::vector<SingleQuestionLine> ParseQuestionText(const QString& fragentext);

// The answer a single question shows when its line names none.
inline const QString kNoAnswer = QStringLiteral("---");

// One answer line of a multiple-choice question.
struct ChoiceAnswerLine {
    // Empty after trimming: the line makes no answer but keeps its place in the count.
    bool Empty = true;
    // '+' marks a correct answer; any other character a wrong one.
    QChar Marker;
    QString Text;
    bool correct() const { return Marker == u'+'; }
};

// At most this many answers take part in a question.
constexpr int kMaxChoiceAnswers = 12;

// The stored question of a multiple-choice document, read from its caption: a comma text
// whose first item is the question and whose second is the answer block, one answer a line.
struct ChoiceSource {
    QString Question;
    // The answer lines in their places, at most twelve; a question without any holds the one
    // correct answer "Antwort".
    std::vector<ChoiceAnswerLine> Answers;
};

ChoiceSource ParseChoiceSource(const QString& cap);

} // namespace quindor
