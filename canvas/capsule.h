#pragma once

#include "canvas/clip.h"
#include "canvas/raster.h"

namespace canvas {

// Paints every pixel whose centre lies within radiusPx of the segment (a disc
// when both ends coincide). The ends must be finite and near the image (the
// caller clips first); each row's extent is solved exactly, so the cost is
// the painted rows.
void fillCapsule(Raster& raster, const Segment& segment, double radiusPx, std::uint32_t pixel);

} // namespace canvas
