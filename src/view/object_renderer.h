#pragma once

#include "core/program_state.h"
#include "document/document.h"

#include <QPainter>

#include <array>
#include <vector>

namespace quindor {

// A query field that is covered and therefore drawn above everything else.
bool IsCoveredQueryField(const ObjDataTyp& object);

// What the drawing of objects depends on besides the objects themselves.
struct RenderContext {
    QSize imageSize;
    double displayAspect = 1.0;
    bool exercise = false;
    std::array<bool, 4> layers{true, true, true, true};
    int currentQuestion = 0;
    // Added to the card font height of gap objects (the gap-text layout shrinks them with
    // the text).
    int gapFontAdjustment = 0;
    bool drawLines = true;
    // During a run: its query mode and the position asked in single-position mode.
    QueryMode exerciseQueryMode = QueryMode::Free;
    int askedTarget = -1;
    // Worksheets: 0 the learning view; 1 the worksheet (blanks), 2 the overlay solution (the
    // answers alone), 3 the complete solution (blanks with the answers in them). The blanks are
    // widened by the blank size's position in the worksheet's list (5 for "100 %").
    int worksheetMode = 0;
    int blankSizeIndex = 5;

    double scale() const { return imageSize.width() / 870.0; }
    bool layerVisible(int ebene) const;
};

// Draws object `index` with the painter (on the page image or any other paint device sized
// imageSize) and records where its card went (CardRect, KAusrAkt, DrawnLeft, DrawnTop).
void DrawObject(Document& document, int index, QPainter& painter, const RenderContext& context);
// Object indexes by ascending ZIndex, list order within one value: the drawing order (hit
// testing walks it backwards).
std::vector<int> DrawingOrder(const Document& document);
// Every object in z order, the covered query fields last so that they lie above all others.
void DrawAllObjects(Document& document, QPainter& painter, const RenderContext& context);

} // namespace quindor
