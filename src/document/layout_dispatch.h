#pragma once

#include <functional>
#include <map>

namespace quindor {

struct Document;

// The one place where a loaded or changed document meets the layout of its document type.
// Each layout registers itself for its DokTyp; types without a layout are placed freely.
class LayoutDispatch {
public:
    using Layout = std::function<void(Document& document, bool regenerate)>;

    void registerLayout(int dokTyp, Layout layout) { layouts_[dokTyp] = std::move(layout); }
    bool hasLayout(int dokTyp) const { return layouts_.count(dokTyp) != 0; }
    // Runs the layout of the document's type, if there is one.
    void run(Document& document, bool regenerate) const;

private:
    std::map<int, Layout> layouts_;
};

} // namespace quindor
