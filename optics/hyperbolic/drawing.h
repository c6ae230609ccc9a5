#pragma once

#include "optics/hyperbolic/lens.h"
#include "optics/hyperbolic/view.h"

#include <string>

namespace optics::hyperbolic {

// Unless "ONLY WAVES", a piece of a ray in the given colour.
void drawRayPiece(SahlView& view, Point from, Point to, canvas::Color color);

// Unless "ONLY WAVES", a ray from `from` towards `to` that runs to the
// window's edge: an end beyond the edge of the scale runs on to the edge of
// a zoomed-out view.
void drawRayOnward(SahlView& view, Point from, Point to, canvas::Color color);

// Unless "ONLY WAVES", the emerging ray in green from its exit along its
// direction of travel.
void drawEmergingRay(SahlView& view, const RayExit& exit, double length);

// The window's caption, when the window gave a way to set it.
void showCaption(SahlView& view, const std::string& caption);

} // namespace optics::hyperbolic
