// Editing a labelling page on a photographic 4000 x 3000 picture in a full-HD picture area with
// 40 labels, covered and numbered in order: adding a card, dragging one and retyping one, each
// against redrawing every object (RecomposeObjects) in the same run. Dragging stays smooth while an
// edit costs no more than that.
#include "document/numbering.h"
#include "editor/free_objects.h"
#include "editor/picture_editing.h"
#include "ratio_report.h"
#include "sample_images.h"

#include <QGuiApplication>

namespace {

using namespace quindor;

struct Fixture {
    Document document;
    ProgramState state;
    ViewComposer view{document, state};
    PictureEditing editing{document, view, state};
    QSize area{1920, 1080};
    // A query label in the middle of the page.
    int moved = 17;

    Fixture() {
        Picture base;
        base.Image = bench::PhotoLikeImage(4000, 3000);
        document = *MakeLabelling({QStringLiteral("Foto"), {}, {}}, base, {1, 10, 7}).Value;
        for (int i = 0; i < 40; ++i) {
            const QPointF spot((i % 8) / 8.0 + 0.06, (i / 8) / 5.0 + 0.1);
            document.Objects.push_back(
                NewFreeObject(i % 4 == 0 ? ObjectKind::FixedLabel : ObjectKind::QueryLabel, spot,
                              DefaultCardPoint(ObjectKind::QueryLabel, spot),
                              QStringLiteral("Teil %1").arg(i), document.Header));
        }
        // As after loading: every field covered, showing its number.
        SetNumberingMode(document, state, Numbering::Ordered);
        CoverAll(document);
        view.ComposeView(area);
    }
};

Fixture& Data() {
    static Fixture fixture;
    return fixture;
}

void RecomposeObjects(benchmark::State& state) {
    Fixture& f = Data();
    for (auto _ : state)
        f.view.RecomposeObjects();
}

// One card added where the teacher clicked, and taken back: two edits.
void AddCardAndUndo(benchmark::State& state) {
    Fixture& f = Data();
    for (auto _ : state) {
        f.editing.add(NewFreeObject(ObjectKind::QueryLabel, {0.45, 0.55}, {0.55, 0.55},
                                    QStringLiteral("Neu"), f.document.Header));
        f.editing.undo();
    }
}

// One step of a drag: the card follows the mouse a few pixels.
void DragCard(benchmark::State& state) {
    Fixture& f = Data();
    f.editing.select(f.moved);
    int step = 0;
    for (auto _ : state) {
        ObjDataTyp after = f.document.Object(f.moved);
        after.Kx += (++step % 2 == 0 ? 3.0 : -3.0) / f.view.pageImage().width();
        f.editing.preview(after);
    }
    f.editing.commit();
}

void RetypeCard(benchmark::State& state) {
    Fixture& f = Data();
    f.editing.select(f.moved);
    int step = 0;
    for (auto _ : state) {
        ObjDataTyp after = f.document.Object(f.moved);
        after.Cap = ++step % 2 == 0 ? QStringLiteral("Bl\u00fcte") : QStringLiteral("Knospe");
        f.editing.change(after);
    }
}

} // namespace

BENCHMARK(RecomposeObjects)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(AddCardAndUndo)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(DragCard)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(RetypeCard)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return quindor::bench::RunWithRatios(argc, argv,
                                         {{"AddCardAndUndo", "RecomposeObjects", 1.0, 2.0},
                                          {"DragCard", "RecomposeObjects", 1.0},
                                          {"RetypeCard", "RecomposeObjects", 1.0}});
}
