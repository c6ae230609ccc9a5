#pragma once

#include "optics/spherical/state.h"

#include <optional>

namespace optics::spherical {

// toksimitono of the cosine of the angle between a and b: the signed angle of
// a to the normal of b when b is a tangent. Empty for a zero vector.
std::optional<double> gonia(double ax, double ay, double bx, double by);

// n when the ray (dx, dy) crosses the circle at (xp, yp) towards its centre
// (into the glass), 1/n otherwise (also along the tangent).
double sxetikosdeiktis(double dx, double dy, double xp, double yp, double xc, double yc, double R,
                       double n);

// Snell's law at the point (xp, yp) of the circle (xc, yc), R: the new unit
// direction, or ok false on total internal reflection.
RefractResult refractAtFace(double dx, double dy, double xp, double yp, double xc, double yc,
                            double R, double n);

// Snell's law as refractAtFace has it, without the record's single-precision
// rounding, for measurements that must not inherit it. A ray at the critical
// angle would run along the face: it carries no light on, and is refused
// with the totally reflected ones.
struct Refraction {
    double dirx = 0, diry = 0; // unit vector when ok
    bool ok = false;
    bool intoGlass = false; // it crossed towards the circle's centre
};
Refraction refractExactly(double dx, double dy, double xp, double yp, double xc, double yc,
                          double R, double n);

// The first crossing of the lens surface ahead of (x0, y0) and its face (also
// written into face). hit false with the start point when there is none.
LensHit lensEntry(double xa, double xb, double r1, double r2, double dx, double dy, double x0,
                  double y0, int& face);

// The next crossing of the lens surface ahead of (x0, y0), which may lie on
// face k (0: on none). Never the start point itself; hit false when the ray
// leaves the lens.
LensHit nextHit(const SphericalLens& lens, double dx, double dy, double x0, double y0, int k);

} // namespace optics::spherical
