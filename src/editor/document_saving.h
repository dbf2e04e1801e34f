#pragma once

#include "core/pickers.h"
#include "core/program_state.h"
#include "document/document_session.h"
#include "document/topic_list.h"

namespace quindor {

// A file name from a title: the characters no file name may hold become "_"; ".qdr" added.
QString FileNameOfTitle(const QString& titel);

// "Speichern" and "Speichern unter...": the open document written through the document writer
// (a complete file renamed over the old one, never half a file), then the list of its folder
// read again so that it shows there.
class DocumentSaving {
public:
    DocumentSaving(DocumentSession& session, TopicList& topics, ProgramState& state,
                   Pickers& pickers)
        : session_(session), topics_(topics), state_(state), pickers_(pickers) {}

    // To the document's own file; a document without one, or whose file or folder cannot be
    // written, goes to saveAs.
    bool save();
    // Asks for the file and writes it there.
    bool saveAs();
    // The file dialog, starting in the topic folder with a name made from the title (or at
    // the document's own file); ".qdr" is added where the answer lacks it. Empty: cancelled.
    QString askFileName();

    // Whether the file exists and a new copy of it can be written in its folder.
    static bool writable(const QString& path);

private:
    bool write(const QString& path);

    DocumentSession& session_;
    TopicList& topics_;
    ProgramState& state_;
    Pickers& pickers_;
};

} // namespace quindor
