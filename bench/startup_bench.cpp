// Start-up to the first painted program window, against a bare main window with the same menus
// started the same way: each is a process of its own (startup_probe), started, painted once and
// ended. The two are started alternately, so that a change of the machine's load meets both
// alike, and their median wall times are compared; the median processor times are shown too.
//
//   startup_bench [--runs N]
#include "process_runs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int runs = 60;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i + 1 < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--runs"))
            runs = std::max(1, args.at(i + 1).toInt());
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir folder;
    const QString runtime = folder.path() + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());

    using namespace quindor::bench;
    const std::string probe =
        (QCoreApplication::applicationDirPath() + QStringLiteral("/startup_probe")).toStdString();
    const std::string dir = folder.path().toStdString();
    const std::string shape = dir + "/menus.txt";
    // The bare window gets the program window's menus, as the "shape" run lists them.
    {
        const std::string writeShape =
            "exec \"" + probe + "\" shape \"" + dir + "\" > \"" + shape + "\"";
        ProcessSample sample;
        if (!RunProcess({"/bin/sh", "-c", writeShape}, sample, true)) {
            std::fprintf(stderr, "startup_probe shape failed\n");
            return 1;
        }
    }
    const std::vector<std::string> program{probe, "program", dir, shape};
    const std::vector<std::string> bare{probe, "bare", dir, shape};
    std::vector<double> wall, wallBare, cpu, cpuBare;
    ProcessSample sample;
    // One unmeasured run each fills the page cache.
    if (!RunProcess(program, sample) || !RunProcess(bare, sample)) {
        std::fprintf(stderr, "startup_probe failed\n");
        return 1;
    }
    for (int i = 0; i < runs; ++i) {
        if (!RunProcess(program, sample))
            return 1;
        wall.push_back(sample.seconds);
        cpu.push_back(sample.cpuSeconds);
        if (!RunProcess(bare, sample))
            return 1;
        wallBare.push_back(sample.seconds);
        cpuBare.push_back(sample.cpuSeconds);
    }
    std::printf("StartProgramWindow  median %6.1f ms  processor %6.1f ms  (%d runs)\n",
                Median(wall) * 1000, Median(cpu) * 1000, runs);
    std::printf("StartBareWindow     median %6.1f ms  processor %6.1f ms  (%d runs)\n\n",
                Median(wallBare) * 1000, Median(cpuBare) * 1000, runs);
    PrintRatio("StartProgramWindow", "StartBareWindow", Median(wall) / Median(wallBare), 1.5);
    std::printf("(processor time: %.2f)\n", Median(cpu) / Median(cpuBare));
    return 0;
}
