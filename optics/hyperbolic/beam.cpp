#include "optics/hyperbolic/beam.h"

#include <algorithm>
#include <cmath>

namespace optics::hyperbolic {

BeamFront::BeamFront(double m, Point first, Point last) {
    const double norm = std::sqrt(1 + m * m);
    travel_ = {-1 / norm, -m / norm};
    reached_ = std::min(first.x * travel_.x + first.y * travel_.y,
                        last.x * travel_.x + last.y * travel_.y);
}

Point BeamFront::startOf(Point r) const {
    const double behind = r.x * travel_.x + r.y * travel_.y - reached_;
    return {r.x - behind * travel_.x, r.y - behind * travel_.y};
}

} // namespace optics::hyperbolic
