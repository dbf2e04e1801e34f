// The learning view on a full-HD picture area with a photographic 2000 x 1500 base image and
// 100 objects: composing, recomposing the objects and uncovering one field, each against one
// smooth scaling of the base image to the page size in the same run.
#include "document/numbering.h"
#include "ratio_report.h"
#include "sample_images.h"
#include "view/view_composer.h"

#include <QGuiApplication>

namespace {

using namespace quindor;

struct Fixture {
    Document document;
    ProgramState state;
    ViewComposer view{document, state};
    QSize area{1920, 1080};

    Fixture() {
        document.BaseImage.Image = bench::PhotoLikeImage(2000, 1500);
        for (int i = 0; i < 100; ++i) {
            const double x = (i % 10) / 10.0 + 0.05;
            const double y = (i / 10) / 10.0 + 0.05;
            const int index = AddObject(
                document, {.Typ = i % 3 == 0 ? ObjectKind::FixedLabel : ObjectKind::QueryLabel,
                           .Ebene = 1,
                           .Cap = QStringLiteral("Beschriftung %1").arg(i),
                           .FrageNummer = -1,
                           .Kx = x,
                           .Ky = y,
                           .KAusr = 1,
                           .Fsize = 0});
            ObjDataTyp& o = document.Object(index);
            o.HDeck = 100;
            o.HFarbe = 0xFFFFFF;
            o.Sline = 1;
            o.LinieDicke = 2;
            o.Sx = x + 0.02;
            o.Sy = y + 0.03;
        }
        SetNumberingMode(document, state, Numbering::Ordered);
        view.ComposeView(area);
    }
};

Fixture& Data() {
    static Fixture fixture;
    return fixture;
}

void ComposeView(benchmark::State& state) {
    Fixture& f = Data();
    for (auto _ : state)
        f.view.ComposeView(f.area);
}

void RecomposeObjects(benchmark::State& state) {
    Fixture& f = Data();
    for (auto _ : state)
        f.view.RecomposeObjects();
}

void UncoverOneField(benchmark::State& state) {
    Fixture& f = Data();
    ObjDataTyp& o = f.document.Object(1);
    for (auto _ : state) {
        ToggleCover(o);
        f.view.RedrawObject(1);
    }
}

void ScaleBaseImageBaseline(benchmark::State& state) {
    Fixture& f = Data();
    const QSize page = f.view.pageImage().size();
    for (auto _ : state) {
        const QImage scaled = f.document.BaseImage.Image.scaled(page, Qt::IgnoreAspectRatio,
                                                                Qt::SmoothTransformation);
        benchmark::DoNotOptimize(scaled.constBits());
    }
}

} // namespace

BENCHMARK(ComposeView)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(RecomposeObjects)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(UncoverOneField)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ScaleBaseImageBaseline)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return quindor::bench::RunWithRatios(argc, argv,
                                         {{"ComposeView", "ScaleBaseImageBaseline", 2.0},
                                          {"RecomposeObjects", "ScaleBaseImageBaseline", 0.5},
                                          {"UncoverOneField", "ScaleBaseImageBaseline", 0.05}});
}
