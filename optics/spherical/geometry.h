#pragma once

#include "optics/spherical/state.h"

#include <optional>

namespace canvas {
class Surface;
}

namespace optics::spherical {

// Distance between (x1, y1) and (x2, y2).
double apostasi(double x1, double y1, double x2, double y2);

// Arcsine in radians; empty for |x| > 1 (and NaN).
std::optional<double> toksimitono(double x);

// 1, -1 or 0.
int prosimo(double v);

// Thin-lens focal length 1 / ((n - 1)(1/r1 + 1/r2)); empty when that is
// 0 or cannot be formed.
std::optional<double> estiaki(double r1, double r2, double n);

// Crossing of two circles whose centres are d apart, in the frame whose x axis
// runs from the first centre through the second: (a, +h) and (a, -h).
// No crossing (found false, zeros) when the circles do not meet or d is 0.
LensCrossing kykloikykloi(double d, double r1, double r2);

// The rim points (xchord, +h), (xchord, -h) of the lens; no crossing when
// xa == xb or the circles do not meet.
LensCrossing xordi(double xa, double xb, double r1, double r2);

// The glass lies inside both circles. When one circle lies inside the other
// (touching it at most) that is the inner disc: its circle's number, 1 or 2
// (1 when the two are one circle), centre x and radius. Empty when the
// circles cross or lie apart, or the inner one has no radius.
struct Disc {
    int face = 0;
    double xc = 0;
    double r = 0;
};
std::optional<Disc> innerDisc(const SphericalLens& lens);

// Crossings of the line through (x0, y0) along (dx, dy) with the circle of
// centre (xc, yc) and radius r. Point 1 has the larger x (the larger y on a
// vertical line). A tangent is a miss. Says nothing about which lies ahead.
LensCrossing eytheiakyklos(double xc, double yc, double r, double dx, double dy, double x0,
                           double y0);

// Where the ray from (x0, y0) along (dx, dy) leaves the visible area of the
// surface's scale, or that of a zoomed-out view where it shows more of the
// plane; on a corner the point on the vertical edge. (0, 0) for a zero
// direction.
PointF borderExit(const canvas::Surface& surface, double x0, double y0, double dx, double dy);

// The point as fractions of the visible area, both growing the way the
// scale's axes do: (0, 0) at the bottom left corner of a y-up scale, (1, 1)
// at its top right.
PointF screenPoint(const canvas::Surface& surface, double x, double y);

// ((x1 - x2)/d, (y1 - y2)/d); (0, 0) when d is 0.
PointF unitDirection(double x1, double y1, double x2, double y2, double d);

struct DiaphragmResult {
    float x = 0, y = 0;
    bool stopped = false;
};

// A vertical diaphragm at x = xs with its opening from ybottom up to ytop.
// Stopped: the point where the ray meets the diaphragm line; otherwise the
// start point. Does not check that the diaphragm lies ahead of the ray.
DiaphragmResult diaphragmStop(double xs, double ytop, double ybottom, double x0, double y0,
                              double dx, double dy);

// What a blade clamp does to the workbench when the tip (X, Y) lies inside the
// glass: the blade's vertical scroll bar takes scrollValue and its line
// control's inner end tipY (the lens surface at x = X; negated for the lower
// blade). Empty when the tip is not inside the glass.
struct BladeClamp {
    int scrollValue = 0;
    double tipY = 0;
};
std::optional<BladeClamp> clampUpperBlade(const canvas::Surface& surface, double X, double Y,
                                          const SphericalLens& lens);
std::optional<BladeClamp> clampLowerBlade(const canvas::Surface& surface, double X, double Y,
                                          const SphericalLens& lens);

} // namespace optics::spherical
