#pragma once

#include "canvas/surface.h"

#include <cstdint>
#include <vector>

namespace testing_support {

// The number of pixels of exactly this colour in the rectangle
// [x0, x1) x [y0, y1) of the surface (clipped to it).
int countColor(const canvas::Surface& surface, canvas::Color color, int x0, int y0, int x1, int y1);
int countColor(const canvas::Surface& surface, canvas::Color color);

// Every pixel of the surface, at its device size.
std::vector<std::uint32_t> pixelsOf(const canvas::Surface& surface);

// The colour at a user point.
canvas::Color colorAt(const canvas::Surface& surface, double x, double y);

} // namespace testing_support
