#include "layouts/gap_text_layout.h"

#include "core/rounding.h"
#include "document/document.h"
#include "document/numbering.h"
#include "layouts/gap_handlers.h"
#include "layouts/gap_table_layout.h"
#include "layouts/layout_surface.h"

namespace quindor {

void GapTextLayout(Document& document, const LayoutPass& pass, ProgramState& state) {
    HeaderDataTyp& h = document.Header;
    if (h.DokTyp != DocumentType::GapText)
        return;
    if (h.DokUnterTyp == DocumentSubtype::GapTable) {
        GapTableLayout(document, pass, state);
        return;
    }
    h.GapFontAdjustment = 0;
    if (pass.regenerate)
        DeleteObjectsOfKinds(document, {ObjectKind::Gap});
    if (h.Lueckentext.isEmpty())
        return;

    LayoutSurface surface(pass);
    if (surface.size().isEmpty())
        return;
    const int w = surface.width();
    const int hgt = surface.height();
    const FracRect& margin = h.EinrueckRand;
    const int left = RoundHalfEven(w * margin.Left);
    const int top = RoundHalfEven(hgt * margin.Top);
    const int right = RoundHalfEven(w * margin.Right);
    const int bottom = RoundHalfEven(hgt * margin.Bottom);
    const QStringList lines = LayoutLines(h.Lueckentext);
    GapObjectHandler gaps(document, surface.size(), h.MinLuecke, pass.drawText);

    int fontHeight = GapLayoutFontHeight(w, h.GapFontAdjustment);
    while (std::abs(fontHeight) >= 9) {
        gaps.startPass(false, pass.regenerate);
        const MarkupLayoutParams params =
            surface.gapParams(document, fontHeight, right, gaps, true, pass.regenerate);
        // Every paragraph takes at least one line: once the lines still to come cannot fit
        // even so, the text overflows at this font, and the rest need not be measured.
        const int least = ParagraphMinimumHeight(params);
        const int limit = hgt - bottom;
        bool fits = true;
        int y = top;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (y + (lines.size() - i) * least > limit) {
                fits = false;
                break;
            }
            y = LayoutParagraph(params, lines.at(i), y, left);
        }
        if (y > limit)
            fits = false;
        if (fits)
            break;
        h.GapFontAdjustment -= GapFitStep(fontHeight);
        fontHeight = GapLayoutFontHeight(w, h.GapFontAdjustment);
    }
    h.GapFontHeight = fontHeight;

    gaps.startPass(true, pass.regenerate);
    const MarkupLayoutParams params =
        surface.gapParams(document, fontHeight, right, gaps, false, pass.regenerate);
    int y = top;
    for (const QString& line : lines)
        y = LayoutParagraph(params, line, y, left);

    if (pass.regenerate)
        SetNumberingMode(document, state, state.NumberingMode);
}

} // namespace quindor
