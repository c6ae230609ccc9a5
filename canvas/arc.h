#pragma once

#include "canvas/raster.h"
#include "canvas/ring.h"

#include <optional>

namespace canvas {

// The angles of Circle's arc form: counter-clockwise as seen on the screen
// from startRad through sweepRad (0 < sweepRad <= 2pi); a negative argument
// asks for a radius to that end.
struct ArcAngles {
    double startRad = 0;
    double sweepRad = 0;
    bool startRadius = false;
    bool endRadius = false;
};

// Reads the two angle arguments. Nothing for NaN or an angle outside
// [-2pi, 2pi] (the platform draws nothing then). An end below the start wraps
// through 0; equal ends give the whole circle, as the platform's arc does.
std::optional<ArcAngles> arcAngles(double start, double end);

// Tells whether a pixel offset from the centre (x right, y up) lies within
// the arc's angles. Cross products with the two end directions keep
// trigonometry out of the per-pixel test.
class ArcMask {
  public:
    explicit ArcMask(const ArcAngles& angles);
    bool contains(double dx, double dyUp) const;
    double startRad() const { return startRad_; }

  private:
    double startRad_;
    double startX_;
    double startY_;
    double endX_;
    double endY_;
    bool whole_;
    bool reflex_;
};

// The arc in the pen (never filled), with the radii its angles ask for.
void drawArc(Raster& raster, const CircleShape& circle, const Pen& pen, const ArcAngles& angles);

} // namespace canvas
