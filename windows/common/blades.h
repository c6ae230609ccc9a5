#pragma once

#include "canvas/controls.h"
#include "canvas/surface.h"

#include <cmath>

// The two blades of a diaphragm or of a stop, one hanging from the window's
// top edge and one standing on its bottom edge, both at the same x: where a
// drag drops them, in the workbench and in Ibn Sahl's window alike.
namespace windows::blades {

// The upper blade may not pass the lower one: dropped below the lower tip,
// it brings that tip up to the drop and stays a tenth of the window's height
// above it.
inline void dropUpper(canvas::LineControl& upper, canvas::LineControl& lower,
                      const canvas::Surface& view, double x, double y) {
    upper.X1 = upper.X2 = lower.X1 = lower.X2 = x;
    upper.Y1 = view.ViewTop();
    if (y < lower.Y2) {
        lower.Y2 = y;
        upper.Y2 = y + std::abs(view.ScaleHeight()) / 10;
    } else {
        upper.Y2 = y;
    }
}

inline void dropLower(canvas::LineControl& upper, canvas::LineControl& lower,
                      const canvas::Surface& view, double x, double y) {
    upper.X1 = upper.X2 = lower.X1 = lower.X2 = x;
    lower.Y1 = view.ViewTop() + view.ViewHeight();
    lower.Y2 = y;
}

} // namespace windows::blades
