// The sample questions, multiple-choice quizzes, baskets and pairs can be solved in every mode
// their settings offer, in runs without a window.
#include "exercise/exercise_run.h"
#include "exercise/headless_surface.h"
#include "layouts/cluster_layout.h"
#include "layouts/document_layouts.h"
#include "view/view_composer.h"

#include "support/test_support.h"

#include <QDir>

#include <functional>

#include <gtest/gtest.h>

namespace quindor {
namespace {

const QString kSamples = QStringLiteral(QUINDOR_SAMPLES_DIR);

class NoSound : public platform::SoundPlayer {
public:
    void play(const QString&, bool) override {}
    void stop() override {}
};

// One learner who knows every answer.
class Solver {
public:
    Solver(ExerciseRun& run, Document& document) : run_(run), d_(document) {}

    void step() {
        const std::vector<QueryPair>& list = run_.queryList();
        const QueryPair& entry = list[static_cast<size_t>(run_.data().CurrentIndex)];
        switch (d_.Header.Type().run) {
        case RunStyle::Questions:
            for (size_t p = 0; p < list.size(); ++p) {
                if (list[p].CardObject == entry.TargetObject)
                    run_.panelReleased(static_cast<int>(p));
            }
            break;
        case RunStyle::Choice: {
            const int question = d_.Object(entry.TargetObject).FrageNummer;
            int ok = -1;
            for (int i = 0; i < d_.ObjectCount(); ++i) {
                const ObjDataTyp& o = d_.Object(i);
                if (o.FrageNummer != question)
                    continue;
                if (o.Typ == ObjectKind::ChoiceOk)
                    ok = i;
                else if (o.Typ == ObjectKind::ChoiceMarker && o.Cap == QStringLiteral("+"))
                    run_.panelReleased(i);
            }
            run_.panelReleased(ok);
            break;
        }
        case RunStyle::Baskets: {
            // One card at a time: the card offered; otherwise any card still open.
            int panel = run_.data().CurrentIndex;
            for (size_t p = 0; p < list.size() && run_.queryMode() == QueryMode::Free; ++p) {
                if (d_.Object(list[p].CardObject).State == ObjectState::Open) {
                    panel = static_cast<int>(p);
                    break;
                }
            }
            const ObjDataTyp& card = d_.Object(list[static_cast<size_t>(panel)].CardObject);
            const int basket = card.BildKenn.mid(5).toInt();
            const FracRect& m = d_.Header.EinrueckRand;
            const double w = (1 - m.Left - m.Right) / d_.Header.Spalten;
            const QPointF centre(m.Left + (basket - 0.5) * w, 0.5);
            run_.FindDropTarget(centre, QRectF(centre - QPointF(0.05, 0.02), QSizeF(0.1, 0.04)));
            run_.panelReleased(panel);
            break;
        }
        case RunStyle::Pairs:
            for (int i = 0; i < d_.ObjectCount(); ++i) {
                const ObjDataTyp& o = d_.Object(i);
                if (o.State == ObjectState::PairOpen && o.Partner > i) {
                    const int partner = o.Partner;
                    for (const int element : {i, partner}) {
                        run_.panelPressed(element);
                        run_.panelReleased(element);
                    }
                    break;
                }
            }
            break;
        case RunStyle::Positions:
            FAIL() << "not a sample of this test";
        }
    }

private:
    ExerciseRun& run_;
    Document& d_;
};

struct SampleRun {
    const char* file;
    // The settings that make the modes of the run.
    std::vector<std::function<void(Settings&)>> modes;
};

std::vector<std::function<void(Settings&)>> QuestionModes() {
    std::vector<std::function<void(Settings&)>> modes;
    for (int falsch = 0; falsch <= 1; ++falsch) {
        for (int texte = 0; texte <= 1; ++texte) {
            for (int ziele = 0; ziele <= 1; ++ziele) {
                modes.push_back([=](Settings& s) {
                    s.UebOptFragen.ZuordnungFalsch = falsch;
                    s.UebOptFragen.Zuordnungstexte = texte;
                    s.UebOptFragen.Zuordnungsziele = ziele;
                });
            }
        }
    }
    return modes;
}

TEST(SampleRuns, QuestionsChoicesBasketsAndPairsAreSolvedInEveryMode) {
    const std::vector<SampleRun> samples = {
        {"06_Einzelfragen.qdr", QuestionModes()},
        {"07_Verkehrszeichen-Quiz.qdr", QuestionModes()},
        {"08_Bilder-Quiz.qdr", QuestionModes()},
        {"09_Sortieren.qdr",
         {[](Settings& s) { s.UebOptKorb.AbfrageModus = 0; },
          [](Settings& s) { s.UebOptKorb.AbfrageModus = 1; }}},
        {"10_Zuordnen.qdr", {[](Settings&) {}}},
    };
    for (const SampleRun& sample : samples) {
        for (size_t mode = 0; mode < sample.modes.size(); ++mode) {
            const QString name = QLatin1String(sample.file);
            test::SessionFixture f;
            RegisterLayouts(f.session.layouts(), f.state);
            ASSERT_TRUE(f.session.LoadDocument(QDir(kSamples).filePath(name), false));
            Document& d = f.session.document();
            Settings settings;
            settings.OptSound = false;
            settings.OptUebNameEingabe = false;
            sample.modes[mode](settings);
            NoSound sound;
            ViewComposer view(d, f.state, &f.session.layouts());
            HeadlessSurface surface(view, QSize(1200, 800));
            ExerciseRun run(d, f.state, settings, f.messages, sound, surface,
                            {[] { return int64_t{0}; }, [] { return 0.0; }});
            run.setLayouts(&f.session.layouts());
            ASSERT_TRUE(run.StartExercise({})) << sample.file << " mode " << mode;
            const int queries = run.data().RunQueries;
            EXPECT_GT(queries, 0);
            Solver solver(run, d);
            for (int step = 0; step < 200 && f.state.ViewMode == Mode::Exercise; ++step)
                solver.step();
            ASSERT_EQ(surface.results().size(), 1u) << sample.file << " mode " << mode;
            const UebDataTyp& result = surface.results()[0];
            EXPECT_EQ(result.OpenCount, 0) << sample.file << " mode " << mode;
            EXPECT_EQ(result.CorrectCount, queries) << sample.file << " mode " << mode;
            EXPECT_EQ(result.FailedAttempts, 0) << sample.file << " mode " << mode;
            EXPECT_TRUE(f.messages.texts().isEmpty()) << sample.file;
        }
    }
}

} // namespace
} // namespace quindor
