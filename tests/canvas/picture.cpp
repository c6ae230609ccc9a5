#include "picture.h"

#include <algorithm>

namespace canvas::testing {

namespace {

char symbolOf(Color c, Color back) {
    if (c == back)
        return '.';
    switch (c) {
    case colors::black: return '#';
    case colors::red: return 'r';
    case colors::green: return 'g';
    case colors::blue: return 'b';
    default: return '?';
    }
}

} // namespace

std::string picture(const Surface& surface) {
    std::string text;
    for (int y = 0; y < surface.heightPx(); ++y) {
        for (int x = 0; x < surface.widthPx(); ++x)
            text += symbolOf(surface.pixel(x, y), surface.BackColor);
        text += '\n';
    }
    return text;
}

std::string rows(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + '\n';
    return text;
}

std::string slashedRows(const char* lines) {
    std::string text = lines;
    std::replace(text.begin(), text.end(), '/', '\n');
    return text + '\n';
}

int countOf(const Surface& surface, Color color) {
    const std::uint32_t word = toPixel(color);
    const std::uint32_t* p = surface.pixels();
    return static_cast<int>(
        std::count(p, p + surface.deviceWidthPx() * surface.deviceHeightPx(), word));
}

bool samePixels(const Surface& a, const Surface& b) {
    return a.deviceWidthPx() == b.deviceWidthPx() && a.deviceHeightPx() == b.deviceHeightPx() &&
           std::equal(a.pixels(), a.pixels() + a.deviceWidthPx() * a.deviceHeightPx(), b.pixels());
}

} // namespace canvas::testing
