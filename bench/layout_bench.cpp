// The gap-text layout on a full-HD page: fitting a text of one page and of eight pages (time
// per character), and a relayout on resize of the one-page text against composing the same
// page without text.
#include "layouts/document_layouts.h"
#include "layouts/gap_text_layout.h"
#include "ratio_report.h"
#include "sample_images.h"
#include "view/view_composer.h"

#include <QGuiApplication>

namespace {

using namespace quindor;

const QSize kPage(1920, 1080);

QString Paragraph(int n) {
    return QStringLiteral("Im %1. Absatz steht ein Satz mit einer <<L\u00fccke|Luecke>>, dann "
                          "folgen noch einige W\u00f6rter, ein <<zweites>> Wort zum Einsetzen "
                          "und zuletzt ein Punkt.")
        .arg(n);
}

struct Text {
    Document document;
    ProgramState state;
    QImage page;
    qsizetype characters = 0;

    explicit Text(const QString& text) : page(kPage, QImage::Format_ARGB32_Premultiplied) {
        document.Header.DokTyp = DocumentType::GapText;
        document.Header.EinrueckRand = DefaultEinrueckRand(DocumentType::GapText);
        document.Header.Lueckentext = text;
        characters = text.size();
        page.fill(Qt::white);
        layout(true);
    }

    void layout(bool regenerate) {
        LayoutPass pass;
        pass.regenerate = regenerate;
        pass.page = &page;
        GapTextLayout(document, pass, state);
    }
};

// The most paragraphs that still fit at the starting font.
QString OnePage() {
    QStringList paragraphs;
    for (int n = 1;; ++n) {
        paragraphs.append(Paragraph(n));
        Text probe(paragraphs.join(QStringLiteral("\r\n")));
        if (probe.document.Header.GapFontAdjustment < 0) {
            paragraphs.removeLast();
            return paragraphs.join(QStringLiteral("\r\n"));
        }
    }
}

struct Fixture {
    Text onePage{OnePage()};
    Text eightPages{[this] {
        QStringList copies(8, onePage.document.Header.Lueckentext);
        return copies.join(QStringLiteral("\r\n"));
    }()};
    Document empty;
    ProgramState state;
    LayoutDispatch layouts;
    ViewComposer view{empty, state, &layouts};

    Fixture() {
        empty.Header.DokTyp = DocumentType::GapText;
        empty.BaseImage.Image = bench::PhotoLikeImage(kPage.width(), kPage.height());
        RegisterLayouts(layouts, state);
    }
};

Fixture& Data() {
    static Fixture fixture;
    return fixture;
}

void FitOnePage(benchmark::State& state) {
    Text& text = Data().onePage;
    for (auto _ : state)
        text.layout(false);
    state.counters["characters"] = static_cast<double>(text.characters);
}

void FitEightPages(benchmark::State& state) {
    Text& text = Data().eightPages;
    for (auto _ : state)
        text.layout(false);
    state.counters["characters"] = static_cast<double>(text.characters);
    state.counters["font"] = text.document.Header.GapFontHeight;
}

void ComposeViewWithoutText(benchmark::State& state) {
    Fixture& f = Data();
    for (auto _ : state)
        f.view.ComposeView(kPage);
}

} // namespace

BENCHMARK(FitOnePage)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(FitEightPages)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(ComposeViewWithoutText)->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const Fixture& f = Data();
    const double one = static_cast<double>(f.onePage.characters);
    const double eight = static_cast<double>(f.eightPages.characters);
    return quindor::bench::RunWithRatios(argc, argv,
                                         {{"FitEightPages", "FitOnePage", 1.2, eight, one},
                                          {"FitOnePage", "ComposeViewWithoutText", 0.3}});
}
