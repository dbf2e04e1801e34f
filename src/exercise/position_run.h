#pragma once

#include "exercise/run_kind.h"

namespace quindor {

// Cards dragged onto their positions (labelled pictures, gap texts, gap tables): all at once,
// one card at a time or one position at a time; or the answers typed into fields over the
// positions and checked together with "OK".
class PositionRun : public RunKind {
public:
    using RunKind::RunKind;

    void prepare() override;
    void present() override;
    bool asksByCard() const override;
    int findTarget(QPointF leftMid, const QRectF& card) override;
    bool check(int panel) override;
    // The object the card solved or failed.
    int reportedObject(int panel) override;

protected:
    bool takesPart(const ObjDataTyp& o) const override;
    // Whether the card of an entry is right on the current target.
    virtual bool judge(int card);
    // The object a judged card solves or fails: the target it was dropped on.
    virtual int judgedObject(int /*card*/) { return target(); }
    // After a right drop, before the solved object shows.
    virtual void settle(int /*card*/) {}

private:
    bool typing() const;
    void rightAction(int panel, int card);
    void wrongAction(int panel, int card);
    void checkTypedAnswers();

    // The position asked in single-position mode.
    int markedTarget_ = -1;
};

// Cards dragged into their baskets (cluster documents): the basket under the card's centre is
// the target, and a card is right in the basket its tag names. Solved cards collect at the
// bottom of their basket.
class BasketRun : public PositionRun {
public:
    using PositionRun::PositionRun;

    int findTarget(QPointF leftMid, const QRectF& card) override;

protected:
    bool judge(int card) override;
    int judgedObject(int card) override { return card; }
    void settle(int card) override;
};

} // namespace quindor
