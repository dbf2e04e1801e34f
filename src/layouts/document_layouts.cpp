#include "layouts/document_layouts.h"

#include "layouts/cluster_layout.h"
#include "layouts/gap_text_layout.h"
#include "layouts/pair_layout.h"
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
    layouts.registerLayout(DocumentType::Cluster,
                           [&state](Document& document, const LayoutPass& pass) {
                               ClusterLayout(document, pass, state);
                           });
    layouts.registerLayout(DocumentType::CrossMatching,
                           [&state](Document& document, const LayoutPass& pass) {
                               PairLayout(document, pass, state);
                           });
}

} // namespace quindor
