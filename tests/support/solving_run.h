// Runs without a window by a learner who knows every answer, in each query mode a document
// type offers: the test of a document that it can be solved as an exercise.
#pragma once

#include "exercise/exercise_run.h"
#include "exercise/headless_surface.h"
#include "view/view_composer.h"

#include "support/test_support.h"

#include <functional>

namespace quindor::test {

using QueryModeSetting = std::function<void(Settings&)>;

// The settings that make the query modes of a run of the type.
inline std::vector<QueryModeSetting> QueryModesOf(DocumentType type) {
    std::vector<QueryModeSetting> modes;
    switch (RowOf(type).family) {
    case OptionsFamily::Labelling:
        for (int mode = 0; mode <= 3; ++mode)
            modes.push_back([mode](Settings& s) { s.UebOpt.AbfrageModus = mode; });
        break;
    case OptionsFamily::Questions:
        for (int setting = 0; setting < 8; ++setting) {
            modes.push_back([setting](Settings& s) {
                s.UebOptFragen.ZuordnungFalsch = setting & 1;
                s.UebOptFragen.Zuordnungstexte = (setting >> 1) & 1;
                s.UebOptFragen.Zuordnungsziele = (setting >> 2) & 1;
            });
        }
        break;
    case OptionsFamily::Cluster:
        for (int mode = 0; mode <= 1; ++mode)
            modes.push_back([mode](Settings& s) { s.UebOptKorb.AbfrageModus = mode; });
        break;
    case OptionsFamily::CrossMatching:
        modes.push_back([](Settings&) {});
        break;
    }
    return modes;
}

// A headless run whose every typed field holds the solution.
class SolvingSurface : public HeadlessSurface {
public:
    SolvingSurface(ViewComposer& view, const Document& document, const std::vector<QueryPair>& list)
        : HeadlessSurface(view, QSize(1200, 800)), document_(document), list_(list) {}
    QString fieldText(int listIndex) override {
        return document_.Object(list_[static_cast<size_t>(listIndex)].TargetObject).Cap;
    }

private:
    const Document& document_;
    const std::vector<QueryPair>& list_;
};

class NoSound : public platform::SoundPlayer {
public:
    void play(const QString&, bool) override {}
    void stop() override {}
};

// One step of the learner: the card asked dropped on its own field, the right answer clicked,
// the right boxes ticked, the card dragged into its basket, a pair joined.
inline void SolveStep(ExerciseRun& run, Document& d, const std::vector<QueryPair>& list) {
    const QueryPair& entry = list[static_cast<size_t>(run.data().CurrentIndex)];
    switch (d.Header.Type().run) {
    case RunStyle::Positions: {
        if (run.inputMode()) {
            run.CheckAction(-1);
            return;
        }
        // Single position asks a target, single card offers a card; free assignment takes
        // any card whose field is still open.
        const QueryMode mode = run.queryMode();
        int object = mode == QueryMode::SinglePosition ? entry.TargetObject : entry.CardObject;
        for (size_t i = 0; i < list.size() && mode == QueryMode::Free; ++i) {
            if (d.Object(list[i].CardObject).State == ObjectState::Open) {
                object = list[i].CardObject;
                break;
            }
        }
        int cardEntry = run.data().CurrentIndex;
        for (size_t i = 0; i < list.size() && mode != QueryMode::SingleCard; ++i) {
            if (list[i].CardObject == object)
                cardEntry = static_cast<int>(i);
        }
        const FracRect& r = d.Object(object).CardRect;
        const QPointF mid((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        run.FindDropTarget(mid, QRectF(mid, QSizeF(0.001, 0.001)));
        run.CheckAction(cardEntry);
        return;
    }
    case RunStyle::Questions:
        for (size_t p = 0; p < list.size(); ++p) {
            if (list[p].CardObject == entry.TargetObject)
                run.panelReleased(static_cast<int>(p));
        }
        return;
    case RunStyle::Choice: {
        const int question = d.Object(entry.TargetObject).FrageNummer;
        int ok = -1;
        for (int i = 0; i < d.ObjectCount(); ++i) {
            const ObjDataTyp& o = d.Object(i);
            if (o.FrageNummer != question)
                continue;
            if (o.Typ == ObjectKind::ChoiceOk)
                ok = i;
            else if (o.Typ == ObjectKind::ChoiceMarker && o.Cap == QStringLiteral("+"))
                run.panelReleased(i);
        }
        run.panelReleased(ok);
        return;
    }
    case RunStyle::Baskets: {
        // One card at a time: the card offered; otherwise any card still open.
        int panel = run.data().CurrentIndex;
        for (size_t p = 0; p < list.size() && run.queryMode() == QueryMode::Free; ++p) {
            if (d.Object(list[p].CardObject).State == ObjectState::Open) {
                panel = static_cast<int>(p);
                break;
            }
        }
        const ObjDataTyp& card = d.Object(list[static_cast<size_t>(panel)].CardObject);
        const int basket = card.BildKenn.mid(5).toInt();
        const FracRect& m = d.Header.EinrueckRand;
        const double w = (1 - m.Left - m.Right) / d.Header.Spalten;
        const QPointF centre(m.Left + (basket - 0.5) * w, 0.5);
        run.FindDropTarget(centre, QRectF(centre - QPointF(0.05, 0.02), QSizeF(0.1, 0.04)));
        run.panelReleased(panel);
        return;
    }
    case RunStyle::Pairs:
        for (int i = 0; i < d.ObjectCount(); ++i) {
            const ObjDataTyp& o = d.Object(i);
            if (o.State == ObjectState::PairOpen && o.Partner > i) {
                const int partner = o.Partner;
                for (const int element : {i, partner}) {
                    run.panelPressed(element);
                    run.panelReleased(element);
                }
                return;
            }
        }
        return;
    }
}

struct SolvedRun {
    bool started = false;
    int queries = 0;
    std::vector<UebDataTyp> results;
};

// The open document of the session run in one query mode to its end.
inline SolvedRun SolveExercise(SessionFixture& f, const QueryModeSetting& mode) {
    Document& d = f.session.document();
    Settings settings;
    settings.OptSound = false;
    settings.OptUebNameEingabe = false;
    mode(settings);
    NoSound sound;
    ViewComposer view(d, f.state, &f.session.layouts());
    std::vector<QueryPair> list;
    SolvingSurface surface(view, d, list);
    ExerciseRun run(d, f.state, settings, f.messages, sound, surface,
                    {[] { return int64_t{0}; }, [] { return 0.0; }});
    run.setLayouts(&f.session.layouts());
    SolvedRun solved;
    solved.started = run.StartExercise({});
    if (!solved.started)
        return solved;
    list = run.queryList();
    solved.queries = run.data().RunQueries;
    for (int step = 0; step < 500 && f.state.ViewMode == Mode::Exercise; ++step)
        SolveStep(run, d, list);
    solved.results = surface.results();
    return solved;
}

} // namespace quindor::test
