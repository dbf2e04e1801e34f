#include "links/document_mail.h"

#include "links/link_targets.h"

#include <QDir>
#include <QFileInfo>

namespace quindor {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString SetupName(const char* extension) {
    return QStringLiteral("setup-Quindor382basis.") + QLatin1String(extension);
}

} // namespace

SetupAttachment FindSetupAttachment(const QString& setupFolder, MailOption option) {
    if (option == MailOption::DocumentOnly)
        return {};
    const bool program = option == MailOption::WithSetupProgram;
    const QString exact = SetupName(program ? "exe" : "zip");
    if (QFileInfo(setupFolder + exact).isFile())
        return {setupFolder + exact, QStringLiteral("Quindor-Basissystem: ") + exact, QString()};
    if (program) {
        const QStringList others =
            QDir(setupFolder)
                .entryList({QStringLiteral("setup-Quindor*.exe")}, QDir::Files, QDir::Name);
        if (!others.isEmpty())
            return {setupFolder + others.first(),
                    QStringLiteral("Setup-Programmdatei: ") + others.first(), QString()};
        return {QString(), QString(),
                QStringLiteral("Datei \"") + setupFolder + exact +
                    QStringLiteral("\" (Setup für das Quindor-Basissystem) nicht gefunden.")};
    }
    return {QString(), QString(),
            QStringLiteral("Datei \"") + setupFolder + exact +
                QStringLiteral("\" (Setup für das Quindor-Basissystem als Zip-Datei) nicht "
                               "gefunden.") +
                kCrLf +
                QStringLiteral("Hinweis: Mit einem Zip-Programm können Sie die fehlende Zip-Datei "
                               "aus der Datei \"") +
                SetupName("exe") +
                QStringLiteral("\" selbst erzeugen und danach diese Funktion erneut ausführen.")};
}

QString DocumentMailBody(const QString& documentFile, const QString& setupLine) {
    QString body =
        QStringLiteral("Quindor-Themendokument: ") + QFileInfo(documentFile).fileName() + kCrLf;
    if (!setupLine.isEmpty())
        body += setupLine + kCrLf;
    return body + kCrLf + QStringLiteral("- Information -") + kCrLf +
           QStringLiteral(
               "Quindor ist ein Autorensystem für digitale Lern- und Übungseinheiten. ") +
           kCrLf +
           QStringLiteral("Zum Öffnen von Quindor-Themendokumenten wird das Basissystem (liegt "
                          "allen Themenpaketen kostenlos bei) oder das Autorensystem benötigt. ") +
           kCrLf + QStringLiteral("Weitere Informationen im Internet unter: ") + kCrLf +
           ProductWebAddress() + kCrLf;
}

bool SendDocumentByMail(DocumentSession& session, const ProgramState& state, Messages& messages,
                        platform::MailSender& mail,
                        const std::function<std::optional<MailOption>()>& chooseOption) {
    if (!session.AskSaveChanges())
        return false;
    const QString document = session.header().FileName;
    if (document.isEmpty()) {
        messages.information(QStringLiteral("Das aktuelle Dokument muss zunächst gespeichert "
                                            "werden, um es per E-Mail zu versenden."));
        return false;
    }
    SetupAttachment setup;
    for (;;) {
        const std::optional<MailOption> option = chooseOption();
        if (!option)
            return false;
        setup = FindSetupAttachment(state.SetupFolder, *option);
        if (setup.error.isEmpty())
            break;
        messages.error(setup.error);
    }
    QStringList attachments = {document};
    if (!setup.path.isEmpty())
        attachments.append(setup.path);
    if (mail.send(QStringLiteral("Quindor-Dokument"), DocumentMailBody(document, setup.bodyLine),
                  attachments)) {
        messages.information(QStringLiteral(
            "Die Nachricht wurde dem E-Mail-Programm erfolgreich übermittelt. Falls Ihr "
            "E-Mail-Programm Nachrichten nicht sofort versendet, sondern erst im Postausgang "
            "zwischenspeichert, müssen Sie den Versand in Ihrem E-Mail-Programm noch selbst "
            "auslösen."));
        return true;
    }
    messages.warning(
        QStringLiteral("Der E-Mail-Versand wurde abgebrochen oder es ist ein Fehler aufgetreten."));
    return false;
}

} // namespace quindor
