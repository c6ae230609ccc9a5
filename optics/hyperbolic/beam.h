#pragma once

#include "optics/hyperbolic/lens.h"

namespace optics::hyperbolic {

// The starting wave front of a parallel beam of slope m that comes from the
// right (travelling towards −x): the line across the beam through the one of
// its outermost rays' points, first and last, that light reaches first. Every
// ray then starts on it, at or before its own point.
class BeamFront {
  public:
    BeamFront(double m, Point first, Point last);

    // Where the ray through r crosses the front.
    Point startOf(Point r) const;

  private:
    Direction travel_;
    double reached_ = 0; // the front's position along the travel
};

} // namespace optics::hyperbolic
