#include "layouts/layout_surface.h"

#include "core/rounding.h"
#include "document/caption_codec.h"
#include "document/document.h"

#include <algorithm>

namespace quindor {

LayoutSurface::LayoutSurface(const LayoutPass& pass) : size_(pass.size()) {
    if (pass.page && !pass.page->isNull()) {
        painter_ = std::make_unique<QPainter>(pass.page);
        painter_->setRenderHint(QPainter::TextAntialiasing);
    } else {
        scratch_ = QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
    }
}

MarkupLayoutParams LayoutSurface::gapParams(const Document& document, int fontHeight,
                                            int rightMargin, GapHandler& gaps, bool measureOnly,
                                            bool regenerate) {
    MarkupLayoutParams params;
    params.painter = measureOnly ? nullptr : painter_.get();
    params.device = painter_ ? painter_->device() : &scratch_;
    params.fontName = document.FontName;
    params.areaRight = width();
    params.rightMargin = rightMargin;
    params.measureOnly = measureOnly;
    params.colour = document.Header.TextCol;
    params.createGaps = regenerate;
    params.mode = 99;
    params.fontHeight = fontHeight;
    params.gaps = &gaps;
    params.cache = &cache_;
    return params;
}

int GapLayoutFontHeight(int width, int adjustment) {
    return -(RoundHalfEven(width / 870.0 * 22.0) + adjustment);
}

int GapFitStep(int fontHeight) {
    return std::max(1, RoundHalfEven(std::abs(fontHeight) * 0.1));
}

QStringList LayoutLines(const QString& text) {
    QStringList lines = SplitCaptionLines(text);
    for (QString& line : lines) {
        qsizetype end = line.size();
        while (end > 0 && line.at(end - 1) == u' ')
            --end;
        line.truncate(end);
    }
    return lines;
}

void DeleteObjectsOfKinds(Document& document, std::initializer_list<ObjectKind> kinds) {
    for (int i = document.ObjectCount() - 1; i >= 0; --i) {
        if (std::find(kinds.begin(), kinds.end(), document.Object(i).Typ) != kinds.end())
            DeleteObject(document, i);
    }
}

} // namespace quindor
