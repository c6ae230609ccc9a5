#pragma once

#include "optics/lensdata/light.h"

#include <span>
#include <vector>

namespace optics::lensdata {

// The rays that left a lens taken as one beam. A ray belongs to it when its
// exit point, direction and optical path are finite, its direction is not
// zero, and it travels within 80 degrees of the mean direction: a stray ray
// bent far off near a lens edge has no place in one spot or one front. The
// rest are left out and counted.
struct Beam {
    std::vector<ExitRay> rays; // with unit directions
    double ux = 1, uy = 0;     // the direction the beam travels (unit)
    double cx = 0, cy = 0;     // the centroid of the exit points: the beam's pupil
    int leftOut = 0;
};

// The beam of these rays. The mean of the unit directions of the usable rays
// is the first guess of the beam's direction; its direction is the mean of
// the rays kept against that guess, and a ray that then lies 80 degrees or
// more off it is left out too. Empty (no rays) when the directions cancel out.
Beam beamOf(std::span<const ExitRay> rays);

} // namespace optics::lensdata
