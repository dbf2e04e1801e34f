#include "exercise/run_kind.h"

#include "exercise/exercise_run.h"
#include "exercise/pair_run.h"
#include "exercise/position_run.h"
#include "exercise/question_run.h"

namespace quindor {

int RunKind::markQueries(Repeat repeat) {
    const DocumentTypeRow& type = document().Header.Type();
    int total = 0;
    for (ObjDataTyp& o : document().Objects) {
        if (!isQueryObject(o)) {
            if (Contains(type.idleKinds, o.Typ))
                o.State = ObjectState::Shown;
            continue;
        }
        const bool asked = repeat == Repeat::All || o.RunCounter1 >= 1 || o.RunCounter2 >= 1;
        o.State = asked && takesPart(o) ? ObjectState::Open : ObjectState::Shown;
        o.RunCounter1 = 0;
        o.RunCounter2 = 0;
        total += takesPart(o);
    }
    return total;
}

int RunKind::openQueries() const {
    return countState(ObjectState::Open);
}

void RunKind::released(int panel) {
    run_.CheckAction(panel);
}

void RunKind::recount() {
    data().OpenCount = countState(ObjectState::Open);
}

Document& RunKind::document() {
    return run_.document_;
}

const Document& RunKind::document() const {
    return run_.document_;
}

ProgramState& RunKind::state() {
    return run_.state_;
}

UebDataTyp& RunKind::data() {
    return run_.run_;
}

const UebDataTyp& RunKind::data() const {
    return run_.run_;
}

ExerciseSurface& RunKind::surface() {
    return run_.surface_;
}

const std::vector<QueryPair>& RunKind::list() const {
    return run_.list_;
}

const QueryPair& RunKind::entry() const {
    return run_.list_.at(static_cast<size_t>(run_.run_.CurrentIndex));
}

int& RunKind::target() {
    return run_.target_;
}

const LayoutDispatch* RunKind::layouts() const {
    return run_.layouts_;
}

QueryMode RunKind::queryMode() const {
    return run_.queryMode();
}

bool RunKind::isQueryObject(const ObjDataTyp& o) const {
    return Contains(run_.document_.Header.Type().queryKinds, o.Typ);
}

int RunKind::countState(ObjectState value) const {
    int n = 0;
    for (const ObjDataTyp& o : run_.document_.Objects)
        n += o.State == value;
    return n;
}

void RunKind::log(const QString& text, Stamp stamp) {
    run_.LogLine(LogSection::Detail, text, stamp);
}

void RunKind::playSound(const QString& name, bool wait) {
    run_.playSound(name, wait);
}

void RunKind::refreshClock() {
    run_.refreshClock();
}

void RunKind::showRight(int panel) {
    surface().showBanner(Banner::Right);
    surface().setPanelLook(panel, PanelLook::Right);
    playSound(QStringLiteral("richtig1"), false);
    refreshClock();
    surface().pause(500);
}

void RunKind::showWrong(int panel, const TickCount* ticks) {
    surface().setPanelLook(panel, PanelLook::Wrong);
    if (ticks)
        surface().showTickCount(*ticks);
    else
        surface().showBanner(Banner::Wrong);
    playSound(QStringLiteral("falsch1"), true);
    refreshClock();
    surface().pause(100);
}

std::unique_ptr<RunKind> MakeRunKind(RunStyle style, ExerciseRun& run) {
    switch (style) {
    case RunStyle::Questions:
        return std::make_unique<QuestionRun>(run);
    case RunStyle::Choice:
        return std::make_unique<ChoiceRun>(run);
    case RunStyle::Baskets:
        return std::make_unique<BasketRun>(run);
    case RunStyle::Pairs:
        return std::make_unique<PairRun>(run);
    case RunStyle::Positions:
        break;
    }
    return std::make_unique<PositionRun>(run);
}

} // namespace quindor
