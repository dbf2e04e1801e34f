#include "print/ui/program_printer.h"

#include "print/ui/screen_room.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace quindor {

ProgramPrinter::ProgramPrinter(Pickers& pickers, Messages& messages)
    : printerInstalled([] { return !QPrinterInfo::availablePrinterNames().isEmpty(); }),
      pickers_(pickers), messages_(messages) {}

ProgramPrinter::~ProgramPrinter() = default;

QPrinter& ProgramPrinter::printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

QPageSize ProgramPrinter::paperSize() const {
    return printer_ ? printer_->pageLayout().pageSize() : QPageSize(QPageSize::A4);
}

QString ProgramPrinter::infoText() {
    if (!printerInstalled())
        return NoPrinterText();
    const QString name = printer().printerName();
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    return name + QStringLiteral(" an ") +
           (info.isNull() ? printer().outputFileName() : info.location());
}

void ProgramPrinter::setupDialog(QWidget* parent) {
    QPageSetupDialog dialog(&printer(), parent);
    dialog.exec();
}

void ProgramPrinter::printWithDialog(QWidget* parent, const QString& title, const Painter& paint) {
    QPrinter& target = printer();
    target.setDocName(title);
    QPrintDialog dialog(&target, parent);
    if (dialog.exec() == QDialog::Accepted)
        run(title, paint);
}

void ProgramPrinter::printDirect(const QString& title, const Painter& paint) {
    QPrinter& target = printer();
    if (!printerInstalled()) {
        const QString path =
            pickers_.saveFile(QStringLiteral("Kein Drucker - als PDF-Datei speichern"),
                              QStringLiteral("PDF-Dokument (*.pdf)|*.pdf|Alle Dateien (*.*)|*.*"),
                              QStringLiteral("pdf"), QString());
        if (path.isEmpty())
            return;
        target.setOutputFormat(QPrinter::PdfFormat);
        target.setOutputFileName(path);
    }
    run(title, paint);
}

void ProgramPrinter::preview(QWidget* parent, const QString& title, const Painter& paint) {
    QPrinter& target = printer();
    target.setDocName(title);
    QPrintPreviewDialog dialog(&target, parent);
    // Wide enough for all its tool buttons, printing among them.
    dialog.resize(FittedToScreen(QSize(900, 700)));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* device) { paint(*device); });
    dialog.exec();
}

void ProgramPrinter::run(const QString& title, const Painter& paint) {
    QPrinter& target = printer();
    target.setDocName(title);
    // A printer that cannot start the job says so instead of printing nothing in silence.
    if (!paint(target) || target.printerState() == QPrinter::Error)
        messages_.error(PrintFailedMessage());
}

} // namespace quindor
