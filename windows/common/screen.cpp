#include "windows/common/screen.h"

#include <cmath>

namespace windows {

int ScreenInfo::toPixels(double twips) const {
    return static_cast<int>(std::lround(twips / twipsPerPixel()));
}

} // namespace windows
