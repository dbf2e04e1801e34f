#pragma once

#include "core/messages.h"
#include "core/program_state.h"
#include "document/document_session.h"
#include "platform/mail_sender.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace quindor {

// What goes with the document: nothing, the setup program of the basic system, or the same as
// a zip file (the items of " Versandoptionen ").
enum class MailOption { DocumentOnly = 0, WithSetupProgram = 1, WithSetupZip = 2 };

// The setup file an option attaches, with its line for the message; or the message that it
// is missing.
struct SetupAttachment {
    QString path;
    QString bodyLine;
    QString error;
};

// The setup of the basic system in the setup folder: for the program "setup-Quindor382basis.exe"
// or, without it, the first "setup-Quindor*.exe" by name; for the zip file
// "setup-Quindor382basis.zip". DocumentOnly attaches nothing.
SetupAttachment FindSetupAttachment(const QString& setupFolder, MailOption option);

// The text of the message: the document's file name, the setup line (empty: none) and the
// information about the program with its web address.
QString DocumentMailBody(const QString& documentFile, const QString& setupLine);

// "Per E-Mail versenden...": after the save question, the saved document (and, as chosen, the
// setup) goes to the mail program with subject "Quindor-Dokument" and no recipient. The
// options are asked through chooseOption (nullopt: cancelled), again after a setup file was
// not found. True when the mail program took the message.
bool SendDocumentByMail(DocumentSession& session, const ProgramState& state, Messages& messages,
                        platform::MailSender& mail,
                        const std::function<std::optional<MailOption>()>& chooseOption);

} // namespace quindor
