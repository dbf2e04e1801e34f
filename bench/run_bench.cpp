// Checked actions of runs on full-HD pages, pauses left out, each against one ComposeView() of
// the same document in the same run: the "OK" of a multiple-choice question of 100 (from the
// click to the next question presented), a card dropped into its basket of a cluster of five
// baskets of sixteen cards, and a pair of sixteen joined.
#include "document/caption_codec.h"
#include "exercise/exercise_run.h"
#include "exercise/headless_surface.h"
#include "layouts/document_layouts.h"
#include "layouts/question_layouts.h"
#include "ratio_report.h"
#include "sample_images.h"
#include "view/view_composer.h"

#include <QGuiApplication>

#include <functional>

namespace {

using namespace quindor;

const QSize kArea(1735, 1064);

class NoSound : public platform::SoundPlayer {
public:
    void play(const QString&, bool) override {}
    void stop() override {}
};

// A document of the type made by `fill`, laid out, with a run ready to start on it.
struct RunFixture {
    Document document;
    ProgramState state;
    Settings settings;
    RecordingMessages messages;
    NoSound sound;
    LayoutDispatch layouts;
    ViewComposer view{document, state, &layouts};
    HeadlessSurface surface{view, kArea};
    ExerciseRun run{document,
                    state,
                    settings,
                    messages,
                    sound,
                    surface,
                    {[] { return int64_t{0}; }, [] { return 0.0; }}};

    RunFixture(DocumentType type, const std::function<void(Document&)>& fill) {
        document.Header.DokTyp = type;
        document.Header.EinrueckRand = DefaultEinrueckRand(type);
        document.BaseImage.Image = bench::PhotoLikeImage(1400, 1000);
        fill(document);
        RegisterLayouts(layouts, state);
        layouts.setPageSize([this] { return view.pageImage().size(); });
        view.ComposeView(kArea);
        layouts.run(document, true);
        run.setLayouts(&layouts);
        settings.OptSound = false;
        settings.OptUebNameEingabe = false;
        settings.OptUebErgebAnzeigen = false;
        start();
    }

    void start() {
        if (state.ViewMode == Mode::Exercise) {
            messages.queueAnswer(Answer::Yes);
            run.AbortExercise();
        }
        run.StartExercise({});
    }
    // A new run outside the measurement when the last action would end this one.
    void keepRunning(benchmark::State& s) {
        if (run.data().OpenCount > 1)
            return;
        s.PauseTiming();
        start();
        s.ResumeTiming();
    }
    const QueryPair& asked() const {
        return run.queryList()[static_cast<size_t>(run.data().CurrentIndex)];
    }
};

// Every question with four to eight text answers, every third with a picture of its own.
void ChoiceQuestions(Document& d) {
    for (int k = 1; k <= 100; ++k) {
        ObjDataTyp o;
        o.Typ = k % 3 == 0 ? ObjectKind::ChoiceQuestionPicture : ObjectKind::ChoiceQuestion;
        QStringList lines;
        for (int i = 0; i < 4 + k % 5; ++i)
            lines.append(
                QStringLiteral("%1Antwort %2 auf Frage %3").arg(i % 2 ? '-' : '+').arg(i).arg(k));
        o.Cap = JoinCommaText({QStringLiteral("Frage %1: Welche Antworten treffen zu?").arg(k),
                               lines.join(QStringLiteral("\r\n"))});
        if (o.Typ == ObjectKind::ChoiceQuestionPicture)
            o.Picture.Image = bench::PhotoLikeImage(160, 120);
        d.Objects.push_back(o);
    }
}

// Five baskets of sixteen cards (headings in the first row), or sixteen pairs; every third
// card a picture.
void Grid(Document& d, int rows, int columns) {
    HeaderDataTyp& h = d.Header;
    h.Zeilen = rows;
    h.Spalten = columns;
    h.Linie = 1;
    Picture picture;
    picture.Image = bench::PhotoLikeImage(120, 90);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            CellDataTyp& cell = h.Cell(r, c);
            const bool heading = d.Header.DokTyp == DocumentType::Cluster && r == 0;
            if ((r * columns + c) % 3 == 2) {
                cell.Art = heading ? 2 : 3;
                cell.Bild = picture;
            } else {
                cell.Art = heading ? 0 : 1;
                cell.Text = QStringLiteral("Karte %1 in Spalte %2").arg(r).arg(c + 1);
            }
        }
    }
}

RunFixture& Choice() {
    static RunFixture f(DocumentType::MultipleChoice, ChoiceQuestions);
    return f;
}

RunFixture& Cluster() {
    static RunFixture f(DocumentType::Cluster, [](Document& d) { Grid(d, 16, 5); });
    return f;
}

RunFixture& Pairs() {
    static RunFixture f(DocumentType::CrossMatching, [](Document& d) { Grid(d, 16, 2); });
    return f;
}

void Compose(benchmark::State& s, RunFixture& f) {
    for (auto _ : s)
        f.view.ComposeView(kArea);
}

void ComposeChoiceRun(benchmark::State& s) {
    Compose(s, Choice());
}

// The correct answers ticked outside the measurement; "OK" judges them and presents the next
// question.
void CheckedChoiceOk(benchmark::State& s) {
    RunFixture& f = Choice();
    for (auto _ : s) {
        f.keepRunning(s);
        s.PauseTiming();
        const int question = f.document.Object(f.asked().TargetObject).FrageNummer;
        int ok = -1;
        for (int i = 0; i < f.document.ObjectCount(); ++i) {
            const ObjDataTyp& o = f.document.Object(i);
            if (o.FrageNummer != question)
                continue;
            if (o.Typ == ObjectKind::ChoiceOk)
                ok = i;
            else if (o.Typ == ObjectKind::ChoiceMarker && o.Cap == QStringLiteral("+"))
                f.run.panelReleased(i);
        }
        s.ResumeTiming();
        f.run.panelReleased(ok);
    }
    s.counters["correct"] = f.run.data().CorrectCount;
}

void ComposeClusterRun(benchmark::State& s) {
    Compose(s, Cluster());
}

void CheckedBasketDrop(benchmark::State& s) {
    RunFixture& f = Cluster();
    const FracRect& m = f.document.Header.EinrueckRand;
    const double w = (1 - m.Left - m.Right) / f.document.Header.Spalten;
    for (auto _ : s) {
        f.keepRunning(s);
        // Free assignment: any card still open, into its basket.
        int panel = 0;
        while (f.document.Object(f.run.queryList()[static_cast<size_t>(panel)].CardObject).State !=
               ObjectState::Open)
            ++panel;
        const ObjDataTyp& card =
            f.document.Object(f.run.queryList()[static_cast<size_t>(panel)].CardObject);
        const QPointF centre(m.Left + (card.BildKenn.mid(5).toInt() - 0.5) * w, 0.5);
        f.run.FindDropTarget(centre, QRectF(centre - QPointF(0.05, 0.02), QSizeF(0.1, 0.04)));
        f.run.panelReleased(panel);
    }
    s.counters["correct"] = f.run.data().CorrectCount;
}

void ComposePairRun(benchmark::State& s) {
    Compose(s, Pairs());
}

void CheckedPair(benchmark::State& s) {
    RunFixture& f = Pairs();
    for (auto _ : s) {
        f.keepRunning(s);
        for (int i = 0; i < f.document.ObjectCount(); ++i) {
            const ObjDataTyp& o = f.document.Object(i);
            if (o.State == ObjectState::PairOpen && o.Partner > i) {
                const int partner = o.Partner;
                for (const int element : {i, partner}) {
                    f.run.panelPressed(element);
                    f.run.panelReleased(element);
                }
                break;
            }
        }
    }
    s.counters["correct"] = f.run.data().CorrectCount;
}

} // namespace

BENCHMARK(ComposeChoiceRun)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(CheckedChoiceOk)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(ComposeClusterRun)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(CheckedBasketDrop)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(ComposePairRun)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(CheckedPair)->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return quindor::bench::RunWithRatios(argc, argv,
                                         {{"CheckedChoiceOk", "ComposeChoiceRun", 0.2},
                                          {"CheckedBasketDrop", "ComposeClusterRun", 0.2},
                                          {"CheckedPair", "ComposePairRun", 0.2}});
}
