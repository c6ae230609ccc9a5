#pragma once

#include <cstdint>

namespace canvas {

// A colour as the windows' code writes it: red + 256 * green + 65536 * blue.
using Color = std::uint32_t;

constexpr Color RGB(int red, int green, int blue) {
    return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

constexpr int redOf(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// The image stores 0xFFRRGGBB words, the layout of QImage::Format_RGB32, so the
// Qt widget can show it without conversion.
constexpr std::uint32_t toPixel(Color c) {
    return 0xFF000000u | (static_cast<std::uint32_t>(redOf(c)) << 16) |
           (static_cast<std::uint32_t>(greenOf(c)) << 8) | static_cast<std::uint32_t>(blueOf(c));
}

constexpr Color fromPixel(std::uint32_t p) {
    return RGB(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
               static_cast<int>(p & 0xFF));
}

namespace colors {
constexpr Color black = RGB(0, 0, 0);
constexpr Color white = RGB(255, 255, 255);
constexpr Color red = RGB(255, 0, 0);
constexpr Color green = RGB(0, 255, 0);
constexpr Color blue = RGB(0, 0, 255);
constexpr Color magenta = RGB(255, 0, 255);
constexpr Color cyan = RGB(0, 255, 255);
// The light grey of a desktop's window background, used where the designer
// gave the system window colour.
constexpr Color systemWindow = RGB(240, 240, 240);
} // namespace colors

} // namespace canvas
