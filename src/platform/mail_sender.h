#pragma once

#include <QString>
#include <QStringList>

namespace quindor::platform {

// Hands a message to the user's mail program, which shows it for the user to address and
// send. Returns whether the mail program took it.
class MailSender {
public:
    virtual ~MailSender() = default;
    virtual bool send(const QString& subject, const QString& body,
                      const QStringList& attachments) = 0;
};

// Through xdg-email, which opens the desktop's mail program with a new message; its exit
// status is the result.
class XdgEmailSender : public MailSender {
public:
    bool send(const QString& subject, const QString& body, const QStringList& attachments) override;
};

} // namespace quindor::platform
