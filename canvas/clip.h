#pragma once

#include "canvas/raster.h"

#include <optional>

namespace canvas {

struct Segment {
    PixelPoint a;
    PixelPoint b;
};

// A closed axis-aligned rectangle (left <= right, top <= bottom).
struct Box {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// The segment with each end that lies far from the box (beyond about twice
// its size) pulled in along the segment, so that the segment's numbers are of
// the box's size while every point of it near the box stays; nothing when it
// surely passes beside the box. The ends must be finite, of any size up to the
// largest double; ends near the box come back bit for bit. The units need not
// be pixels: this is how a line in a window's user units keeps its position
// before it is converted to pixels.
std::optional<Segment> bringNear(const Segment& segment, const Box& box);

// The part of the segment inside the box (Liang-Barsky, in double), or
// nothing when they do not meet. The ends must be finite; any finite value,
// up to the largest double, is handled without overflow, and ends far away
// are first brought near so the visible part keeps its precision. An end
// that lies inside the box is returned unchanged, bit for bit.
std::optional<Segment> clipSegment(const Segment& segment, const Box& box);

} // namespace canvas
