#pragma once

#include "core/messages.h"
#include "core/pickers.h"
#include "core/program_state.h"
#include "document/document_session.h"
#include "document/topic_list.h"

namespace quindor {

// "GIFT-Datei importieren..." and "Als GIFT exportieren..." in the program: the file and folder
// asked through the pickers, the files read and written, the report returned for its window
// (empty when the user cancelled).
class GiftTransfer {
public:
    GiftTransfer(DocumentSession& session, TopicList& topics, ProgramState& state, Pickers& pickers,
                 Messages& messages)
        : session_(session), topics_(topics), state_(state), pickers_(pickers),
          messages_(messages) {}

    // Asks for the GIFT file and the folder; a folder that is not empty is offered a new
    // folder in it, named after the file. The documents written open as the topic folder,
    // showing the first.
    QString importFile();
    // The open document, or the whole topic folder: asked when the open document is one of
    // several in it, taken when no document is open. Asks for the file to write.
    QString exportDocuments();

    // Whether there is anything to export.
    bool canExport() const;

private:
    DocumentSession& session_;
    TopicList& topics_;
    ProgramState& state_;
    Pickers& pickers_;
    Messages& messages_;
};

} // namespace quindor
