#pragma once

#include "canvas/raster.h"

namespace canvas {

// The segment a-b in the pen: a thin pen as a walk along the major axis,
// widthPx pixels across (dotted when the pen says so), wider pens as a
// capsule with round ends. The ends must be finite;
// they are clipped in double first, so the work follows the visible pixels.
// Swapping a and b paints the same pixels.
void drawLine(Raster& raster, PixelPoint a, PixelPoint b, const Pen& pen);

// A dot of the pen's width: a square of widthPx pixels for a thin pen (one
// pixel at a ratio of 1), else a filled disc of that diameter. The point
// must be finite.
void drawDot(Raster& raster, PixelPoint p, const Pen& pen);

} // namespace canvas
