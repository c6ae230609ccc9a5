#pragma once

#include "optics/lensdata/beam.h"

#include <optional>

namespace optics::lensdata {

enum class SpotKind {
    Real,       // the rays meet ahead of the lens
    Virtual,    // they come apart as if from a spot behind their exit points
    AtInfinity, // they leave parallel: the spot has an angular size only
};

// The smallest spot of a beam (the circle of least confusion): across the
// beam's direction, the plane where its rays, taken as whole lines, fill the
// narrowest width. Virtual spots (diverging light) are found on the lines'
// extensions behind the exit points.
struct Spot {
    SpotKind kind = SpotKind::AtInfinity;
    double x = 0, y = 0;  // the centre of the spot (not AtInfinity)
    double diameter = 0;  // its width across the beam; AtInfinity the beam's width
    double distance = 0;  // along the beam from the pupil (the centroid of the exit
                          // points) to the spot: positive ahead, negative behind
    double spreadRad = 0; // the angle between the two outermost directions
};

// The spot lies "at infinity" when it is more than this many times the size
// of the pupil away from it: a wave front curved that little is flat to well
// within a thousandth of a wavelength across the window.
constexpr double kParallelDistanceRatio = 1e4;

// Empty when the beam has fewer than two rays.
std::optional<Spot> smallestSpot(const Beam& beam);

} // namespace optics::lensdata
