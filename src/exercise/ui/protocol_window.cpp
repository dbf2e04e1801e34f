#include "exercise/ui/protocol_window.h"

#include "core/file_replace.h"
#include "core/program_folders.h"
#include "exercise/protocol.h"
#include "platform/host_identity.h"

#include <QFileInfo>
#include <QPushButton>
#include <QVBoxLayout>

namespace quindor {

namespace {

const QString kFolderHint = QStringLiteral("Überprüfen Sie die Einstellungen unter \"Optionen / "
                                           "Ordner für Protokolle und Bestenlisten\".");

} // namespace

ProtocolWindow::ProtocolWindow(const ReportPorts& ports, DocumentSession& session,
                               platform::MailSender& mail, QWidget* parent)
    : ReportWindow(ports, QStringLiteral("TUebProtokollForm"), QStringLiteral("Übungsprotokoll"),
                   parent),
      session_(session), mail_(mail) {
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

bool ProtocolWindow::AutoSaveProtocol(const QDateTime& now, const QString& computer) {
    CreateDefaultFolder(ports_.state, ports_.state.ProtocolFolder);
    QString path;
    for (int i = 0;; ++i) {
        path = ports_.state.ProtocolFolder + AutoProtocolFileName(now, computer, i);
        if (!QFileInfo::exists(path))
            break;
    }
    if (saveAs(path))
        return true;
    ports_.messages.error(DocumentSession::WriteErrorMessage(path) +
                          QStringLiteral("\r\n\r\nDas Übungsprotokoll konnte nicht automatisch "
                                         "gespeichert werden. ") +
                          kFolderHint);
    return false;
}

void ProtocolWindow::commentCommand() {
    if (const auto comment =
            AskReportComment(this, QStringLiteral("Kommentar zum Übungsprotokoll hinzufügen")))
        addComment(*comment);
}

void ProtocolWindow::mailCommand(const QDateTime& now) {
    CreateDefaultFolder(ports_.state, ports_.state.ProtocolFolder);
    QString path;
    for (int i = 0;; ++i) {
        path = ports_.state.ProtocolFolder + MailProtocolFileName(now, i);
        if (!QFileInfo::exists(path))
            break;
    }
    if (!saveAs(path)) {
        ports_.messages.error(
            DocumentSession::WriteErrorMessage(path) +
            QStringLiteral("\r\n\r\nDas Übungsprotokoll konnte nicht für den "
                           "E-Mail-Versand zwischengespeichert werden. Überprüfen "
                           "Sie die Einstellungen unter \"Optionen | Ordner für "
                           "Protokolle und Bestenlisten\"."));
        return;
    }
    const bool sent =
        mail_.send(QStringLiteral("Quindor-Übungsprotokoll"),
                   QStringLiteral("Anbei Quindor-Übungsprotokoll zu Themendokument: ") +
                       session_.header().FileName + QStringLiteral("\r\n"),
                   {path});
    if (sent)
        ports_.messages.information(QStringLiteral(
            "Die Nachricht wurde dem E-Mail-Programm erfolgreich übermittelt. Falls Ihr "
            "E-Mail-Programm Nachrichten nicht sofort versendet, sondern erst im Postausgang "
            "zwischenspeichert, müssen Sie den Versand in Ihrem E-Mail-Programm noch selbst "
            "auslösen."));
    else
        ports_.messages.warning(
            QStringLiteral("Der E-Mail-Versand wurde abgebrochen oder es ist ein Fehler "
                           "aufgetreten."));
}

} // namespace quindor
