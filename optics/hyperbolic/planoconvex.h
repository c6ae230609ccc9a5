#pragma once

#include "optics/hyperbolic/state.h"
#include "optics/hyperbolic/view.h"

namespace optics::hyperbolic {

// The plano-convex lens with a point source at (xs, ys): outline, ideal rays
// (not with "ONLY WAVES"), marks at the source and the vertex, then 60 rays of
// slopes 0.90, 0.87 ... −0.87 traced and recorded, and their fronts joined in
// blue unless "Only Rays". The fronts start at (pigiX, pigiY), which the
// window sets to the source first. Does not clear the window.
void epipedokyrtosPigi(Protosfakos& state, SahlView& view, double a, double b, double xs,
                       double ys);

// The plano-convex lens with a parallel beam of slope m coming from the right:
// 101 rays through (130, h), h = 100, 98 ... −100, the stop not consulted,
// each recorded ray marked where it leaves the glass. Every ray's fronts start
// on one line across the beam; they are always joined, in the ForeColor. A
// slope that is not a number draws the lens alone.
void epipedokyrtosDesmi(Protosfakos& state, SahlView& view, double a, double b, double m);

} // namespace optics::hyperbolic
