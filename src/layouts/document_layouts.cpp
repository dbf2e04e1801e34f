#include "layouts/document_layouts.h"

#include "layouts/cluster_layout.h"
#include "layouts/gap_text_layout.h"
#include "layouts/pair_layout.h"

namespace quindor {

void RegisterLayouts(LayoutDispatch& layouts, ProgramState& state) {
    layouts.registerLayout(1, [&state](Document& document, const LayoutPass& pass) {
        GapTextLayout(document, pass, state);
    });
    layouts.registerLayout(4, [&state](Document& document, const LayoutPass& pass) {
        ClusterLayout(document, pass, state);
    });
    layouts.registerLayout(5, [&state](Document& document, const LayoutPass& pass) {
        PairLayout(document, pass, state);
    });
}

} // namespace quindor
