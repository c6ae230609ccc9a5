#pragma once

namespace windows {

// A rectangle of the desktop in pixels.
struct ScreenArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The desktop as the windows size themselves on it: Screen.Width/Height in
// twips, with the logical DPI that turns twips into pixels, and the part of
// it that windows may cover (the screen less its panels).
struct ScreenInfo {
    int widthPx = 1280;
    int heightPx = 800;
    double dpi = 96;
    // Empty means the whole screen.
    ScreenArea availablePx{};

    double twipsPerPixel() const { return 1440.0 / dpi; }
    double widthTwips() const { return widthPx * twipsPerPixel(); }
    double heightTwips() const { return heightPx * twipsPerPixel(); }
    int toPixels(double twips) const;
    ScreenArea available() const;
};

} // namespace windows
