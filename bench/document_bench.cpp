// Loading and writing a document whose size is dominated by a photographic base image, each
// against the plain Qt PNG codec on the same pixels.
#include "document/document.h"
#include "document/document_reader.h"
#include "document/document_writer.h"
#include "document/png_codec.h"
#include "ratio_report.h"
#include "sample_images.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

namespace {

using namespace quindor;

struct Fixture {
    Document document;
    QByteArray fileBytes;
    QByteArray basePng;

    Fixture() {
        document.BaseImage.Image = bench::PhotoLikeImage(2000, 1500);
        for (int i = 0; i < 100; ++i) {
            const double x = (i % 10) / 10.0 + 0.05;
            const double y = (i / 10) / 10.0 + 0.05;
            AddObject(document,
                      {.Typ = i % 3 == 0 ? ObjectKind::FixedLabel : ObjectKind::QueryLabel,
                       .Ebene = 1,
                       .Cap = QStringLiteral("Beschriftung %1").arg(i),
                       .FrageNummer = -1,
                       .Kx = x,
                       .Ky = y,
                       .KAusr = 0,
                       .Fsize = 0});
        }
        fileBytes = WriteDocumentBytes(document);
        basePng = EncodePng(document.BaseImage.Image);
    }
};

Fixture& Data() {
    static Fixture fixture;
    return fixture;
}

void LoadDocument(benchmark::State& state) {
    const Fixture& f = Data();
    for (auto _ : state) {
        Document document;
        const ReadStatus status = ReadDocumentBytes(f.fileBytes, document, ReadOptions());
        benchmark::DoNotOptimize(status);
    }
}

void LoadBaselineQImage(benchmark::State& state) {
    const Fixture& f = Data();
    for (auto _ : state) {
        QImage image;
        image.loadFromData(f.basePng, "PNG");
        benchmark::DoNotOptimize(image.constBits());
    }
}

void WriteDocument(benchmark::State& state) {
    Fixture& f = Data();
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray bytes = WriteDocumentBytes(f.document);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    state.counters["bytes"] = static_cast<double>(size);
}

void WriteBaselineQImageWriter(benchmark::State& state) {
    const Fixture& f = Data();
    const QImage rgba = f.document.BaseImage.Image.convertToFormat(QImage::Format_RGBA8888);
    qsizetype size = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "PNG");
        // Qt takes 0-100 here and maps it onto zlib levels 0-9; 56 is zlib level 5.
        writer.setCompression(56);
        writer.write(rgba);
        size = buffer.size();
        benchmark::DoNotOptimize(buffer.data().constData());
    }
    state.counters["bytes"] = static_cast<double>(size);
}

BENCHMARK(LoadDocument)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(LoadBaselineQImage)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(WriteDocument)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(WriteBaselineQImageWriter)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int result =
        quindor::bench::RunWithRatios(argc, argv,
                                      {{"LoadDocument", "LoadBaselineQImage", 0.8},
                                       {"WriteDocument", "WriteBaselineQImageWriter", 1.0}});
    // File size of the written document against the Qt PNG of its base image alone.
    Fixture& f = Data();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "PNG");
    writer.setCompression(56);
    writer.write(f.document.BaseImage.Image.convertToFormat(QImage::Format_RGBA8888));
    const double sizeRatio = static_cast<double>(WriteDocumentBytes(f.document).size()) /
                             static_cast<double>(buffer.size());
    std::printf("ratio written file size / QImageWriter PNG size = %.3f (goal <= 1.05) %s\n",
                sizeRatio, sizeRatio <= 1.05 ? "ok" : "MISSED");
    return result;
}
