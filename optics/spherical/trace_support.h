#pragma once

// Small pieces that the ray and wave tracers share.

#include "optics/spherical/refraction.h"
#include "optics/spherical/state.h"

#include <optional>

namespace canvas {
class Surface;
}

namespace optics::spherical {

// Whether (x, y) lies in the visible area: the surface's scale, or beyond it
// as far as a zoomed-out view shows the plane (edges included). NaN lies
// nowhere.
bool insideVisibleArea(const canvas::Surface& surface, double x, double y);

// Whether (dx, dy) is a usable ray direction: finite and not zero.
bool hasDirection(double dx, double dy);

// Snell's law at a point of face 1 (circle 1) or face 2 (circle 2).
RefractResult refractAtLensFace(int face, double dx, double dy, double xp, double yp,
                                const SphericalLens& lens);
Refraction refractAtLensFaceExactly(int face, double dx, double dy, double xp, double yp,
                                    const SphericalLens& lens);

// Where the diaphragm stops the ray from (x0, y0) along (dx, dy), when that
// point lies ahead of the start; empty when the ray passes or the stop lies
// behind.
std::optional<PointF> diaphragmAhead(const Diaphragm& diaphragm, double x0, double y0, double dx,
                                     double dy);

// Whether a ray from (x0, y0) meets the lens point (hx, hy) before the
// diaphragm stop point (if any) that lies ahead of it.
bool lensBeforeStop(const std::optional<PointF>& stop, double x0, double y0, double hx, double hy);

} // namespace optics::spherical
