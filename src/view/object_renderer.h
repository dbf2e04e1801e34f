#pragma once

#include "core/program_state.h"
#include "document/document.h"

#include <QPainter>
#include <QRegion>

#include <array>
#include <vector>

namespace quindor {

// What an object drawing is for: the learning view; the worksheet (blanks), the overlay
// solution (the answers alone) or the complete solution (blanks with the answers in them).
// The values are the worksheet's own numbers of its variants.
enum class SheetDrawing : int { View = 0, Worksheet = 1, Overlay = 2, Solution = 3 };

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
    // During a run: entry x names the object at whose card point the answer x of a
    // multiple-choice question stands; none or too short: every answer at its own.
    const std::vector<int>* answerPlacement = nullptr;
    // When given, every object drawn adds the area it may have painted.
    QRegion* ink = nullptr;
    // The learning view, or a worksheet variant. The blanks are widened by the blank size's
    // position in the worksheet's list (5 for "100 %").
    SheetDrawing worksheetMode = SheetDrawing::View;
    int blankSizeIndex = 5;

    double scale() const { return imageSize.width() / 870.0; }
    bool layerVisible(int ebene) const;
};

// The object at whose card point object `index` is drawn: its own, except for the answers of
// multiple choice during a run, which stand where the answer placement names.
int AnswerPlace(const Document& document, int index, const RenderContext& context);
// Draws object `index` with the painter (on the page image or any other paint device sized
// imageSize) and records where its card went (CardRect, KAusrAkt, DrawnLeft, DrawnTop).
void DrawObject(Document& document, int index, QPainter& painter, const RenderContext& context);
// Object indexes by ascending ZIndex, list order within one value: the drawing order (hit
// testing walks it backwards).
std::vector<int> DrawingOrder(const Document& document);
// Every object in z order, the covered query fields last so that they lie above all others.
void DrawAllObjects(Document& document, QPainter& painter, const RenderContext& context);

} // namespace quindor
