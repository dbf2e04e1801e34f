#pragma once

#include "core/colour.h"

#include <QString>

#include <array>

namespace quindor {

// The drawing tools of the learning view. The numbers are the tools' identities; ranges of
// them are asked below by name.
enum class Tool : int {
    Pointer = 1,
    Hand = 2,
    Freehand = 3,
    Eraser = 6,
    Stamp = 7,
    Text = 9,
    Line = 10,
    Arrow = 11,
    DoubleArrow = 12,
    Rectangle = 13,
    FilledRectangle = 14,
    Ellipse = 15,
    FilledEllipse = 16,
    Triangle = 17,
    FilledTriangle = 18,
    Area = 19,
};

// The tools a left press draws with (freehand pen to filled triangle).
bool DrawsWithLeftButton(Tool tool);
// The tools of the pen button: the freehand pen and the shapes.
bool IsPenTool(Tool tool);
// Shapes drawn from the press to the release point, previewed meanwhile.
bool IsShapeTool(Tool tool);

// The ten pen presets in menu order: 1 freehand, 2 line ... 10 filled triangle.
constexpr int kPenPresets = 10;
Tool PenPresetTool(int preset);
int PenPresetOf(Tool tool);

// The four sizes (1 to 4) and what they mean for each tool.
constexpr int kSizes = 4;
int PenWidth(int size);
int EraserSide(int size);
int StampPointSize(int size);
int TextPointSize(int size);
// Length of an arrow head for a pen width: 10, 25, 46 and 73 pixels for the four sizes.
int ArrowHeadLength(int penWidth);

// The fourteen pen colours: ten opaque (ids 21-30) and four see-through (ids 11-14), which mark
// like a highlighter.
struct PenColour {
    int id;
    WinColor colour;
    bool seeThrough;
    QString hint;
};
constexpr int kStartColour = 21;
// In menu order.
const std::array<PenColour, 14>& PenColours();
// The colour of an id; an unknown id gives the start colour.
const PenColour& ColourById(int id);

// The tool state of the window. Sizes, colours and presets last until the program ends.
struct ToolState {
    Tool tool = Tool::Pointer;
    int preset = 1;
    int size = 1;
    int colour = kStartColour;
    int stamp = 1;
};

} // namespace quindor
