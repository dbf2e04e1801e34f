#pragma once

#include "core/program_state.h"
#include "core/rounding.h"
#include "document/document.h"
#include "document/layout_dispatch.h"

#include <QFontMetrics>
#include <QImage>

#include <vector>

namespace quindor::test {

// A document of DokTyp 1 and a white page image that its layout draws on.
struct LayoutFixture {
    explicit LayoutFixture(DocumentSubtype dokUnterTyp, QSize pageSize = QSize(870, 600))
        : page(pageSize, QImage::Format_ARGB32_Premultiplied) {
        document.Header.DokTyp = DocumentType::GapText;
        document.Header.DokUnterTyp = dokUnterTyp;
        document.Header.EinrueckRand = DefaultEinrueckRand(DocumentType::GapText);
        state.NumberingMode = Numbering::Ordered;
        page.fill(Qt::white);
    }

    LayoutPass pass(bool regenerate, bool drawText = true) {
        LayoutPass p;
        p.regenerate = regenerate;
        p.page = &page;
        p.drawText = drawText;
        return p;
    }

    void resize(QSize size) {
        page = QImage(size, QImage::Format_ARGB32_Premultiplied);
        page.fill(Qt::white);
    }

    std::vector<const ObjDataTyp*> ofKind(ObjectKind typ) const {
        std::vector<const ObjDataTyp*> found;
        for (const ObjDataTyp& o : document.Objects) {
            if (o.Typ == typ)
                found.push_back(&o);
        }
        return found;
    }

    // Metrics of the document font at an em height of `pixels`, on the page.
    QFontMetrics metrics(int pixels) {
        QFont font(document.FontName);
        font.setPixelSize(pixels);
        return QFontMetrics(font, &page);
    }

    bool pageIsWhite() const {
        for (int y = 0; y < page.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(page.constScanLine(y));
            for (int x = 0; x < page.width(); ++x) {
                if (line[x] != 0xFFFFFFFFu)
                    return false;
            }
        }
        return true;
    }

    Document document;
    ProgramState state;
    QImage page;
};

} // namespace quindor::test
