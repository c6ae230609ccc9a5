#pragma once

#include "canvas/raster.h"

#include <optional>

namespace canvas {

class ArcMask;

// A circle in client pixels; the centre is moved to the centre of its pixel
// so the figure is symmetric about its middle row and column.
struct CircleShape {
    PixelPoint centre;
    double radiusPx = 0;
};

// The centre as the ring uses it: the centre of the pixel it falls in.
PixelPoint centreOf(const CircleShape& circle);

// Which of a ring's pixels are painted: a whole circle, optionally filled
// first, or only the part of an arc.
struct RingStyle {
    const ArcMask* arc = nullptr;
    std::optional<std::uint32_t> fillPixel;
};

// Paints the pixels whose centres lie at a distance in (r - w/2, r + w/2]
// from the centre (w the pen width), and with a fill every pixel within r
// before them. Centre and radius must be finite; only the image rows within
// reach are visited and each row is solved in double, so the cost follows
// the image rows, never the size of the numbers.
void paintRing(Raster& raster, const CircleShape& circle, const Pen& pen, const RingStyle& style);

} // namespace canvas
