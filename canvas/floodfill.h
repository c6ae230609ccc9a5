#pragma once

#include "canvas/raster.h"

namespace canvas {

// Paints with fillPixel the 4-connected region around (x, y) that ends at
// pixels of exactly the boundary value. Does nothing when the seed lies
// outside the image, is a boundary pixel or already has the fill value.
// Works with an explicit stack of spans: no recursion, each pixel is taken
// at most once, so it ends on any image. The image must hold only opaque
// words (alpha 0xFF), as every surface does, and so must the two values.
void floodFill(Raster& raster, int x, int y, std::uint32_t fillPixel, std::uint32_t boundaryPixel);

} // namespace canvas
