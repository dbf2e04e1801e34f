#pragma once

#include "core/program_state.h"
#include "document/document.h"
#include "exercise/exercise_surface.h"
#include "exercise/query_list.h"
#include "exercise/run_state.h"

#include <QPointF>
#include <QRectF>

#include <memory>
#include <vector>

namespace quindor {

class ExerciseRun;
class LayoutDispatch;
enum class Stamp;

// What a run does that depends on how its document type asks (RunStyle of the type's row):
// which objects it marks and counts, how it presents a query, what a drag or click means, how
// it judges an action with its feedback, states and counters, and what it puts back at the
// end. The run itself keeps the order of things: start, next query, statistics, clock, end.
class RunKind {
public:
    explicit RunKind(ExerciseRun& run) : run_(run) {}
    virtual ~RunKind() = default;
    RunKind(const RunKind&) = delete;
    RunKind& operator=(const RunKind&) = delete;

    // Before the objects are marked: what the run needs in the document.
    virtual void prepare() {}
    // Whether the answers of each question change places in this run.
    virtual bool mixesAnswers() const { return false; }
    // Marks every query object open when the run asks it, shown otherwise, and clears its
    // counters; returns the number of queries of a complete run.
    virtual int markQueries(Repeat repeat);
    // The queries of the run still open.
    virtual int openQueries() const;
    // Once the number of queries is known, before the query list is built.
    virtual void arrange(int /*queries*/) {}
    // A target of the query list as the run opens it.
    virtual void openTarget(ObjDataTyp& target) const { target.State = ObjectState::Open; }
    // After the run is shown, before its first query.
    virtual void begin() {}
    // Shows the query of the current entry of the query list.
    virtual void present() = 0;
    // Whether an entry is still open by its card (single card) rather than by its target.
    virtual bool asksByCard() const { return false; }
    // The target under a dragged card (page fractions), the run's current target afterwards;
    // -1 for none.
    virtual int findTarget(QPointF /*leftMid*/, const QRectF& /*card*/) { return -1; }
    // The mouse on an element panel.
    virtual void pressed(int /*panel*/) {}
    virtual void released(int panel);
    // Judges what the panel did to the current target, with the feedback, states and counters
    // of a right or a wrong action; false when there is nothing to judge.
    virtual bool check(int panel) = 0;
    // The object a checked action on the panel is reported for (to the network initiator):
    // the current target unless the kind says otherwise.
    virtual int reportedObject(int /*panel*/) { return target(); }
    // After every action: the count of open queries.
    virtual void recount();
    // After every action: the selection made for it is gone.
    virtual void clearSelection() {}
    // The run is over (ended or aborted): what the run changed in the layout goes back.
    virtual void takeDown() {}

protected:
    Document& document();
    const Document& document() const;
    ProgramState& state();
    UebDataTyp& data();
    const UebDataTyp& data() const;
    ExerciseSurface& surface();
    const std::vector<QueryPair>& list() const;
    // The entry asked at present.
    const QueryPair& entry() const;
    // The current target: an object, or a basket number on basket documents; -1 for none.
    int& target();
    const LayoutDispatch* layouts() const;
    QueryMode queryMode() const;
    bool isQueryObject(const ObjDataTyp& o) const;
    int countState(ObjectState value) const;
    void log(const QString& text, Stamp stamp);
    void playSound(const QString& name, bool wait);
    void refreshClock();
    // Whether a query object takes part in a run of this kind at all (typed answers leave
    // pictures out).
    virtual bool takesPart(const ObjDataTyp& /*o*/) const { return true; }

    // The feedback of a right action on a panel: banner, green panel, sound and half a second;
    // the panel keeps its colour until restored.
    void showRight(int panel);
    // The feedback of a wrong action: red panel with the wrong banner (or the tick counts), the
    // wrong sound to its end and a tenth of a second.
    void showWrong(int panel, const TickCount* ticks = nullptr);

private:
    ExerciseRun& run_;
};

std::unique_ptr<RunKind> MakeRunKind(RunStyle style, ExerciseRun& run);

} // namespace quindor
