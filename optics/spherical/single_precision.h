#pragma once

#include <cmath>
#include <limits>

namespace optics::spherical {

// The records hold single-precision values. Converting a finite double beyond
// the float range is undefined behaviour, so such values saturate to the
// float infinity of their sign; NaN and infinities convert as they are.
inline float toSingle(double v) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (v > kMax) {
        return std::numeric_limits<float>::infinity();
    }
    if (v < -kMax) {
        return -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(v);
}

} // namespace optics::spherical
