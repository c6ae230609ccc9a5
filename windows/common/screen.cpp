#include "windows/common/screen.h"

#include <cmath>

namespace windows {

int ScreenInfo::toPixels(double twips) const {
    return static_cast<int>(std::lround(twips / twipsPerPixel()));
}

ScreenArea ScreenInfo::available() const {
    if (availablePx.width <= 0 || availablePx.height <= 0)
        return {0, 0, widthPx, heightPx};
    return availablePx;
}

} // namespace windows
