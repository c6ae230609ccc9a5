#include "tests/support/pixels.h"

#include <algorithm>
#include <cmath>

namespace testing_support {

int countColor(const canvas::Surface& surface, canvas::Color color, int x0, int y0, int x1,
               int y1) {
    int count = 0;
    for (int y = std::max(0, y0); y < std::min(surface.heightPx(), y1); ++y)
        for (int x = std::max(0, x0); x < std::min(surface.widthPx(), x1); ++x)
            count += surface.pixel(x, y) == color;
    return count;
}

int countColor(const canvas::Surface& surface, canvas::Color color) {
    return countColor(surface, color, 0, 0, surface.widthPx(), surface.heightPx());
}

std::vector<std::uint32_t> pixelsOf(const canvas::Surface& surface) {
    const std::uint32_t* first = surface.pixels();
    return {first,
            first + std::size_t(surface.deviceWidthPx()) * std::size_t(surface.deviceHeightPx())};
}

canvas::Color colorAt(const canvas::Surface& surface, double x, double y) {
    return surface.pixel(static_cast<int>(std::floor(surface.toPixelX(x))),
                         static_cast<int>(std::floor(surface.toPixelY(y))));
}

} // namespace testing_support
