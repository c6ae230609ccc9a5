#pragma once

#include "optics/hyperbolic/lens.h"
#include "optics/hyperbolic/view.h"

#include <optional>

namespace optics::hyperbolic {

// 1, −1 or 0 (also for NaN).
int signOf(double v);

// Whether a ray crossing the stop's x at height y is caught by a blade.
bool outsideOpening(const SahlControls& controls, double y);

// Where the line from s with slope m crosses the stop's x, formed only when
// the stop lies on the same side of s as the point p the ray heads for.
std::optional<Point> stopCrossingTowards(const SahlControls& controls, Point s, double m, Point p);

// The stop test on the way from the source s to the lens entry p: when the
// stop crosses the ray no farther from s than p and outside the opening, the
// ray ends there with a magenta dot (DrawWidth 4) and, unless "ONLY WAVES",
// a magenta line from s. Returns whether the ray was stopped.
bool stoppedOnWayIn(SahlView& view, Point s, double m, Point p);

} // namespace optics::hyperbolic
