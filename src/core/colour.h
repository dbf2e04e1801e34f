#pragma once

#include <QColor>

#include <cstdint>

namespace quindor {

// Colours are kept as Windows stores them: 0x00BBGGRR, red in the low byte.
using WinColor = int32_t;

constexpr WinColor MakeWinColor(int red, int green, int blue) {
    return static_cast<WinColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(WinColor c) {
    return c & 0xFF;
}
constexpr int GreenOf(WinColor c) {
    return (c >> 8) & 0xFF;
}
constexpr int BlueOf(WinColor c) {
    return (c >> 16) & 0xFF;
}

// 0xAARRGGBB as QRgb holds it, fully opaque.
constexpr uint32_t WinColorToArgb(WinColor c) {
    return 0xFF000000u | (static_cast<uint32_t>(RedOf(c)) << 16) |
           (static_cast<uint32_t>(GreenOf(c)) << 8) | static_cast<uint32_t>(BlueOf(c));
}
// The one way from a stored or documented colour value to a colour to draw with.
inline QColor ToQColor(WinColor c, int alpha = 255) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c), alpha);
}
constexpr WinColor ArgbToWinColor(uint32_t argb) {
    return MakeWinColor(static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF),
                        static_cast<int>(argb & 0xFF));
}

} // namespace quindor
