#pragma once

#include "optics/lensdata/light.h"
#include "optics/spherical/lens.h"

#include <optional>

namespace optics::lensdata {

// Where the workbench's black cross marks the image of a point source: a thin
// lens of focal length estiaki(radius1, radius2, deiktis) standing at the rim's x
// (at 0 when the circles have no rim), the image at the distance
// v = f·u/(u − f) from the rim line (u the source's distance from it) and at
// the height −y0·|v/u|. A real image (u > f) lies on the other side of the
// rim line from the source, a virtual one (u < f) on the source's side.
//
// For a parallel beam the same lens sends the light to its focal plane, to
// the point the ray through the lens centre reaches: (xchord ± f, f·tan θ)
// with θ the beam's angle to the axis, the limit of the cross's formula for a
// source receding against the beam.
//
// Empty where the cross is not drawn: no focal length (an index of 1), a
// source at x = 0, on the rim line or at the focal distance from it; and for
// a beam without a direction or one across the axis.
std::optional<Point> idealImage(const Light& light, const optics::spherical::SphericalLens& lens);

} // namespace optics::lensdata
