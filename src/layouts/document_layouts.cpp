#include "layouts/document_layouts.h"

#include "layouts/cluster_layout.h"
#include "layouts/gap_text_layout.h"

namespace quindor {

void RegisterLayouts(LayoutDispatch& layouts, ProgramState& state) {
    layouts.registerLayout(1, [&state](Document& document, const LayoutPass& pass) {
        GapTextLayout(document, pass, state);
    });
    layouts.registerLayout(4, [&state](Document& document, const LayoutPass& pass) {
        ClusterLayout(document, pass, state);
    });
}

} // namespace quindor
