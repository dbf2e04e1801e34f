// The layouts of cluster and pair documents on a full-HD page: regenerating a cluster of five
// baskets of sixteen cards and sixteen pairs (as a load or the end of a run does), each against
// composing the view of the same document.
#include "layouts/cluster_layout.h"
#include "layouts/document_layouts.h"
#include "layouts/pair_layout.h"
#include "ratio_report.h"
#include "sample_images.h"
#include "view/view_composer.h"

#include <QGuiApplication>

namespace {

using namespace quindor;

const QSize kPage(1920, 1080);

// Every third cell a picture card, the others text cards; headings in the first row.
void FillGrid(HeaderDataTyp& h, int rows, int columns) {
    Picture picture;
    picture.Image = bench::PhotoLikeImage(120, 90);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            CellDataTyp& cell = h.Cell(r, c);
            if ((r * columns + c) % 3 == 2) {
                cell.Art = r == 0 ? 2 : 3;
                cell.Bild = picture;
            } else {
                cell.Art = r == 0 ? 0 : 1;
                cell.Text = QStringLiteral("Karte %1 in Korb %2").arg(r).arg(c + 1);
            }
        }
    }
}

struct Grid {
    Document document;
    ProgramState state;
    LayoutDispatch layouts;
    ViewComposer view{document, state, &layouts};

    Grid(DocumentType dokTyp, int rows, int columns) {
        HeaderDataTyp& h = document.Header;
        h.DokTyp = dokTyp;
        h.EinrueckRand = DefaultEinrueckRand(dokTyp);
        h.Zeilen = rows;
        h.Spalten = columns;
        h.Linie = 1;
        FillGrid(h, rows, columns);
        document.BaseImage.Image = bench::PhotoLikeImage(kPage.width(), kPage.height());
        RegisterLayouts(layouts, state);
        view.ComposeView(kPage);
        layouts.run(document, true);
        view.ComposeView(kPage);
    }

    LayoutPass regenerating() const {
        LayoutPass pass;
        pass.regenerate = true;
        pass.pageSize = kPage;
        return pass;
    }
};

Grid& Cluster() {
    static Grid grid(DocumentType::Cluster, 16, 5);
    return grid;
}

Grid& Pairs() {
    static Grid grid(DocumentType::CrossMatching, 16, 2);
    return grid;
}

void RegenerateCluster(benchmark::State& state) {
    Grid& g = Cluster();
    const LayoutPass pass = g.regenerating();
    for (auto _ : state)
        ClusterLayout(g.document, pass, g.state);
    state.counters["objects"] = g.document.ObjectCount();
}

void ComposeViewCluster(benchmark::State& state) {
    Grid& g = Cluster();
    for (auto _ : state)
        g.view.ComposeView(kPage);
}

void RegeneratePairs(benchmark::State& state) {
    Grid& g = Pairs();
    const LayoutPass pass = g.regenerating();
    for (auto _ : state)
        PairLayout(g.document, pass, g.state);
    state.counters["objects"] = g.document.ObjectCount();
}

void ComposeViewPairs(benchmark::State& state) {
    Grid& g = Pairs();
    for (auto _ : state)
        g.view.ComposeView(kPage);
}

} // namespace

BENCHMARK(RegenerateCluster)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(ComposeViewCluster)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(RegeneratePairs)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(ComposeViewPairs)->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return quindor::bench::RunWithRatios(argc, argv,
                                         {{"RegenerateCluster", "ComposeViewCluster", 0.3},
                                          {"RegeneratePairs", "ComposeViewPairs", 0.3}});
}
