#include "canvas/raster.h"

#include <algorithm>

namespace canvas {

void Raster::fillSpan(int y, int first, int last, std::uint32_t pixel) {
    if (y < 0 || y >= height_)
        return;
    first = std::max(first, 0);
    last = std::min(last, width_ - 1);
    if (first > last)
        return;
    std::uint32_t* line = row(y);
    std::fill(line + first, line + last + 1, pixel);
}

} // namespace canvas
