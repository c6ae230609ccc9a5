#pragma once

// What the lens data works from: the light that was sent into a lens and the
// rays that came out of it. Lengths are the user units of the lens window.

#include "optics/shared/point.h"

#include <variant>

namespace optics::lensdata {

// Light from a point: every ray starts at (x, y).
struct PointSource {
    double x = 0;
    double y = 0;
    bool operator==(const PointSource&) const = default;
};

// A parallel beam travelling along (dx, dy); any length but 0.
struct ParallelBeam {
    double dx = 1;
    double dy = 0;
};

using Light = std::variant<PointSource, ParallelBeam>;

// The optical path in air from the light's common front to (x, y), which a
// ray of that light reaches travelling straight: the distance from a point
// source, or for a beam the distance along it from the plane through the
// origin perpendicular to it (negative before that plane). A beam's rays may
// start anywhere on their lines, on one front or not. NaN for a beam without
// a direction.
double airPathTo(const Light& light, double x, double y);

// A ray after the lens.
struct ExitRay {
    double x = 0, y = 0;    // where it left the glass
    double dx = 0, dy = 0;  // its direction of travel from there; any length but 0
    double opticalPath = 0; // from the light's common front to (x, y): air path + n × glass path
    double entryY = 0;      // the height at which it entered the glass
};

} // namespace optics::lensdata
