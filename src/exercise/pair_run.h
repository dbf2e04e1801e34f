#pragma once

#include "exercise/run_kind.h"

namespace quindor {

// Cross-matching: every pair of query elements is asked as a whole. The right-hand elements
// of the pairs asked change rows at the start; the learner clicks the button of one element,
// then the button of an element of the other column, and a right pair is joined by its line.
// The end of the run lays the pairs out anew.
class PairRun : public RunKind {
public:
    using RunKind::RunKind;

    int markQueries(Repeat repeat) override;
    int openQueries() const override;
    void arrange(int queries) override;
    void openTarget(ObjDataTyp& target) const override;
    void present() override;
    void pressed(int panel) override;
    void released(int panel) override;
    bool check(int panel) override;
    // The first element when the second is a numbered query element, else the second.
    int reportedObject(int panel) override;
    // Pairs count themselves as they are joined.
    void recount() override {}
    void clearSelection() override;
    void takeDown() override;

    int selected() const { return first_; }
    int second() const { return second_; }

private:
    bool isLeftElement(int index) const;
    void unmarkAll();

    int first_ = -1;
    int second_ = -1;
    bool laidOut_ = false;
};

} // namespace quindor
