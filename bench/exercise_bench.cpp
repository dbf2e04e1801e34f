// A run on a labelled picture with 60 query fields on a full-HD page: one checked drop (from the
// release to the next query presented, pauses left out) and the start of a run with 60 cards,
// each against one ComposeView() of the same document in the same run.
#include "exercise/exercise_run.h"
#include "exercise/headless_surface.h"
#include "ratio_report.h"
#include "sample_images.h"
#include "view/view_composer.h"

#include <QGuiApplication>

namespace {

using namespace quindor;

const QSize kArea(1735, 1064);

class NoSound : public platform::SoundPlayer {
public:
    void play(const QString&, bool) override {}
    void stop() override {}
};

struct Fixture {
    Document document;
    ProgramState state;
    Settings settings;
    RecordingMessages messages;
    NoSound sound;
    ViewComposer view{document, state};
    HeadlessSurface surface{view, kArea};
    int64_t ticks = 0;
    ExerciseRun run{document,
                    state,
                    settings,
                    messages,
                    sound,
                    surface,
                    {[this] { return ticks; }, [] { return 0.0; }}};

    Fixture() {
        document.BaseImage.Image = bench::PhotoLikeImage(2000, 1500);
        for (int i = 0; i < 60; ++i) {
            const double x = (i % 10) / 10.0 + 0.05;
            const double y = (i / 10) / 6.0 + 0.08;
            const int index = AddObject(document, {.Typ = ObjectKind::QueryLabel,
                                                   .Ebene = 1,
                                                   .Cap = QStringLiteral("Beschriftung %1").arg(i),
                                                   .FrageNummer = -1,
                                                   .Kx = x,
                                                   .Ky = y,
                                                   .KAusr = 1,
                                                   .Fsize = 0});
            document.Object(index).HDeck = 100;
            document.Object(index).HFarbe = 0xFFFFFF;
        }
        settings.OptSound = false;
        settings.OptUebNameEingabe = false;
        settings.OptUebErgebAnzeigen = false;
        settings.UebOpt.Zuordnungstexte = 0;
        settings.UebOpt.Zuordnungsziele = 0;
        view.ComposeView(kArea);
    }

    void start() {
        if (state.ViewMode == Mode::Exercise) {
            messages.queueAnswer(Answer::Yes);
            run.AbortExercise();
        }
        run.StartExercise({});
    }

    // A right drop of the card asked next: its field shows the caption, the card goes and
    // the next query follows.
    void dropRight() {
        const int card = run.queryList()[static_cast<size_t>(run.data().CurrentIndex)].CardObject;
        const FracRect& r = document.Object(card).CardRect;
        const QPointF mid((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
        run.FindDropTarget(mid, QRectF(mid, QSizeF(0.01, 0.01)));
        run.CheckAction(run.data().CurrentIndex);
    }
};

Fixture& Data() {
    static Fixture fixture;
    return fixture;
}

void ComposeViewBaseline(benchmark::State& state) {
    Fixture& f = Data();
    for (auto _ : state)
        f.view.ComposeView(kArea);
}

void CheckedDrop(benchmark::State& state) {
    Fixture& f = Data();
    f.settings.UebOpt.AbfrageModus = 1;
    f.start();
    for (auto _ : state) {
        // The run's last drop ends it; a new run starts outside the measurement.
        if (f.run.data().OpenCount <= 1) {
            state.PauseTiming();
            f.start();
            state.ResumeTiming();
        }
        f.dropRight();
    }
    state.counters["correct"] = f.run.data().CorrectCount;
    f.settings.UebOpt.AbfrageModus = 0;
}

void StartRun(benchmark::State& state) {
    Fixture& f = Data();
    for (auto _ : state)
        f.start();
}

} // namespace

BENCHMARK(ComposeViewBaseline)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(CheckedDrop)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(StartRun)->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return quindor::bench::RunWithRatios(
        argc, argv,
        {{"CheckedDrop", "ComposeViewBaseline", 0.2}, {"StartRun", "ComposeViewBaseline", 2.0}});
}
