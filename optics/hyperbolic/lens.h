#pragma once

#include "optics/hyperbolic/state.h"
#include "optics/shared/point.h"

namespace optics::hyperbolic {

// The constants one drawing of a lens works with.
struct Lens {
    double a = 0;    // semi-transverse axis
    double b = 0;    // semi-conjugate axis
    double n = 0;    // index of the glass
    double c = 0;    // focal distance √(a² + b²)
    double edge = 0; // half-aperture b·√15
    double d = 0;    // the tracers' unit of small lengths, 7.2·a/700
};

Lens makeLens(double a, double b, double n);

constexpr double kBeamX = 130; // every beam ray passes x = 130

// Beams steeper than this are traced at this slope. Past it the intercept of
// a ray through x = 130 grows so large that rounding loses the lens's whole
// scale in it, while a slope of 1e9 already runs within 1e-7 units of
// vertical across the window.
constexpr double kSteepestBeamSlope = 1e9;

// The beam slope clamped to ±kSteepestBeamSlope (infinities included).
double boundedBeamSlope(double m);

// Where a traced ray leaves the glass, its unit direction of travel after,
// and whether it leaves through the right branch (face 1 of both lenses).
struct RayExit {
    Point at;
    double dirX = 0;
    double dirY = 0;
    bool throughRightFace = false;
};

// Whether first is strictly nearer to s than second (a tie goes to second).
bool firstIsNearer(Point s, Point first, Point second);

// Writes the ray's entry, exit and direction at index plithosaktinon and
// raises aktinaKatagrafi. Returns false, recording nothing, when the index
// lies beyond the records (the shared count was left there by another
// module; the tracers themselves record at most 201 rays).
bool recordRay(Protosfakos& state, Point entry, const RayExit& exit);

} // namespace optics::hyperbolic
