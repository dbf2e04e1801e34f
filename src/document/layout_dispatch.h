#pragma once

#include "document/document_type.h"

#include <QImage>
#include <QSize>

#include <functional>
#include <map>

namespace quindor {

struct Document;

// One run of a document-type layout.
struct LayoutPass {
    // Create the generated objects anew (after a load) instead of moving the existing ones.
    bool regenerate = false;
    // The page image the layout draws its text into; null: the layout only places objects,
    // measuring on a page of pageSize.
    QImage* page = nullptr;
    QSize pageSize;
    // The layer "Texte & Bilder" is shown or an exercise runs: text and grid lines are drawn.
    bool drawText = true;
    bool exerciseRunning = false;

    QSize size() const { return page ? page->size() : pageSize; }
};

// The one place where a loaded or changed document meets the layout of its document type.
// Each layout registers itself for its document type; types without one are placed freely.
class LayoutDispatch {
public:
    using Layout = std::function<void(Document& document, const LayoutPass& pass)>;

    void registerLayout(DocumentType type, Layout layout) { layouts_[type] = std::move(layout); }
    bool hasLayout(DocumentType type) const { return layouts_.count(type) != 0; }
    // The size of the page the view shows; a regenerating run without a page image places
    // its objects on a page of that size (the view moves them when it builds the page).
    void setPageSize(std::function<QSize()> pageSize) { pageSize_ = std::move(pageSize); }

    // Runs the layout of the document's type, if there is one.
    void run(Document& document, const LayoutPass& pass) const;
    // Without a page image: places (or, regenerating, creates) the objects only.
    void run(Document& document, bool regenerate) const;

private:
    std::map<DocumentType, Layout> layouts_;
    std::function<QSize()> pageSize_;
};

} // namespace quindor
