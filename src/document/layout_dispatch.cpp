#include "document/layout_dispatch.h"

#include "document/document.h"

namespace quindor {

namespace {

// The page of a document without base image (10 : 7 at the reference width).
constexpr QSize kDefaultPage(870, 609);

} // namespace

void LayoutDispatch::run(Document& document, const LayoutPass& pass) const {
    const auto it = layouts_.find(document.Header.DokTyp);
    if (it != layouts_.end())
        it->second(document, pass);
}

void LayoutDispatch::run(Document& document, bool regenerate) const {
    LayoutPass pass;
    pass.regenerate = regenerate;
    pass.pageSize = pageSize_ ? pageSize_() : QSize();
    if (pass.pageSize.isEmpty())
        pass.pageSize = kDefaultPage;
    pass.drawText = false;
    run(document, pass);
}

} // namespace quindor
