#pragma once

#include "core/program_state.h"
#include "document/document_session.h"

namespace quindor {

// Shows documents being made in the learning view in place of the open one while the content
// dialog is open, and puts the open one back exactly as it was (objects and their states, the
// modified mark, the topic and question shown). The layers above are not told: the view is
// composed by whoever shows it.
class ContentPreview {
public:
    ContentPreview(DocumentSession& session, ProgramState& state);
    ~ContentPreview() { restore(); }
    ContentPreview(const ContentPreview&) = delete;
    ContentPreview& operator=(const ContentPreview&) = delete;

    // The document laid out as after a load; a question document shows question `question`.
    void show(Document document, int question);
    // Back to the open document; nothing happens when none is shown.
    void restore();
    bool showing() const { return showing_; }

private:
    DocumentSession& session_;
    ProgramState& state_;
    Document open_;
    int topicIndex_ = -1;
    int currentQuestion_ = 0;
    bool showing_ = false;
};

} // namespace quindor
