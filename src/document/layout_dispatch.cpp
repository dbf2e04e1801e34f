#include "document/layout_dispatch.h"

#include "document/document.h"

namespace quindor {

void LayoutDispatch::run(Document& document, bool regenerate) const {
    const auto it = layouts_.find(document.Header.DokTyp);
    if (it != layouts_.end())
        it->second(document, regenerate);
}

} // namespace quindor
