#pragma once

#include "document/layout_dispatch.h"
#include "document/markup_layout.h"

#include <QImage>
#include <QPainter>

#include <memory>

namespace quindor {

struct Document;

// Where one layout run measures and draws: the page image of the pass, or, without one, a
// scratch device that only measures (fonts are sized in pixels, so the metrics agree).
class LayoutSurface {
public:
    explicit LayoutSurface(const LayoutPass& pass);

    int width() const { return size_.width(); }
    int height() const { return size_.height(); }
    QSize size() const { return size_; }
    // Null when there is no page image to draw into.
    QPainter* painter() { return painter_.get(); }

    // Layout parameters for the document's text on this surface in the gap layout.
    MarkupLayoutParams gapParams(const Document& document, int fontHeight, int rightMargin,
                                 GapHandler& gaps, bool measureOnly, bool regenerate);

private:
    QSize size_;
    QImage scratch_;
    std::unique_ptr<QPainter> painter_;
    MarkupMeasureCache cache_;
};

// The starting character height of the gap layouts on a page `width` pixels wide, with the
// adjustment the fitting has made: 22 pixels at 870, in proportion.
int GapLayoutFontHeight(int width, int adjustment);
// One shrink step of the fitting from height f.
int GapFitStep(int fontHeight);
// The lines of a layout text with their trailing blanks removed; none for an empty text.
QStringList LayoutLines(const QString& text);
// Deletes every object of the given kinds, from the last to the first.
void DeleteObjectsOfKinds(Document& document, std::initializer_list<ObjectKind> kinds);

} // namespace quindor
