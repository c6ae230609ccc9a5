#pragma once

#include "canvas/surface.h"

namespace optics::hyperbolic {

constexpr int kOutlinePoints = 150; // x = a, a + a/50, ... 4a − a/50 on each face

// The plano-convex lens in red, pen 3: the right branch from its vertex (a, 0)
// out to x = 4a − a/50, both halves, closed by the plane face at x = 4a as high
// as the last branch point. Returns the spacing of the ideal rays, a tenth of
// the drawn plane face. Leaves DrawWidth at 1.
double drawPlanoConvexOutline(canvas::Surface& surface, double a, double b);

// The biconvex lens in red, pen 3: the right branch as above and the left
// branch moved right by 8a, from its vertex (7a, 0) back towards x = 4a. The
// faces meet at x = 4a, so no plane face is drawn. Returns the same spacing.
double drawBiconvexOutline(canvas::Surface& surface, double a, double b);

// Nine rays at heights k·h, k = −4..4, in the ForeColor, as the lens ideally
// sends them: plano-convex, parallel to the axis from x = 10a to the curved
// face and from there to the focus (−c, 0).
void drawPlanoConvexIdealRays(canvas::Surface& surface, double a, double b, double h);

// Biconvex: from the focus (−c, 0) to the right face point at height k·h,
// parallel to the axis through the glass, and on to the focus (8a + c, 0).
void drawBiconvexIdealRays(canvas::Surface& surface, double a, double b, double h);

} // namespace optics::hyperbolic
