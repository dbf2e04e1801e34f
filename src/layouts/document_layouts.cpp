#include "layouts/document_layouts.h"

#include "layouts/gap_text_layout.h"
#include "layouts/question_layouts.h"

namespace quindor {

void RegisterLayouts(LayoutDispatch& layouts, ProgramState& state) {
    layouts.registerLayout(1, [&state](Document& document, const LayoutPass& pass) {
        GapTextLayout(document, pass, state);
    });
    layouts.registerLayout(2, [&state](Document& document, const LayoutPass&) {
        SingleQuestionLayout(document, state);
    });
    layouts.registerLayout(3, [&state](Document& document, const LayoutPass& pass) {
        MultipleChoiceLayout(document, pass.regenerate, state);
    });
}

} // namespace quindor
