#pragma once

#include "core/messages.h"
#include "core/pickers.h"

#include <QPageSize>
#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace quindor {

// The one printer of the program: "Druckereinrichtung" sets it up for every printout, and the
// print dialogs and previews of all windows work on it. It is created when first needed (the
// printer system answers slowly). Without an installed printer a printout goes into a PDF file
// that the user names.
class ProgramPrinter {
public:
    // Draws the printout; false when the printer would not start the job.
    using Painter = std::function<bool(QPrinter&)>;

    ProgramPrinter(Pickers& pickers, Messages& messages);
    ~ProgramPrinter();

    QPrinter& printer();
    // The paper of the printouts: what the printer is set up for, A4 before it is first used.
    QPageSize paperSize() const;
    // Whether this computer has a printer to print on; overridable for tests.
    std::function<bool()> printerInstalled;

    static QString NoPrinterText() { return QStringLiteral("- Kein Drucker -"); }
    // What the print dialogs show of the printer: its name " an " its port, or that there is
    // none.
    QString infoText();
    static QString PrintFailedMessage() {
        return QStringLiteral("Der Druck konnte nicht gestartet werden.");
    }

    // "Druckereinrichtung": the page setup of the shared printer.
    void setupDialog(QWidget* parent);
    // The print dialog, then the printout; nothing when it is cancelled.
    void printWithDialog(QWidget* parent, const QString& title, const Painter& paint);
    // A printout without the print dialog (the view print dialog has its own fields); without a
    // printer the user names the PDF file first.
    void printDirect(const QString& title, const Painter& paint);
    // The print preview, from which the user may print.
    void preview(QWidget* parent, const QString& title, const Painter& paint);

private:
    void run(const QString& title, const Painter& paint);

    Pickers& pickers_;
    Messages& messages_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace quindor
