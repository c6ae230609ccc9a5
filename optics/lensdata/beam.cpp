#include "optics/lensdata/beam.h"

#include <cmath>

namespace optics::lensdata {

namespace {

// cos 80°: a ray farther off the beam's direction is not part of it.
const double kMinAlongBeam = std::cos(80 * std::acos(-1.0) / 180);

bool usable(const ExitRay& r) {
    const double length = std::hypot(r.dx, r.dy);
    return std::isfinite(r.x) && std::isfinite(r.y) && std::isfinite(r.opticalPath) &&
           std::isfinite(length) && length > 0;
}

struct Direction {
    double x = 0, y = 0;
    bool found = false;
};

// The normalised sum of the rays' unit directions.
Direction meanDirection(const std::vector<ExitRay>& rays) {
    double sx = 0, sy = 0;
    for (const ExitRay& r : rays) {
        sx += r.dx;
        sy += r.dy;
    }
    const double length = std::hypot(sx, sy);
    // Directions that cancel out (to rounding) leave no direction of travel.
    if (!(length > 1e-9 * static_cast<double>(rays.size()))) {
        return {};
    }
    return {sx / length, sy / length, true};
}

std::vector<ExitRay> alongDirection(const std::vector<ExitRay>& rays, Direction u) {
    std::vector<ExitRay> kept;
    kept.reserve(rays.size());
    for (const ExitRay& r : rays) {
        if (r.dx * u.x + r.dy * u.y >= kMinAlongBeam) {
            kept.push_back(r);
        }
    }
    return kept;
}

} // namespace

Beam beamOf(std::span<const ExitRay> rays) {
    std::vector<ExitRay> unitRays;
    unitRays.reserve(rays.size());
    for (ExitRay r : rays) {
        if (usable(r)) {
            const double length = std::hypot(r.dx, r.dy);
            r.dx /= length;
            r.dy /= length;
            unitRays.push_back(r);
        }
    }
    Beam beam;
    const Direction guess = meanDirection(unitRays);
    const Direction u = guess.found ? meanDirection(alongDirection(unitRays, guess)) : guess;
    if (u.found) {
        beam.rays = alongDirection(unitRays, u);
        beam.ux = u.x;
        beam.uy = u.y;
        for (const ExitRay& r : beam.rays) {
            beam.cx += r.x / static_cast<double>(beam.rays.size());
            beam.cy += r.y / static_cast<double>(beam.rays.size());
        }
    }
    beam.leftOut = static_cast<int>(rays.size() - beam.rays.size());
    return beam;
}

} // namespace optics::lensdata
