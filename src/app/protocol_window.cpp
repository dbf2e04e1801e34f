#include "app/protocol_window.h"

#include "document/document_session.h"
#include "exercise/protocol.h"
#include "platform/host_identity.h"
#include "print/report.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace quindor {

namespace {

constexpr int kTabStopPoints = 160;

const QString kFolderHint = QStringLiteral("Überprüfen Sie die Einstellungen unter \"Optionen / "
                                           "Ordner für Protokolle und Bestenlisten\".");

} // namespace

ProtocolWindow::ProtocolWindow(AppState& app, QWidget* parent)
    : QDialog(parent), app_(app), area_(new QTextEdit(this)) {
    setObjectName(QStringLiteral("TUebProtokollForm"));
    setWindowTitle(QStringLiteral("Übungsprotokoll"));
    area_->setReadOnly(true);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(area_, 1);
    auto* buttons = new QHBoxLayout;
    const auto button = [&](const QString& text, auto slot) {
        auto* b = new QPushButton(text, this);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
        return b;
    };
    button(QStringLiteral("In Zwischenablage kopieren"), [this] {
        area_->selectAll();
        area_->copy();
        QTextCursor cursor = area_->textCursor();
        cursor.clearSelection();
        area_->setTextCursor(cursor);
    });
    button(QStringLiteral("Speichern..."), [this] { saveCommand(); });
    button(QStringLiteral("Drucken..."), [this] { printCommand(); });
    button(QStringLiteral("Kommentar hinzufügen..."), [this] { commentCommand(); });
    button(QStringLiteral("Per E-Mail versenden"),
           [this] { mailCommand(QDateTime::currentDateTime()); });
    buttons->addStretch();
    button(QStringLiteral("Schließen"), [this] { accept(); })->setDefault(true);
    layout->addLayout(buttons);
    resize(760, 560);
}

void ProtocolWindow::render(const QString& text, bool clear) {
    if (clear) {
        area_->clear();
        content_.clear();
    }
    const std::vector<RichParagraph> paragraphs = ProtocolParagraphs(text);
    AppendToDocument(*area_->document(), paragraphs, kTabStopPoints);
    content_.insert(content_.end(), paragraphs.begin(), paragraphs.end());
}

void ProtocolWindow::setProtocol(const QString& text) {
    render(text, true);
}

void ProtocolWindow::addComment(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return;
    render(QStringLiteral("\r\n<tit>Kommentar\r\n") + trimmed, false);
}

bool ProtocolWindow::saveAs(const QString& path) {
    const QByteArray bytes = richText();
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool ProtocolWindow::AutoSaveProtocol(const QDateTime& now, const QString& computer) {
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

void ProtocolWindow::saveCommand() {
    const QString path = app_.pickers.saveFile(
        QStringLiteral("Übungsprotokoll in Datei speichern"),
        QStringLiteral("Rich Text Dokument (*.rtf)|*.rtf|Alle Dateien (*.*)|*.*"),
        QStringLiteral("rtf"), app_.state.ProtocolFolder);
    if (!path.isEmpty() && !saveAs(path))
        app_.messages.error(DocumentSession::WriteErrorMessage(path));
}

void ProtocolWindow::printCommand() {
    QPrinter printer;
    printer.setDocName(QStringLiteral("Übungsprotokoll"));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        area_->document()->print(&printer);
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
