#pragma once

namespace windows {

// The desktop as the windows size themselves on it: Screen.Width/Height in
// twips, with the logical DPI that turns twips into pixels.
struct ScreenInfo {
    int widthPx = 1280;
    int heightPx = 800;
    double dpi = 96;

    double twipsPerPixel() const { return 1440.0 / dpi; }
    double widthTwips() const { return widthPx * twipsPerPixel(); }
    double heightTwips() const { return heightPx * twipsPerPixel(); }
    int toPixels(double twips) const;
};

} // namespace windows
