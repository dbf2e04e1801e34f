#include "whiteboard/tool_tables.h"

#include "core/rounding.h"

#include <algorithm>

namespace quindor {

bool DrawsWithLeftButton(Tool tool) {
    const int id = static_cast<int>(tool);
    return id >= static_cast<int>(Tool::Freehand) && id <= static_cast<int>(Tool::FilledTriangle);
}

bool IsShapeTool(Tool tool) {
    const int id = static_cast<int>(tool);
    return id >= static_cast<int>(Tool::Line) && id <= static_cast<int>(Tool::FilledTriangle);
}

bool IsPenTool(Tool tool) {
    return tool == Tool::Freehand || IsShapeTool(tool);
}

Tool PenPresetTool(int preset) {
    if (preset <= 1 || preset > kPenPresets)
        return Tool::Freehand;
    return static_cast<Tool>(static_cast<int>(Tool::Line) + preset - 2);
}

int PenPresetOf(Tool tool) {
    if (IsShapeTool(tool))
        return static_cast<int>(tool) - static_cast<int>(Tool::Line) + 2;
    return 1;
}

namespace {
int ClampedSize(int size) {
    return std::clamp(size, 1, kSizes);
}
} // namespace

int PenWidth(int size) {
    static constexpr std::array<int, kSizes> kWidths = {3, 7, 13, 21};
    return kWidths[static_cast<size_t>(ClampedSize(size) - 1)];
}

int EraserSide(int size) {
    return 32 * ClampedSize(size);
}

int StampPointSize(int size) {
    return 32 * ClampedSize(size);
}

int TextPointSize(int size) {
    return 18 * ClampedSize(size);
}

int ArrowHeadLength(int penWidth) {
    // The product is taken in single precision, as the head lengths were always measured.
    const float share = static_cast<float>(penWidth * 0.7);
    return RoundHalfEven(static_cast<double>(share) * 5.0);
}

const std::array<PenColour, 14>& PenColours() {
    static const std::array<PenColour, 14> kColours = {{
        {21, MakeWinColor(255, 0, 0), false, QString()},
        {28, MakeWinColor(255, 128, 0), false, QString()},
        {22, MakeWinColor(255, 255, 0), false, QString()},
        {23, MakeWinColor(0, 255, 0), false, QString()},
        {27, MakeWinColor(0, 128, 0), false, QString()},
        {30, MakeWinColor(0, 192, 255), false, QString()},
        {24, MakeWinColor(0, 0, 255), false, QString()},
        {29, MakeWinColor(192, 0, 255), false, QString()},
        {25, MakeWinColor(255, 255, 255), false, QString()},
        {26, MakeWinColor(0, 0, 0), false, QString()},
        {11, MakeWinColor(255, 0, 0), true, QStringLiteral("rot - transparent")},
        {12, MakeWinColor(255, 255, 0), true, QStringLiteral("gelb - transparent")},
        {13, MakeWinColor(0, 255, 0), true, QStringLiteral("gr\u00fcn - transparent")},
        {14, MakeWinColor(0, 0, 255), true, QStringLiteral("blau - transparent")},
    }};
    return kColours;
}

const PenColour& ColourById(int id) {
    const auto& colours = PenColours();
    const auto found = std::find_if(colours.begin(), colours.end(),
                                    [id](const PenColour& c) { return c.id == id; });
    return found != colours.end() ? *found : colours.front();
}

} // namespace quindor
