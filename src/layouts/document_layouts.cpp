#include "layouts/document_layouts.h"

#include "layouts/gap_text_layout.h"

namespace quindor {

void RegisterLayouts(LayoutDispatch& layouts, ProgramState& state) {
    layouts.registerLayout(DocumentType::GapText,
                           [&state](Document& document, const LayoutPass& pass) {
                               GapTextLayout(document, pass, state);
                           });
}

} // namespace quindor
