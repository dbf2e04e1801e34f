#pragma once

#include "core/messages.h"
#include "core/pickers.h"
#include "core/program_state.h"
#include "print/rtf_writer.h"
#include "print/ui/program_printer.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include <optional>

namespace quindor {

// What a report window works with: the message port and the file dialogs, the program's
// printer, and the program state for the folder it saves into (the protocol folder, made when
// first needed).
struct ReportPorts {
    Messages& messages;
    Pickers& pickers;
    ProgramPrinter& printer;
    ProgramState& state;
};

// The comment dialog of the reports ("TProtKomForm"): a text to add, or nothing when
// cancelled.
std::optional<QString> AskReportComment(QWidget* parent, const QString& caption);

// A read-only rich-text report with its buttons: close, copy, save as rich text and print.
// The protocol window and the topic list window are built on it.
class ReportWindow : public QDialog {
    Q_OBJECT
public:
    ReportWindow(const ReportPorts& ports, const QString& objectName, const QString& caption,
                 QWidget* parent = nullptr);

    // Replaces the content by a marked-up text ("<tit>" lines are headings).
    void setReport(const QString& text);
    QByteArray richText() const { return WriteRtf(content_, 160); }
    const std::vector<RichParagraph>& content() const { return content_; }
    QTextEdit* area();
    bool saveAs(const QString& path);
    void saveCommand();
    void printCommand();
    void previewCommand();
    // The content on a printer (or into a PDF file), as a document titled as the window says.
    bool printTo(QPrinter& printer);

protected:
    void showEvent(QShowEvent* event) override;
    void render(const QString& text, bool clear);
    // Adds a button before the closing one.
    QPushButton* addButton(const QString& text);
    ReportPorts ports_;

private:
    QVBoxLayout* layout_;
    QTextEdit* area_ = nullptr;
    QHBoxLayout* buttons_;
    int buttonCount_ = 0;
    std::vector<RichParagraph> content_;
};

} // namespace quindor
