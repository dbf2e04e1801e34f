// Opening a document with a large photograph as a fresh process (`quindor-doc info`), against
// a bare Qt program that decodes the same PNG (png_decode_baseline). Each is started as a
// process of its own, alternately, several times; the medians of wall time and of peak
// resident memory are compared. A warm in-process comparison cannot show what a cold process
// pays: page faults for every fresh buffer, zero fills, copies of the file and of rows.
//
//   open_cold_bench [--runs N] [--width W] [--height H] [--keep FOLDER]
#include "document/document.h"
#include "document/document_writer.h"
#include "document/png_codec.h"
#include "process_runs.h"
#include "sample_images.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace quindor;

struct Pair {
    const char* name;
    const char* baselineName;
    std::vector<std::string> measured;
    std::vector<std::string> baseline;
};

struct Result {
    double seconds = 0;
    double baselineSeconds = 0;
    double peak = 0;
    double baselinePeak = 0;
};

bool Measure(const Pair& pair, int runs, Result& result) {
    std::vector<double> t, tb, m, mb;
    bench::ProcessSample sample;
    // One unmeasured run each fills the page cache with the programs, libraries and files.
    if (!bench::RunProcess(pair.measured, sample) || !bench::RunProcess(pair.baseline, sample))
        return false;
    // Alternately, so that a change of the machine's load meets both alike.
    for (int i = 0; i < runs; ++i) {
        if (!bench::RunProcess(pair.measured, sample))
            return false;
        t.push_back(sample.seconds);
        m.push_back(sample.peakMegabytes);
        if (!bench::RunProcess(pair.baseline, sample))
            return false;
        tb.push_back(sample.seconds);
        mb.push_back(sample.peakMegabytes);
    }
    result = {bench::Median(t), bench::Median(tb), bench::Median(m), bench::Median(mb)};
    std::printf("%-28s median %7.1f ms  peak RSS %6.1f MB  (%d runs)\n", pair.name,
                result.seconds * 1000, result.peak, runs);
    std::printf("%-28s median %7.1f ms  peak RSS %6.1f MB  (%d runs)\n", pair.baselineName,
                result.baselineSeconds * 1000, result.baselinePeak, runs);
    return true;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Writes the test files: the document, the PNG of its base image, and both again with the
// picture as Qt writes PNG files. Runs as a child process of its own, so that the measuring
// process stays small: a child's peak memory as the kernel reports it includes the peak of
// the process it was started from.
int Prepare(const QString& folder, int width, int height) {
    // A photograph as the base image and a hundred labels, as in the in-process benchmark.
    Document document;
    document.BaseImage.Image = bench::PhotoLikeImage(width, height);
    for (int i = 0; i < 100; ++i) {
        const double x = (i % 10) / 10.0 + 0.05;
        const double y = (i / 10) / 10.0 + 0.05;
        AddObject(document, {.Typ = i % 3 == 0 ? ObjectKind::FixedLabel : ObjectKind::QueryLabel,
                             .Cap = QStringLiteral("Beschriftung %1").arg(i),
                             .Kx = x,
                             .Ky = y,
                             .KAusr = 0});
    }
    const QByteArray fileBytes = WriteDocumentBytes(document);
    const QByteArray ownPng = EncodePng(document.BaseImage.Image);
    // The same document with its base image as Qt writes PNG files (many small IDAT chunks),
    // as a document of another writer would carry it; the base image is the file's last field.
    QBuffer qtPng;
    qtPng.open(QIODevice::WriteOnly);
    QImageWriter writer(&qtPng, "PNG");
    writer.setCompression(56);
    writer.write(document.BaseImage.Image.convertToFormat(QImage::Format_RGBA8888));
    const QByteArray foreignBytes = fileBytes.left(fileBytes.size() - ownPng.size()) + qtPng.data();
    if (!fileBytes.endsWith(ownPng) ||
        !WriteFile(folder + QStringLiteral("/foto.qdr"), fileBytes) ||
        !WriteFile(folder + QStringLiteral("/foto.png"), ownPng) ||
        !WriteFile(folder + QStringLiteral("/foto_fremd.qdr"), foreignBytes) ||
        !WriteFile(folder + QStringLiteral("/foto_fremd.png"), qtPng.data())) {
        std::fprintf(stderr, "cannot write the test files into %s\n", qPrintable(folder));
        return 1;
    }
    std::printf("document %d x %d: %.1f MB; with the picture as Qt writes it: %.1f MB\n", width,
                height, fileBytes.size() / 1048576.0, foreignBytes.size() / 1048576.0);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const QStringList args = [&] {
        QStringList list;
        for (int i = 0; i < argc; ++i)
            list.append(QString::fromLocal8Bit(argv[i]));
        return list;
    }();
    if (args.value(1) == QLatin1String("--prepare")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return Prepare(args.value(2), args.value(3).toInt(), args.value(4).toInt());
    }
    QCoreApplication app(argc, argv);
    int runs = 9;
    int width = 4000;
    int height = 3000;
    QString keep;
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QLatin1String("--runs"))
            runs = std::max(1, args.at(i + 1).toInt());
        else if (args.at(i) == QLatin1String("--width"))
            width = std::max(1, args.at(i + 1).toInt());
        else if (args.at(i) == QLatin1String("--height"))
            height = std::max(1, args.at(i + 1).toInt());
        else if (args.at(i) == QLatin1String("--keep"))
            keep = args.at(i + 1);
    }
    QTemporaryDir temporary;
    const QString folder = keep.isEmpty() ? temporary.path() : keep;
    QDir().mkpath(folder);
    // The children run without a display and with a runtime folder of their own.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString runtime = temporary.path() + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());

    bench::ProcessSample prepared;
    const std::string self = QCoreApplication::applicationFilePath().toStdString();
    if (!bench::RunProcess({self, "--prepare", folder.toStdString(), std::to_string(width),
                            std::to_string(height)},
                           prepared, true)) {
        std::fprintf(stderr, "preparing the test files failed\n");
        return 1;
    }

    const std::string tool = QUINDOR_DOC_PATH;
    const std::string baseline =
        (QCoreApplication::applicationDirPath() + QStringLiteral("/png_decode_baseline"))
            .toStdString();
    const std::string dir = folder.toStdString();
    const Pair own{"OpenDocumentCold",
                   "QtDecodePngCold",
                   {tool, "info", dir + "/foto.qdr"},
                   {baseline, dir + "/foto.png"}};
    const Pair foreign{"OpenForeignPngDocumentCold",
                       "QtDecodeForeignPngCold",
                       {tool, "info", dir + "/foto_fremd.qdr"},
                       {baseline, dir + "/foto_fremd.png"}};
    Result a;
    Result b;
    if (!Measure(own, runs, a) || !Measure(foreign, runs, b)) {
        std::fprintf(stderr, "a process failed\n");
        return 1;
    }
    std::printf("\n");
    bench::PrintRatio("OpenDocumentCold", "QtDecodePngCold", a.seconds / a.baselineSeconds, 0.8);
    bench::PrintRatio("OpenDocumentColdPeakRss", "QtDecodePngColdPeakRss", a.peak / a.baselinePeak,
                      1.2);
    bench::PrintRatio("OpenForeignPngDocumentCold", "QtDecodeForeignPngCold",
                      b.seconds / b.baselineSeconds, 0.8);
    bench::PrintRatio("OpenForeignPngDocumentColdPeakRss", "QtDecodeForeignPngColdPeakRss",
                      b.peak / b.baselinePeak, 1.2);
    return 0;
}
