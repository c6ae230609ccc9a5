#pragma once

#include "optics/hyperbolic/lens.h"
#include "optics/hyperbolic/view.h"

#include <optional>

namespace optics::hyperbolic {

enum class Passage { IntoGlass, OutOfGlass };

// Angle with +x of the normal to a face whose tangent has slope faceSlope:
// Atn(−1/s), in (−π/2, π/2]. A horizontal tangent has a vertical normal.
double normalAngle(double faceSlope);

// Snell's law at a face point whose normal makes normalAngle (φ) with +x, for
// a ray along a line of slope raySlope: the incidence i is the line's angle to
// the normal folded into [−π/2, π/2], sin r = sin i / n into the glass and
// n·sin i out of it. Returns φ + r, the angle of the refracted line (its
// direction lies on the side of the normal that φ points to), or empty when
// the arcsine cannot be formed: total internal reflection on the way out, an
// index that is not positive, or a slope that is not a number.
std::optional<double> refractedAngle(double normalAngle, double raySlope, double n,
                                     Passage passage);

// The refraction step of both tracers at the face point p: refractedAngle,
// and unless "ONLY WAVES" the normal drawn in red, 25·d to each side along x.
// A totally reflected ray draws no normal.
std::optional<double> refractAt(SahlView& view, const Lens& lens, Point p, double normalAngle,
                                double raySlope, Passage passage);

} // namespace optics::hyperbolic
