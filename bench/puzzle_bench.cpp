// The sliding puzzle on the page of a labelled photo in a full-HD work area: one move (from the
// press on a tile to the repainted tiles) and the start of a 6 x 6 puzzle (cutting the tiles,
// dealing, placing, the first paint), each against one ComposeView() of the same document in
// the same run.
#include "exercise/ui/puzzle_panel.h"
#include "ratio_report.h"
#include "sample_images.h"
#include "view/view_composer.h"

#include <QApplication>
#include <QMouseEvent>

#include <memory>

namespace {

using namespace quindor;

const QSize kArea(1735, 1064);

struct Fixture {
    Document document;
    ProgramState state;
    ViewComposer view{document, state};
    QWidget area;
    PuzzlePanel* panel;

    Fixture() {
        document.BaseImage.Image = bench::PhotoLikeImage(2000, 1500);
        for (int i = 0; i < 60; ++i) {
            const int index = AddObject(document, {.Typ = ObjectKind::QueryLabel,
                                                   .Ebene = 1,
                                                   .Cap = QStringLiteral("Beschriftung %1").arg(i),
                                                   .FrageNummer = -1,
                                                   .Kx = (i % 10) / 10.0 + 0.05,
                                                   .Ky = (i / 10) / 6.0 + 0.08,
                                                   .KAusr = 1,
                                                   .Fsize = 0});
            document.Object(index).HDeck = 100;
            document.Object(index).HFarbe = 0xFFFFFF;
        }
        view.ComposeView(kArea);
        area.resize(kArea + QSize(17, 16));
        panel = new PuzzlePanel(state.Random, &area);
        area.show();
        start();
    }

    void start() {
        panel->start(6, true, view.pageImage(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    // A tile beside the gap: the one that just moved can always move back.
    int movableTile() const {
        const QPoint gap = panel->puzzle().gap();
        return panel->puzzle().tileAt(gap.x() > 0 ? gap.x() - 1 : 1, gap.y());
    }
};

// Widgets must go before the application does.
std::unique_ptr<Fixture> fixture;

Fixture& Data() {
    if (!fixture)
        fixture = std::make_unique<Fixture>();
    return *fixture;
}

void ComposeViewBaseline(benchmark::State& state) {
    Fixture& f = Data();
    for (auto _ : state)
        f.view.ComposeView(kArea);
}

void PuzzleMove(benchmark::State& state) {
    Fixture& f = Data();
    PuzzleTile* tile = f.panel->tile(f.movableTile());
    const QPointF local(5, 5);
    for (auto _ : state) {
        QMouseEvent press(QEvent::MouseButtonPress, local, tile->mapToGlobal(local), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(tile, &press);
        QCoreApplication::processEvents();
    }
    state.counters["moves"] = f.panel->puzzle().moves();
}

void PuzzleStart6x6(benchmark::State& state) {
    Fixture& f = Data();
    for (auto _ : state)
        f.start();
}

} // namespace

BENCHMARK(ComposeViewBaseline)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(PuzzleMove)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(PuzzleStart6x6)->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int result =
        quindor::bench::RunWithRatios(argc, argv,
                                      {{"PuzzleMove", "ComposeViewBaseline", 0.05},
                                       {"PuzzleStart6x6", "ComposeViewBaseline", 1.0}});
    fixture.reset();
    return result;
}
