// Text layout must grow linearly with the length of a text: time per word of a long marked-up
// text against that of a short one.
#include "document/markup_layout.h"
#include "ratio_report.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace {

using namespace quindor;

QString MarkedUpText(int words) {
    static const QStringList kWords = {
        QStringLiteral("Pflanzen"),      QStringLiteral("brauchen"),
        QStringLiteral("<B>Licht</B>,"), QStringLiteral("Wasser"),
        QStringLiteral("und"),           QStringLiteral("<I>Luft</I>."),
        QStringLiteral("Die"),           QStringLiteral("Wurzeln"),
        QStringLiteral("nehmen"),        QStringLiteral("N\u00e4hrstoffe"),
        QStringLiteral("auf"),           QStringLiteral("<U>wichtig</U>")};
    QString text;
    for (int i = 0; i < words; ++i) {
        text += kWords.at(i % kWords.size());
        // A paragraph every 60 words, as real texts have them.
        text += (i % 60 == 59) ? QStringLiteral("\r\n") : QStringLiteral(" ");
    }
    return text;
}

void Layout(benchmark::State& state, int words) {
    const QString text = MarkedUpText(words);
    QImage image(870, 600, QImage::Format_ARGB32_Premultiplied);
    MarkupLayoutParams params;
    params.device = &image;
    params.measureOnly = true;
    params.areaRight = 870;
    params.rightMargin = 30;
    params.fontHeight = -22;
    for (auto _ : state)
        benchmark::DoNotOptimize(LayoutText(params, text, 0, 30));
    state.SetItemsProcessed(state.iterations() * words);
}

void LayoutText500Words(benchmark::State& state) {
    Layout(state, 500);
}
void LayoutText5000Words(benchmark::State& state) {
    Layout(state, 5000);
}

} // namespace

BENCHMARK(LayoutText500Words)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(LayoutText5000Words)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // Time per word of the long text against the short one.
    return quindor::bench::RunWithRatios(
        argc, argv, {{"LayoutText5000Words", "LayoutText500Words", 1.2, 5000.0, 500.0}});
}
