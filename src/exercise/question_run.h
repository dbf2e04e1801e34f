#pragma once

#include "core/random_generator.h"
#include "exercise/run_kind.h"

#include <QRect>

#include <set>

namespace quindor {

// Single questions offer at most this many answers at a time.
constexpr int kOfferedAnswers = 6;

// The answers offered for the question of list entry `current`: the panel of its correct
// answer, then up to five others drawn at random (up to 100 draws each) whose texts differ
// from those shown, without regard to case. Returned in panel order with their places on the
// answer grid: in that order when `ordered`, otherwise each drawing a free place at random.
std::vector<AnswerSlot> ChooseAnswers(const Document& document, const std::vector<QueryPair>& list,
                                      int current, bool ordered, RandomGenerator& random);

// A place of the answer grid of single questions, in pixels of a page of `page` size: three
// columns filled row by row, from 4 pixels right of the left margin and from the height the
// question's answer begins at, each panel a third of the usable width and a tenth of its
// height (at least 150 x 46), 2 % of the usable width (at least 20 pixels) apart.
QRect AnswerGridCell(const FracRect& margins, QSize page, int slot);

// The ticks of a multiple-choice question (its FrageNummer): a box marked "+" is a correct
// option, ticked or missing; a box marked "-" and ticked is a wrong tick; other marks count
// nowhere.
TickCount CountTicks(const Document& document, int question, const std::set<int>& ticked);
// The score of an answer: the correct ticks less the wrong ones (not below 0) as a share of
// the correct options; 0 for a question without any.
double ChoiceScore(const TickCount& ticks);

// The question documents share the questions: the question shown follows the query asked,
// which is always the answer (single questions) or the question object (multiple choice) of
// the current entry.
class QuestionKind : public RunKind {
public:
    using RunKind::RunKind;

    void begin() override;

protected:
    // Makes the question of the current entry the question shown.
    void showAskedQuestion();
    // A wrong answer closes the question when each is asked only once, and takes the answer
    // panels away after a pause.
    void closeAfterWrong(int pauseMilliseconds);
    // A right answer takes the answer panels away after a further pause.
    void closeAfterRight();
};

// Single questions: the answers are cards offered on a grid, and the correct one is clicked.
class QuestionRun : public QuestionKind {
public:
    using QuestionKind::QuestionKind;

    void present() override;
    void released(int panel) override;
    bool check(int panel) override;
};

// Multiple choice: every answer box of the question is ticked or not, and "OK" judges them all.
class ChoiceRun : public QuestionKind {
public:
    using QuestionKind::QuestionKind;

    bool mixesAnswers() const override { return data().ZuordnungstexteItemIndex != 0; }
    void present() override;
    void released(int panel) override;
    bool check(int panel) override;
    bool ticked(int box) const { return ticked_.count(box) != 0; }

private:
    std::set<int> ticked_;
};

} // namespace quindor
