#include "layouts/document_layouts.h"

#include "layouts/gap_text_layout.h"
#include "layouts/question_layouts.h"

namespace quindor {

void RegisterLayouts(LayoutDispatch& layouts, ProgramState& state) {
    layouts.registerLayout(DocumentType::GapText,
                           [&state](Document& document, const LayoutPass& pass) {
                               GapTextLayout(document, pass, state);
                           });
    layouts.registerLayout(
        DocumentType::Questions,
        [&state](Document& document, const LayoutPass&) { SingleQuestionLayout(document, state); });
    layouts.registerLayout(DocumentType::MultipleChoice,
                           [&state](Document& document, const LayoutPass& pass) {
                               MultipleChoiceLayout(document, pass.regenerate, state);
                           });
}

} // namespace quindor
