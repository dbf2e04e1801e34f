// The worksheet of a labelled picture with 60 query fields: building the sheet and painting it
// into the dialog's preview, and building it and writing it as a PDF, each against one
// ComposeView() of the same document in the same run.
#include "print/worksheet_output.h"
#include "print/worksheet_sheet.h"
#include "ratio_report.h"
#include "sample_images.h"
#include "view/view_composer.h"

#include <QGuiApplication>
#include <QPainter>

namespace {

using namespace quindor;

const QSize kArea(1735, 1064);
// The preview's room in the dialog.
const QSize kPreviewRoom(620, 1000);

struct Fixture {
    Document document;
    ProgramState state;
    ViewComposer view{document, state};
    WorksheetSettings settings;
    WorksheetSource source;

    Fixture() {
        document.Header.Titel = QStringLiteral("Sechzig Felder");
        document.BaseImage.Image = bench::PhotoLikeImage(2000, 1500);
        for (int i = 0; i < 60; ++i) {
            const double x = (i % 10) / 10.0 + 0.05;
            const double y = (i / 10) / 6.0 + 0.08;
            const int index = AddObject(document, {.Typ = ObjectKind::QueryLabel,
                                                   .Ebene = 1,
                                                   .Cap = QStringLiteral("Beschriftung %1").arg(i),
                                                   .FrageNummer = -1,
                                                   .Kx = x,
                                                   .Ky = y,
                                                   .KAusr = 1,
                                                   .Fsize = 0});
            ObjDataTyp& o = document.Object(index);
            o.HDeck = 100;
            o.HFarbe = 0xFFFFFF;
            o.Sx = x - 0.03;
            o.Sy = y;
            o.Sline = 1;
            o.LinieDicke = 1;
        }
        view.ComposeView(kArea);
        settings.TitelEdit = document.Header.Titel;
        settings.AufgMemo = document.Header.ABAufgabe;
        source.document = &document;
        source.pageImageSize = view.pageImage().size();
    }

    SheetPicture build() {
        WorksheetRequest request{WorksheetVariant::Worksheet, 17, false};
        return BuildWorksheet(source, settings, request);
    }
};

Fixture& Sheet() {
    static Fixture fixture;
    return fixture;
}

void ComposeView(benchmark::State& state) {
    Fixture& f = Sheet();
    for (auto _ : state)
        f.view.ComposeView(kArea);
}

void BuildAndPreview(benchmark::State& state) {
    Fixture& f = Sheet();
    const QSize inner = WorksheetPreviewSize(kPreviewRoom, false) - QSize(40, 40);
    QImage preview(inner, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const SheetPicture sheet = f.build();
        preview.fill(Qt::white);
        QPainter painter(&preview);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        PaintWorksheet(painter, sheet, QRectF(QPointF(0, 0), QSizeF(inner)));
    }
}

void BuildAndWritePdf(benchmark::State& state) {
    Fixture& f = Sheet();
    qsizetype bytes = 0;
    for (auto _ : state)
        bytes = WorksheetPrintPdf({{f.build(), false}}, WorksheetPrintPlacement()).size();
    state.counters["pdf_kB"] = static_cast<double>(bytes) / 1024;
}

} // namespace

BENCHMARK(ComposeView)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BuildAndPreview)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BuildAndWritePdf)->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return quindor::bench::RunWithRatios(
        argc, argv,
        {{"BuildAndPreview", "ComposeView", 1.0}, {"BuildAndWritePdf", "ComposeView", 2.0}});
}
