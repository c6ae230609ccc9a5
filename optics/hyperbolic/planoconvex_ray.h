#pragma once

#include "optics/hyperbolic/lens.h"
#include "optics/hyperbolic/view.h"

#include <optional>

namespace optics::hyperbolic {

// The plano-convex lens: glass between the right branch (x from a to 4a) and
// the plane face x = 4a.

// A ray along a line of slope m that enters the plane face at p: refracted
// in, drawn in cyan to the curved face, refracted out there. Empty when it
// does not leave the glass (total internal reflection, or the inside line
// meets the curved face at or left of the vertex).
std::optional<RayExit> throughPlaneFace(SahlView& view, const Lens& lens, Point p, double m);

// A ray along slope m that enters the curved face at p (not its vertex):
// refracted in, drawn in cyan to the plane face, refracted out there.
std::optional<RayExit> throughCurvedFace(SahlView& view, const Lens& lens, Point p, double m);

enum class RayOutcome { Recorded, Dropped, EndDrawing };

// One ray of the point-source fan: the line through s with slope m, traced
// to its end, drawn and, when it leaves the glass, recorded. EndDrawing when
// it enters exactly at the vertex, where the fan stops.
RayOutcome planoConvexFanRay(Protosfakos& state, SahlView& view, const Lens& lens, Point s,
                             double m);

} // namespace optics::hyperbolic
