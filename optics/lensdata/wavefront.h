#pragma once

#include "optics/lensdata/beam.h"
#include "optics/lensdata/spot.h"

#include <optional>
#include <variant>

namespace optics::lensdata {

// The surface a perfect wave front would take: a sphere about the point it
// converges to or diverges from, or a plane across a parallel beam.
struct ReferenceSphere {
    double cx = 0, cy = 0;
    double radius = 0;
};
struct ReferencePlane {
    double px = 0, py = 0; // a point of the plane
    double nx = 1, ny = 0; // its unit normal, the direction of travel
};
using Reference = std::variant<ReferenceSphere, ReferencePlane>;

// The sphere centred on a real or virtual spot through the beam's pupil (the
// centroid of its exit points); for a spot at infinity the plane through the
// pupil across the beam.
Reference referenceFor(const Beam& beam, const Spot& spot);

// How far the wave front leaving a lens is from the reference. Each ray's
// optical path is carried on from its exit point to where it crosses the
// reference (the crossing nearest the exit point, behind it when the
// reference lies there); these paths are all equal for a perfect front.
struct WavefrontError {
    double peakToValley = 0;        // the largest less the smallest path, in wavelengths
    double rms = 0;                 // root mean square about their mean, in wavelengths
    bool withinQuarterWave = false; // peak to valley at most 1/4 (Rayleigh's criterion)
};

// Empty when the beam has fewer than two rays, the wavelength is not
// positive, or a ray never crosses the reference (it runs along the plane,
// or passes the sphere's centre farther off than its radius: a blur as large
// as the distance to the lens is no wave front to speak of).
std::optional<WavefrontError> wavefrontError(const Beam& beam, const Reference& reference,
                                             double wavelength);

} // namespace optics::lensdata
