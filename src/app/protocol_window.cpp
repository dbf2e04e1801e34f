#include "app/protocol_window.h"

#include "core/file_replace.h"
#include "core/program_folders.h"
#include "document/document_session.h"
#include "exercise/protocol.h"
#include "platform/host_identity.h"
#include "print/report.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace quindor {

namespace {

constexpr int kTabStopPoints = 160;

const QString kFolderHint = QStringLiteral("Überprüfen Sie die Einstellungen unter \"Optionen / "
                                           "Ordner für Protokolle und Bestenlisten\".");

} // namespace

ReportWindow::ReportWindow(AppState& app, const QString& objectName, const QString& caption,
                           QWidget* parent)
    : QDialog(parent), app_(app), layout_(new QVBoxLayout(this)), buttons_(new QHBoxLayout) {
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

ProtocolWindow::ProtocolWindow(AppState& app, QWidget* parent)
    : ReportWindow(app, QStringLiteral("TUebProtokollForm"), QStringLiteral("Übungsprotokoll"),
                   parent) {
    connect(addButton(QStringLiteral("Kommentar hinzufügen...")), &QPushButton::clicked, this,
            &ProtocolWindow::commentCommand);
    connect(addButton(QStringLiteral("Per E-Mail versenden")), &QPushButton::clicked, this,
            [this] { mailCommand(QDateTime::currentDateTime()); });
}

void ProtocolWindow::addComment(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return;
    render(QStringLiteral("\r\n<tit>Kommentar\r\n") + trimmed, false);
}

TopicListWindow::TopicListWindow(AppState& app, QWidget* parent)
    : ReportWindow(app, QStringLiteral("TThemenlisteForm"), QStringLiteral("Themenliste"), parent) {
}

void TopicListWindow::showTopics(const QString& text) {
    setReport(text);
    area()->moveCursor(QTextCursor::Start);
    area()->ensureCursorVisible();
    if (auto* close = findChild<QPushButton*>(QStringLiteral("SchliessenBtn")))
        close->setFocus();
    exec();
}

bool ReportWindow::saveAs(const QString& path) {
    return ReplaceFileContent(path, richText());
}

bool ProtocolWindow::AutoSaveProtocol(const QDateTime& now, const QString& computer) {
    CreateDefaultFolder(app_.state, app_.state.ProtocolFolder);
    QString path;
    for (int i = 0;; ++i) {
        path = app_.state.ProtocolFolder + AutoProtocolFileName(now, computer, i);
        if (!QFileInfo::exists(path))
            break;
    }
    if (saveAs(path))
        return true;
    app_.messages.error(DocumentSession::WriteErrorMessage(path) +
                        QStringLiteral("\r\n\r\nDas Übungsprotokoll konnte nicht automatisch "
                                       "gespeichert werden. ") +
                        kFolderHint);
    return false;
}

void ReportWindow::saveCommand() {
    // The dialog starts in the protocol folder, so it must be there.
    CreateDefaultFolder(app_.state, app_.state.ProtocolFolder);
    const QString path = app_.pickers.saveFile(
        QStringLiteral("Übungsprotokoll in Datei speichern"),
        QStringLiteral("Rich Text Dokument (*.rtf)|*.rtf|Alle Dateien (*.*)|*.*"),
        QStringLiteral("rtf"), app_.state.ProtocolFolder);
    if (!path.isEmpty() && !saveAs(path))
        app_.messages.error(DocumentSession::WriteErrorMessage(path));
}

bool ReportWindow::printTo(QPrinter& printer) {
    // Both reports print as the protocol does.
    printer.setDocName(QStringLiteral("Übungsprotokoll"));
    area()->document()->print(&printer);
    return printer.printerState() != QPrinter::Error;
}

void ReportWindow::printCommand() {
    app_.printer.printWithDialog(this, QStringLiteral("Übungsprotokoll"),
                                 [this](QPrinter& target) { return printTo(target); });
}

void ReportWindow::previewCommand() {
    app_.printer.preview(this, QStringLiteral("Übungsprotokoll"),
                         [this](QPrinter& target) { return printTo(target); });
}

void ProtocolWindow::commentCommand() {
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("TProtKomForm"));
    dialog.setWindowTitle(QStringLiteral("Kommentar zum Übungsprotokoll hinzufügen"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* field = new QPlainTextEdit(&dialog);
    layout->addWidget(field);
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), &dialog);
    connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    row->addWidget(ok);
    row->addWidget(cancel);
    layout->addLayout(row);
    if (dialog.exec() == QDialog::Accepted)
        addComment(field->toPlainText());
}

void ProtocolWindow::mailCommand(const QDateTime& now) {
    CreateDefaultFolder(app_.state, app_.state.ProtocolFolder);
    QString path;
    for (int i = 0;; ++i) {
        path = app_.state.ProtocolFolder + MailProtocolFileName(now, i);
        if (!QFileInfo::exists(path))
            break;
    }
    if (!saveAs(path)) {
        app_.messages.error(DocumentSession::WriteErrorMessage(path) +
                            QStringLiteral("\r\n\r\nDas Übungsprotokoll konnte nicht für den "
                                           "E-Mail-Versand zwischengespeichert werden. Überprüfen "
                                           "Sie die Einstellungen unter \"Optionen | Ordner für "
                                           "Protokolle und Bestenlisten\"."));
        return;
    }
    const bool sent =
        app_.mail.send(QStringLiteral("Quindor-Übungsprotokoll"),
                       QStringLiteral("Anbei Quindor-Übungsprotokoll zu Themendokument: ") +
                           app_.session.header().FileName + QStringLiteral("\r\n"),
                       {path});
    if (sent)
        app_.messages.information(QStringLiteral(
            "Die Nachricht wurde dem E-Mail-Programm erfolgreich übermittelt. Falls Ihr "
            "E-Mail-Programm Nachrichten nicht sofort versendet, sondern erst im Postausgang "
            "zwischenspeichert, müssen Sie den Versand in Ihrem E-Mail-Programm noch selbst "
            "auslösen."));
    else
        app_.messages.warning(
            QStringLiteral("Der E-Mail-Versand wurde abgebrochen oder es ist ein Fehler "
                           "aufgetreten."));
}

} // namespace quindor
