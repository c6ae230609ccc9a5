#pragma once

// The start lens, surfaces and pixel readers for the spherical-optics tests.

#include "canvas/surface.h"
#include "optics/spherical/state.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace spherical_test {

constexpr double xa = -50, xb = 20, r1 = 100, r2 = 90;      // the workbench's start lens
constexpr optics::spherical::Diaphragm kOpen{0, 1e6, -1e6}; // stops nothing

// What the tracers draw in: rays by what ends each piece, dots by where they lie.
constexpr canvas::Color kRed = canvas::RGB(255, 0, 0), kMagenta = canvas::RGB(255, 0, 255),
                        kBlue = canvas::RGB(0, 0, 255), kPink = canvas::RGB(255, 100, 150),
                        kBlack = canvas::RGB(0, 0, 0), kWhite = canvas::RGB(255, 255, 255);
constexpr canvas::Color kAirDot = canvas::RGB(5, 0, 250), kGlassDot = canvas::RGB(0, 155, 0),
                        kOutDot = canvas::RGB(150, 0, 150);

// Scaled as the workbench scales its window: origin in the middle, y up,
// width + height = 1200 units.
inline canvas::Surface workbenchSurface(int widthPx, int heightPx) {
    canvas::Surface surface(widthPx, heightPx);
    const double s = widthPx + heightPx;
    surface.Scale(-600.0 * widthPx / s, 600.0 * heightPx / s, 600.0 * widthPx / s,
                  -600.0 * heightPx / s);
    return surface;
}

inline canvas::Color colorAt(const canvas::Surface& surface, double x, double y) {
    return surface.pixel(static_cast<int>(std::floor(surface.toPixelX(x))),
                         static_cast<int>(std::floor(surface.toPixelY(y))));
}

inline int countColor(const canvas::Surface& surface, canvas::Color color) {
    int count = 0;
    for (int py = 0; py < surface.heightPx(); ++py) {
        for (int px = 0; px < surface.widthPx(); ++px) {
            count += surface.pixel(px, py) == color;
        }
    }
    return count;
}

// Centres (user x) of the runs of exactly this colour along the pixel row
// through user y.
inline std::vector<double> runCentres(const canvas::Surface& surface, double y, canvas::Color c) {
    std::vector<double> centres;
    const int row = static_cast<int>(std::floor(surface.toPixelY(y)));
    for (int px = 0, start = -1; px <= surface.widthPx(); ++px) {
        const bool inRun = px < surface.widthPx() && surface.pixel(px, row) == c;
        if (inRun && start < 0) {
            start = px;
        } else if (!inRun && start >= 0) {
            centres.push_back(surface.toUser((start + px) / 2.0, 0).x);
            start = -1;
        }
    }
    return centres;
}

} // namespace spherical_test
