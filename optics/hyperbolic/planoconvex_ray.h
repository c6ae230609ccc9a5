#pragma once

#include "optics/hyperbolic/lens.h"
#include "optics/hyperbolic/view.h"

#include <optional>

namespace optics::hyperbolic {

// The plano-convex lens: glass between the right branch (x from a to 4a) and
// the plane face x = 4a.

// One ray of the point-source fan: the line through s with slope m, traced
// to its end, drawn and, when it leaves the glass, recorded. Returns whether
// it was recorded.
bool planoConvexFanRay(Protosfakos& state, SahlView& view, const Lens& lens, Point s, double m);

// One ray of the beam: the line of slope m through (130, h), coming from the
// right through r = (130 − d, h − m·d); the stop is not consulted. When it
// leaves the glass it is recorded and its exit marked; returns the exit then.
std::optional<RayExit> planoConvexBeamRay(Protosfakos& state, SahlView& view, const Lens& lens,
                                          double h, Point r, double m);

} // namespace optics::hyperbolic
