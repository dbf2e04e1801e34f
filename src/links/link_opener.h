#pragma once

#include "core/messages.h"
#include "core/program_state.h"
#include "document/document_session.h"
#include "document/topic_list.h"
#include "platform/shell_open.h"

#include <QString>

#include <functional>

namespace quindor {

// Opens what the links of a document and the program's web entries name: files and addresses
// with the desktop, other documents in the program, folders as the new topic folder. Every
// failure is told through the message port; nothing else changes then.
class LinkOpener {
public:
    LinkOpener(DocumentSession& session, TopicList& topics, ProgramState& state, Messages& messages,
               platform::ShellOpener& shell)
        : session_(session), topics_(topics), state_(state), messages_(messages), shell_(shell) {}

    // An external link point: the resolved target in its program or the browser.
    bool openExternalLink(const QString& target);
    // A document link point: after the save question, a folder (caption ending with a
    // backslash) becomes the topic folder and the document closes; a document is loaded and
    // the topic list follows its folder.
    bool openDocumentLink(const QString& caption);
    // A picture link: a ".qdr" caption is a document link, any other an external one.
    bool openPictureLink(const QString& caption);
    // A web page or help page in the browser.
    bool openWebPage(const QString& address);
    // Asked before a document link replaces the document: ends what the work area shows
    // (a run) when the user agrees; false keeps everything as it is.
    void setLeaveActivity(std::function<bool()> leave) { leaveActivity_ = std::move(leave); }

private:
    bool openFolderLink(const QString& caption);

    DocumentSession& session_;
    TopicList& topics_;
    ProgramState& state_;
    Messages& messages_;
    platform::ShellOpener& shell_;
    std::function<bool()> leaveActivity_;
};

} // namespace quindor
