#pragma once

#include "document/document_session.h"
#include "platform/mail_sender.h"
#include "print/ui/report_window.h"

#include <QDateTime>

namespace quindor {

// The protocol window "Übungsprotokoll" (TUebProtokollForm): the protocol of the last run, also
// to comment and to mail.
class ProtocolWindow : public ReportWindow {
    Q_OBJECT
public:
    ProtocolWindow(const ReportPorts& ports, DocumentSession& session, platform::MailSender& mail,
                   QWidget* parent = nullptr);

    // Shows a new protocol; the old content and its comments go.
    void setProtocol(const QString& text) { setReport(text); }
    // A comment at the end of the content: "<tit>Kommentar" and the trimmed text.
    void addComment(const QString& text);

    // Saves the content as rich text into the protocol folder under the first free automatic
    // name; the write error otherwise.
    bool AutoSaveProtocol(const QDateTime& now, const QString& computer);
    void commentCommand();
    void mailCommand(const QDateTime& now);

private:
    DocumentSession& session_;
    platform::MailSender& mail_;
};

} // namespace quindor
