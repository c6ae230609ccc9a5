#pragma once

namespace optics::spherical {

// A spherical lens: the glass inside both circles, circle 1 of centre (xa, 0)
// and radius radius1, circle 2 of centre (xb, 0) and radius radius2, of index
// deiktis relative to the surroundings. In the order the procedures take the
// same values, so that {xa, xb, r1, r2, n} reads as their argument lists do.
struct SphericalLens {
    double xa = 0;
    double xb = 0;
    double radius1 = 0;
    double radius2 = 0;
    double deiktis = 0;
    bool operator==(const SphericalLens&) const = default;
};

} // namespace optics::spherical
