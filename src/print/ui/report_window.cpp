#include "print/ui/report_window.h"

#include "core/file_replace.h"
#include "core/program_folders.h"
#include "document/document_session.h"
#include "print/report.h"

#include <QPlainTextEdit>
#include <QPrinter>

namespace quindor {

std::optional<QString> AskReportComment(QWidget* parent, const QString& caption) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("TProtKomForm"));
    dialog.setWindowTitle(caption);
    auto* layout = new QVBoxLayout(&dialog);
    auto* field = new QPlainTextEdit(&dialog);
    layout->addWidget(field);
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), &dialog);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    row->addWidget(ok);
    row->addWidget(cancel);
    layout->addLayout(row);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return field->toPlainText();
}

namespace {

constexpr int kTabStopPoints = 160;

} // namespace

ReportWindow::ReportWindow(const ReportPorts& ports, const QString& objectName,
                           const QString& caption, QWidget* parent)
    : QDialog(parent), ports_(ports), layout_(new QVBoxLayout(this)), buttons_(new QHBoxLayout) {
    setObjectName(objectName);
    setWindowTitle(caption);
    connect(addButton(QStringLiteral("In Zwischenablage kopieren")), &QPushButton::clicked, this,
            [this] {
                area()->selectAll();
                area()->copy();
                QTextCursor cursor = area()->textCursor();
                cursor.clearSelection();
                area()->setTextCursor(cursor);
            });
    connect(addButton(QStringLiteral("Speichern...")), &QPushButton::clicked, this,
            &ReportWindow::saveCommand);
    connect(addButton(QStringLiteral("Drucken...")), &QPushButton::clicked, this,
            &ReportWindow::printCommand);
    connect(addButton(QStringLiteral("Vorschau...")), &QPushButton::clicked, this,
            &ReportWindow::previewCommand);
    buttons_->addStretch();
    auto* close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setObjectName(QStringLiteral("SchliessenBtn"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons_->addWidget(close);
    layout_->addLayout(buttons_);
    resize(760, 560);
}

QTextEdit* ReportWindow::area() {
    // The rich-text area is made when first needed: the protocol window exists from the start
    // of the program, its text only after a run.
    if (!area_) {
        area_ = new QTextEdit(this);
        area_->setReadOnly(true);
        area_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        layout_->insertWidget(0, area_, 1);
    }
    return area_;
}

void ReportWindow::showEvent(QShowEvent* event) {
    area();
    QDialog::showEvent(event);
}

QPushButton* ReportWindow::addButton(const QString& text) {
    auto* button = new QPushButton(text, this);
    // In the order added, before the stretch and the closing button.
    buttons_->insertWidget(buttonCount_++, button);
    return button;
}

void ReportWindow::render(const QString& text, bool clear) {
    if (clear) {
        area()->clear();
        content_.clear();
    }
    const std::vector<RichParagraph> paragraphs = ProtocolParagraphs(text);
    AppendToDocument(*area()->document(), paragraphs, kTabStopPoints);
    content_.insert(content_.end(), paragraphs.begin(), paragraphs.end());
}

void ReportWindow::setReport(const QString& text) {
    render(text, true);
}

bool ReportWindow::saveAs(const QString& path) {
    return ReplaceFileContent(path, richText());
}

void ReportWindow::saveCommand() {
    // The dialog starts in the protocol folder, so it must be there.
    CreateDefaultFolder(ports_.state, ports_.state.ProtocolFolder);
    const QString path = ports_.pickers.saveFile(
        QStringLiteral("Übungsprotokoll in Datei speichern"),
        QStringLiteral("Rich Text Dokument (*.rtf)|*.rtf|Alle Dateien (*.*)|*.*"),
        QStringLiteral("rtf"), ports_.state.ProtocolFolder);
    if (!path.isEmpty() && !saveAs(path))
        ports_.messages.error(DocumentSession::WriteErrorMessage(path));
}

bool ReportWindow::printTo(QPrinter& printer) {
    // Both reports print as the protocol does.
    printer.setDocName(QStringLiteral("Übungsprotokoll"));
    area()->document()->print(&printer);
    return printer.printerState() != QPrinter::Error;
}

void ReportWindow::printCommand() {
    ports_.printer.printWithDialog(this, QStringLiteral("Übungsprotokoll"),
                                   [this](QPrinter& target) { return printTo(target); });
}

void ReportWindow::previewCommand() {
    ports_.printer.preview(this, QStringLiteral("Übungsprotokoll"),
                           [this](QPrinter& target) { return printTo(target); });
}

} // namespace quindor
