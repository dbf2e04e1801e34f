// The multiple-choice layout of a document with 100 questions on a full-HD picture area:
// regenerating all its objects against composing the view of it in the same run.
#include "document/caption_codec.h"
#include "layouts/document_layouts.h"
#include "layouts/question_layouts.h"
#include "ratio_report.h"
#include "sample_images.h"
#include "view/view_composer.h"

#include <QGuiApplication>

namespace {

using namespace quindor;

constexpr int kQuestions = 100;

QImage Symbol(int i) {
    QImage image(120, 90, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor::fromHsv((i * 37) % 360, 160, 220));
    return image;
}

// Every third question has its own picture, every fifth picture answers, the others four to
// eight text answers.
ObjDataTyp Question(int k) {
    ObjDataTyp o;
    o.Typ = k % 3 == 0 ? ObjectKind::ChoiceQuestionPicture : ObjectKind::ChoiceQuestion;
    o.FrageNummer = k;
    const int answers = 4 + k % 5;
    QStringList lines;
    for (int i = 0; i < answers; ++i)
        lines.append(
            QStringLiteral("%1Antwort %2 auf die Frage %3").arg(i % 2 ? '-' : '+').arg(i).arg(k));
    o.Cap = JoinCommaText(
        {QStringLiteral("Frage %1: Welche der folgenden Antworten treffen auf diese Frage zu?")
             .arg(k),
         lines.join(QStringLiteral("\r\n"))});
    if (o.Typ == ObjectKind::ChoiceQuestionPicture)
        o.Picture.Image = Symbol(k);
    if (k % 5 == 0 && o.Typ == ObjectKind::ChoiceQuestion) {
        o.Untertyp = 1;
        o.AntwortAnz = answers;
        for (int i = 0; i < answers; ++i)
            o.AnswerPicture(i).Image = Symbol(k + i);
    }
    return o;
}

struct Fixture {
    Document document;
    ProgramState state;
    LayoutDispatch layouts;
    ViewComposer view{document, state, &layouts};
    QSize area{1920, 1080};

    Fixture() {
        document.Header.DokTyp = DocumentType::MultipleChoice;
        document.Header.EinrueckRand = DefaultEinrueckRand(DocumentType::MultipleChoice);
        document.BaseImage.Image = bench::PhotoLikeImage(1400, 1000);
        for (int k = 1; k <= kQuestions; ++k)
            document.Objects.push_back(Question(k));
        RegisterLayouts(layouts, state);
        MultipleChoiceLayout(document, true, state);
        view.ComposeView(area);
    }
};

Fixture& Data() {
    static Fixture fixture;
    return fixture;
}

void RegenerateChoiceLayout(benchmark::State& state) {
    Fixture& f = Data();
    for (auto _ : state)
        MultipleChoiceLayout(f.document, true, f.state);
    state.counters["objects"] = f.document.ObjectCount();
}

void ComposeChoiceView(benchmark::State& state) {
    Fixture& f = Data();
    for (auto _ : state)
        f.view.ComposeView(f.area);
}

} // namespace

BENCHMARK(RegenerateChoiceLayout)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(ComposeChoiceView)->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Data();
    return quindor::bench::RunWithRatios(argc, argv,
                                         {{"RegenerateChoiceLayout", "ComposeChoiceView", 0.3}});
}
