// The whiteboard's costs: a freehand stroke's mouse-move step on a full-HD and a 4K picture area
// (opaque and see-through), against composing the view; making a lined sheet, against composing
// the view; filing a screenshot, against Qt's own PNG writer at compression level 5.
#include "document/document_session.h"
#include "ratio_report.h"
#include "sample_images.h"
#include "view/view_composer.h"
#include "whiteboard/annotator.h"
#include "whiteboard/chronicle.h"
#include "whiteboard/sheet_document.h"
#include "whiteboard/sheets.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTemporaryDir>

#include <cmath>

namespace {

using namespace quindor;

const QSize kFullHd(1920, 1080);
const QSize kUltraHd(3840, 2160);

SheetPattern LinedSheet() {
    SheetPattern pattern;
    pattern.kind = SheetKind::Lines;
    pattern.count = 15;
    return pattern;
}

// A lined sheet shown in a picture area of its own size.
struct Board {
    ProgramState state;
    RecordingMessages messages;
    NoBusyIndicator busy;
    DocumentSession session{state, messages, busy};
    ViewComposer view{session.document(), state};
    Annotator annotator{view};

    explicit Board(QSize size) {
        InstallSheet(session, MakeSheet(LinedSheet(), size), NewSheetTitle());
        view.ComposeView(size);
    }
};

// The i-th point of a zig-zag stroke 12 pixels a step through the same band of either
// picture, so both sizes see the same drawing.
QPoint StrokePoint(int i) {
    return QPoint(100 + (i * 12) % 1500, 300 + static_cast<int>(120 * std::sin(i * 0.21)));
}

void Stroke(benchmark::State& state, QSize size, int colour) {
    Board board(size);
    board.annotator.tools().tool = Tool::Freehand;
    board.annotator.tools().size = 2;
    board.annotator.tools().colour = colour;
    int i = 0;
    board.annotator.press(StrokePoint(i));
    for (auto _ : state)
        benchmark::DoNotOptimize(board.annotator.move(StrokePoint(++i)));
    board.annotator.release(StrokePoint(i));
}

void FreehandMoveFullHd(benchmark::State& state) {
    Stroke(state, kFullHd, 24);
}
void FreehandMoveUltraHd(benchmark::State& state) {
    Stroke(state, kUltraHd, 24);
}
void HighlighterMoveFullHd(benchmark::State& state) {
    Stroke(state, kFullHd, 12);
}
void HighlighterMoveUltraHd(benchmark::State& state) {
    Stroke(state, kUltraHd, 12);
}

void ComposeViewFullHd(benchmark::State& state) {
    Board board(kFullHd);
    for (auto _ : state)
        board.view.ComposeView(kFullHd);
}

void MakeLinedSheetFullHd(benchmark::State& state) {
    Board board(kFullHd);
    for (auto _ : state)
        InstallSheet(board.session, MakeSheet(LinedSheet(), kFullHd), NewSheetTitle());
}

// What a lesson's screen looks like: a lined sheet with writing and a photo pasted in.
QImage Screenshot() {
    Board board(kFullHd);
    Annotator& a = board.annotator;
    a.tools().tool = Tool::Freehand;
    for (int line = 0; line < 12; ++line) {
        a.press(QPoint(80, 80 + line * 72));
        for (int i = 1; i < 120; ++i)
            a.move(QPoint(80 + i * 9, 80 + line * 72 + static_cast<int>(20 * std::sin(i * 0.7))));
        a.release(QPoint(80 + 119 * 9, 80 + line * 72));
    }
    a.pastePicture(bench::PhotoLikeImage(640, 480), QRect(1200, 500, 640, 480));
    return board.view.displayPicture().copy();
}

void FileScreenshot(benchmark::State& state) {
    const QImage picture = Screenshot();
    QTemporaryDir dir;
    ProgramState program;
    program.ChronicleFolder = dir.path() + QStringLiteral("/chronik/");
    RecordingMessages messages;
    Chronicle chronicle(program, messages);
    const QDateTime now = QDateTime::currentDateTime();
    for (auto _ : state)
        benchmark::DoNotOptimize(chronicle.file(picture, now));
}

// Qt 6 takes a PNG's compression from 0 to 100 and hands zlib nine 91sts of it: 5 would be
// stored without compression, 51 is zlib's level 5.
constexpr int kQtPngLevel5 = 51;

void QtWritesPngLevel5(benchmark::State& state) {
    const QImage picture = Screenshot();
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/qt.png");
    for (auto _ : state) {
        QImageWriter writer(path, "png");
        writer.setCompression(kQtPngLevel5);
        benchmark::DoNotOptimize(writer.write(picture));
    }
}

} // namespace

BENCHMARK(FreehandMoveFullHd)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(FreehandMoveUltraHd)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(HighlighterMoveFullHd)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(HighlighterMoveUltraHd)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(ComposeViewFullHd)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(MakeLinedSheetFullHd)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(FileScreenshot)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
BENCHMARK(QtWritesPngLevel5)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return quindor::bench::RunWithRatios(argc, argv,
                                         {{"FreehandMoveUltraHd", "FreehandMoveFullHd", 1.2},
                                          {"HighlighterMoveUltraHd", "HighlighterMoveFullHd", 1.2},
                                          {"FreehandMoveFullHd", "ComposeViewFullHd", 0.02},
                                          {"HighlighterMoveFullHd", "ComposeViewFullHd", 0.02},
                                          {"MakeLinedSheetFullHd", "ComposeViewFullHd", 0.5},
                                          {"FileScreenshot", "QtWritesPngLevel5", 1.0}});
}
