#pragma once

#include "optics/hyperbolic/state.h"
#include "optics/hyperbolic/view.h"

#include "canvas/surface.h"

#include <optional>

namespace optics::hyperbolic {

constexpr int kFrontsPerRay = 30; // fronts 1..30 are marched and joined
constexpr float kFrontStep = 15;  // time between fronts: 15 units of air path

// Marches recorded ray i (entry, exit and direction from the records) from
// the point source (pigiX, pigiY) in equal times: 15 units per front in air,
// 15/n in the glass. Writes metopoX/metopoY(i, 0..30), front 0 being the
// start. A ray with a piece of zero length, or not recorded (i outside
// 0..500), gets no front. Leaves DrawWidth 1 and ForeColor black.
void metopoPigis(Protosfakos& state, canvas::Surface& surface, int i);

// The same from the start point (x0, y0) of a beam ray.
void metopoDesmis(Protosfakos& state, canvas::Surface& surface, double x0, double y0, int i);

enum class FrontDots { None, AtEachPoint };

// Joins front point (i, j) to (i + 1, j) for i = firstRay .. recorded − 2 and
// j = 1..30, in color or else the ForeColor, with a dot of the same colour at
// (i, j) when asked.
void joinFronts(const Protosfakos& state, canvas::Surface& surface, int firstRay,
                std::optional<canvas::Color> color, FrontDots dots);

// After each traced ray: when aktinaKatagrafi was raised, the ray's fronts
// from (x0, y0) and plithosaktinon advanced; the flag is cleared either way.
void closeRay(Protosfakos& state, canvas::Surface& surface, double x0, double y0);

// After a point-source fan: the fronts joined in blue from ray 1 on, unless
// "Only Rays".
void joinFanFronts(const Protosfakos& state, SahlView& view);

// The "WAVES" menu after its point-source drawing: the fronts of every
// recorded ray computed again from the source and joined from ray 0 on, in
// the ForeColor.
void redrawFronts(Protosfakos& state, canvas::Surface& surface);

} // namespace optics::hyperbolic
