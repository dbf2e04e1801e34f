// Start-up to the first painted program window, against a bare main window with the same menus
// started the same way: each is a process of its own, started, painted once and ended.
#include "ratio_report.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QString ProbePath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/startup_probe");
}

void Start(benchmark::State& state, const QString& mode) {
    QTemporaryDir folder;
    const QString shape = folder.path() + QStringLiteral("/menus.txt");
    QProcess shaper;
    shaper.setStandardOutputFile(shape);
    shaper.start(ProbePath(), {QStringLiteral("shape"), folder.path()});
    shaper.waitForFinished(30000);
    for (auto _ : state) {
        QProcess probe;
        probe.start(ProbePath(), {mode, folder.path(), shape});
        if (!probe.waitForFinished(30000) || probe.exitCode() != 0) {
            state.SkipWithError("probe failed");
            break;
        }
    }
}

void StartProgramWindow(benchmark::State& state) {
    Start(state, QStringLiteral("program"));
}
void StartBareWindow(benchmark::State& state) {
    Start(state, QStringLiteral("bare"));
}

} // namespace

BENCHMARK(StartProgramWindow)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();
BENCHMARK(StartBareWindow)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    return quindor::bench::RunWithRatios(argc, argv,
                                         {{"StartProgramWindow", "StartBareWindow", 1.5}});
}
