#pragma once

#include "document/document.h"

#include <QImage>
#include <QSize>

namespace quindor {

// Where the page lands when it is fitted into a target area at a zoom factor.
struct PageFit {
    QSize pageSize;            // the page at base-image resolution
    QSize fittedSize;          // the whole page fitted into the target
    QSize zoomedSize;          // the fitted page enlarged by the zoom
    QSize drawnSize;           // what the target shows at the zoom, limited to the target
    double visibleWidth = 1.0; // share of the page width the drawn part shows
    double visibleHeight = 1.0;
};

// The base image as the page uses it: reduced (linear filtering) when it would put more than
// 2000 pixels across the base image at full size.
QImage ReducedBaseImage(const Document& document);
// The page size of a base image of the given size with the document's margins.
QSize PageSizeOf(const HeaderDataTyp& header, QSize baseSize);
// Fits a page into width x height at zoom factor z.
PageFit FitPage(QSize pageSize, QSize target, double zoom);
// Draws the whole page (background colour, base image at its opacity) stretched to size.
QImage RenderPage(const Document& document, const QImage& reducedBase, QSize size,
                  bool showBaseImage);

} // namespace quindor
