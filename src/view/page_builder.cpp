#include "view/page_builder.h"

#include "core/rounding.h"

#include <QPainter>

#include <algorithm>

namespace quindor {

QImage ReducedBaseImage(const Document& document) {
    const QImage& base = document.BaseImage.Image;
    if (base.isNull())
        return base;
    const double share =
        document.Header.BildGroesseProzent > 0.0 ? document.Header.BildGroesseProzent / 100.0 : 1.0;
    if (base.width() / share <= 2000.0)
        return base;
    const int width = std::max(1, RoundHalfEven(share * 2000.0));
    return base.scaledToWidth(width, Qt::SmoothTransformation);
}

QSize PageSizeOf(const HeaderDataTyp& header, QSize baseSize) {
    const FracRect& r = header.RandErw;
    return QSize(std::max(1, RoundHalfEven((r.Left + 1.0 + r.Right) * baseSize.width())),
                 std::max(1, RoundHalfEven((r.Top + 1.0 + r.Bottom) * baseSize.height())));
}

PageFit FitPage(QSize pageSize, QSize target, double zoom) {
    PageFit fit;
    fit.pageSize = pageSize;
    const int w = std::max(1, target.width());
    const int h = std::max(1, target.height());
    const double pw = pageSize.width();
    const double ph = pageSize.height();
    if (ph / h > pw / w)
        fit.fittedSize = QSize(std::max(1, RoundHalfEven(h * pw / ph)), h);
    else
        fit.fittedSize = QSize(w, std::max(1, RoundHalfEven(w * ph / pw)));
    fit.zoomedSize = QSize(std::max(1, RoundHalfEven(fit.fittedSize.width() * zoom)),
                           std::max(1, RoundHalfEven(fit.fittedSize.height() * zoom)));
    fit.drawnSize =
        QSize(std::min(w, fit.zoomedSize.width()), std::min(h, fit.zoomedSize.height()));
    // The visible share is measured against the zoomed page the display cuts from, so that
    // display, page fractions and page image agree pixel for pixel.
    fit.visibleWidth =
        std::min(1.0, static_cast<double>(fit.drawnSize.width()) / fit.zoomedSize.width());
    fit.visibleHeight =
        std::min(1.0, static_cast<double>(fit.drawnSize.height()) / fit.zoomedSize.height());
    return fit;
}

QImage RenderPage(const Document& document, const QImage& reducedBase, QSize size,
                  bool showBaseImage) {
    QImage page(size, QImage::Format_ARGB32_Premultiplied);
    if (!showBaseImage) {
        page.fill(Qt::white);
        return page;
    }
    const HeaderDataTyp& h = document.Header;
    if (reducedBase.isNull()) {
        page.fill(ToQColor(h.HtgdCol));
        return page;
    }
    const QSize pageSize = PageSizeOf(h, reducedBase.size());
    const double sx = static_cast<double>(size.width()) / pageSize.width();
    const double sy = static_cast<double>(size.height()) / pageSize.height();
    const QRectF target(RoundHalfEven(reducedBase.width() * h.RandErw.Left) * sx,
                        RoundHalfEven(reducedBase.height() * h.RandErw.Top) * sy,
                        reducedBase.width() * sx, reducedBase.height() * sy);
    const double opacity = RoundHalfEven(std::clamp(h.BasisbildDeck, 0, 100) / 100.0 * 255) / 255.0;
    const Picture& base = document.BaseImage;
    // A picture the program draws itself is drawn at this size rather than scaled; where it
    // covers the whole page, the page needs no background first.
    if (opacity == 1.0 && base.redrawsAs(reducedBase)) {
        const QRect area = target.toRect();
        if (!area.contains(page.rect()))
            page.fill(ToQColor(h.HtgdCol));
        base.Redraw(page, area);
        return page;
    }
    page.fill(ToQColor(h.HtgdCol));
    QPainter painter(&page);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setOpacity(opacity);
    painter.drawImage(target, reducedBase);
    return page;
}

} // namespace quindor
