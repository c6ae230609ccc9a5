#pragma once

#include "optics/hyperbolic/state.h"
#include "optics/hyperbolic/view.h"

namespace optics::hyperbolic {

// The biconvex lens is the glass between face 1, the right branch for x from
// a to 4a (the lens's left side, vertex (a, 0)), and face 2, the left branch
// moved right by 8a (its right side, vertex (7a, 0)).

// Traces one ray, the line y = m·x + q with its source at (x0, y0), through
// the biconvex lens: the stop on the way in, a miss, refraction where it
// enters and where it meets the surface again, with red normals, the
// emerging ray and the stop after the lens. A ray that
// leaves the glass is recorded and aktinaKatagrafi raised; the caller
// computes its fronts and advances plithosaktinon.
void aktinaAmfikyrtou(Protosfakos& state, SahlView& view, double a, double b, double x0, double y0,
                      double m, double q);

// The biconvex lens with a point source at (xs, ys): outline, ideal rays
// (not with "ONLY WAVES"), the source mark, 45 rays of slopes 0.90, 0.86 ...
// −0.86, and their fronts in blue unless "Only Rays". The fronts start at
// (pigiX, pigiY). Does not clear the window.
void amfikyrtosPigi(Protosfakos& state, SahlView& view, double a, double b, double xs, double ys);

// The biconvex lens with a parallel beam of slope m: 201 rays through
// (130, h), h = 100, 99 ... −100, each marked where it crosses one line across
// the beam; the marks are the fronts' start points. The fronts are always
// joined in blue with a dot at each point. A slope that is not a number draws
// the lens alone.
void amfikyrtosDesmi(Protosfakos& state, SahlView& view, double a, double b, double m);

} // namespace optics::hyperbolic
