#pragma once

#include "optics/hyperbolic/faces.h"
#include "optics/hyperbolic/refraction.h"
#include "optics/hyperbolic/view.h"

#include <optional>

namespace optics::hyperbolic {

// Snell's law where a ray travelling along the unit direction d meets the face
// at p, drawing the normal unless "ONLY WAVES": the unit direction it goes on
// in, on the far side of the face. Empty on total internal reflection.
std::optional<Direction> crossFace(SahlView& view, const Lens& lens, const FacePoint& p,
                                   Direction d, Passage passage);

// A ray that enters the glass at p travelling along d: refracted in, drawn in
// cyan to where it meets the lens surface again, whichever face that is, and
// refracted out there. Empty when it does not come out: total internal
// reflection, or (only when rounding has put p just outside the glass) no
// second point on the surface.
std::optional<RayExit> throughGlass(SahlView& view, const Lens& lens, const LensFaces& faces,
                                    const FacePoint& p, Direction d);

// The unit direction from `from` to `to`; along the line of slope m towards
// the lens's middle x = 4a when the two points coincide (a source on the
// lens surface).
Direction travelTowards(const Lens& lens, Point from, Point to, double m);

} // namespace optics::hyperbolic
