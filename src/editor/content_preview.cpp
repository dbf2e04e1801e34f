#include "editor/content_preview.h"

#include "document/numbering.h"

namespace quindor {

ContentPreview::ContentPreview(DocumentSession& session, ProgramState& state)
    : session_(session), state_(state) {}

void ContentPreview::show(Document document, int question) {
    if (!showing_) {
        open_ = session_.document();
        topicIndex_ = state_.TopicIndex;
        currentQuestion_ = state_.CurrentQuestion;
        showing_ = true;
    }
    Document& shown = session_.document();
    shown = std::move(document);
    state_.TopicIndex = -1;
    state_.CurrentQuestion = question;
    if (shown.Header.Type().layoutAtLoad)
        session_.layouts().run(shown, true);
    SetNumberingMode(shown, state_, state_.NumberingMode);
}

void ContentPreview::restore() {
    if (!showing_)
        return;
    session_.document() = std::move(open_);
    open_ = Document();
    state_.TopicIndex = topicIndex_;
    state_.CurrentQuestion = currentQuestion_;
    showing_ = false;
}

} // namespace quindor
