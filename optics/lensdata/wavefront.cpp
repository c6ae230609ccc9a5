#include "optics/lensdata/wavefront.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace optics::lensdata {

namespace {

// The signed distance along a ray from its exit point to the reference.
struct DistanceTo {
    const ExitRay& r;

    // |E + t·d − C| = R with d a unit vector: t² + 2·b·t + c = 0, b = (E − C)·d,
    // c = |E − C|² − R². Of the two roots the one nearer 0 is c / q with
    // q = −(b + sgn(b)·√(b² − c)), which loses no digits when c is small.
    std::optional<double> operator()(const ReferenceSphere& s) const {
        const double ex = r.x - s.cx, ey = r.y - s.cy;
        const double rho = std::hypot(ex, ey);
        const double b = ex * r.dx + ey * r.dy;
        const double c = (rho - s.radius) * (rho + s.radius);
        const double disc = b * b - c;
        if (!(disc >= 0)) {
            return std::nullopt;
        }
        const double q = -(b + std::copysign(std::sqrt(disc), b));
        return q == 0 ? 0.0 : c / q;
    }

    std::optional<double> operator()(const ReferencePlane& p) const {
        const double along = r.dx * p.nx + r.dy * p.ny;
        const double t = ((p.px - r.x) * p.nx + (p.py - r.y) * p.ny) / along;
        return std::isfinite(t) ? std::optional<double>(t) : std::nullopt;
    }
};

WavefrontError spreadOf(const std::vector<double>& paths, double wavelength) {
    const auto [low, high] = std::minmax_element(paths.begin(), paths.end());
    double mean = 0;
    for (double p : paths) {
        mean += p;
    }
    mean /= static_cast<double>(paths.size());
    double squares = 0;
    for (double p : paths) {
        squares += (p - mean) * (p - mean);
    }
    WavefrontError error;
    error.peakToValley = (*high - *low) / wavelength;
    error.rms = std::sqrt(squares / static_cast<double>(paths.size())) / wavelength;
    error.withinQuarterWave = error.peakToValley <= 0.25;
    return error;
}

} // namespace

Reference referenceFor(const Beam& beam, const Spot& spot) {
    if (spot.kind == SpotKind::AtInfinity) {
        return ReferencePlane{beam.cx, beam.cy, beam.ux, beam.uy};
    }
    return ReferenceSphere{spot.x, spot.y, std::hypot(beam.cx - spot.x, beam.cy - spot.y)};
}

std::optional<WavefrontError> wavefrontError(const Beam& beam, const Reference& reference,
                                             double wavelength) {
    if (beam.rays.size() < 2 || !(wavelength > 0)) {
        return std::nullopt;
    }
    std::vector<double> paths;
    paths.reserve(beam.rays.size());
    for (const ExitRay& r : beam.rays) {
        const std::optional<double> t = std::visit(DistanceTo{r}, reference);
        if (!t) {
            return std::nullopt;
        }
        paths.push_back(r.opticalPath + *t);
    }
    const WavefrontError error = spreadOf(paths, wavelength);
    if (!std::isfinite(error.peakToValley) || !std::isfinite(error.rms)) {
        return std::nullopt; // paths so long that their differences overflow
    }
    return error;
}

} // namespace optics::lensdata
