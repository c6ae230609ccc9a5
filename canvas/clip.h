#pragma once

#include "canvas/raster.h"

#include <optional>

namespace canvas {

struct Segment {
    PixelPoint a;
    PixelPoint b;
};

// A closed axis-aligned rectangle in pixel coordinates.
struct Box {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// The part of the segment inside the box (Liang-Barsky, in double), or
// nothing when they do not meet. The ends must be finite; any finite value,
// up to the largest double, is handled without overflow, and ends far away
// are first brought near so the visible part keeps its precision. An end
// that lies inside the box is returned unchanged, bit for bit.
std::optional<Segment> clipSegment(const Segment& segment, const Box& box);

} // namespace canvas
