#include "optics/spherical/tracer.h"

#include "canvas/surface.h"
#include "optics/spherical/geometry.h"
#include "optics/spherical/refraction.h"
#include "optics/spherical/trace_support.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace optics::spherical {

namespace {

constexpr canvas::Color kRay = canvas::RGB(255, 0, 0);
constexpr int kMaxFaces = 5;

double degrees(double radians) {
    return radians * 180 / std::numbers::pi;
}

// The angle between the line of (dx, dy) and the normal, whichever way
// either points: 0 along the normal, 90 along the face.
double angleToNormalDeg(double dx, double dy, double nx, double ny) {
    return degrees(std::atan2(std::abs(dx * ny - dy * nx), std::abs(dx * nx + dy * ny)));
}

FaceCrossing crossingAt(const LensHit& hit, const SphericalLens& lens, double dx, double dy) {
    FaceCrossing c;
    c.x = hit.hx;
    c.y = hit.hy;
    c.face = hit.face;
    const double cx = hit.face == 1 ? lens.xa : lens.xb;
    const double length = std::hypot(hit.hx - cx, hit.hy);
    if (length > 0) {
        c.normalX = (hit.hx - cx) / length;
        c.normalY = hit.hy / length;
    }
    // The glass lies inside both circles: against the outward normal is in.
    c.intoGlass = dx * c.normalX + dy * c.normalY < 0;
    c.incidenceDeg = angleToNormalDeg(dx, dy, c.normalX, c.normalY);
    return c;
}

} // namespace

SingleRayPath singleRayPath(const SphericalLens& lens, double x0, double y0, double dx, double dy) {
    SingleRayPath path{{}, dx, dy, false};
    // Two coincident aiming points give no direction, and so no ray.
    if (!hasDirection(dx, dy)) {
        return path;
    }
    double x = x0;
    double y = y0;
    int face = 0;
    for (int crossed = 0; crossed < kMaxFaces; ++crossed) {
        const LensHit hit = nextHit(lens, path.dx, path.dy, x, y, face);
        if (!hit.hit) {
            break;
        }
        FaceCrossing& c = path.crossings.emplace_back(crossingAt(hit, lens, path.dx, path.dy));
        x = hit.hx;
        y = hit.hy;
        face = hit.face;
        const RefractResult bent = refractAtLensFace(face, path.dx, path.dy, x, y, lens);
        if (!bent.ok) {
            path.reflected = true; // the ray ends on this face
            return path;
        }
        path.dx = bent.dirx;
        path.dy = bent.diry;
        c.refractionDeg = angleToNormalDeg(path.dx, path.dy, c.normalX, c.normalY);
    }
    return path;
}

std::optional<double> criticalAngleDeg(double n) {
    if (!(n > 0) || !std::isfinite(n) || n == 1) {
        return std::nullopt;
    }
    return degrees(std::asin(std::min(n, 1 / n)));
}

void singleRay(canvas::Surface& surface, double& x0, double& y0, double dx, double dy, double xa,
               double xb, double r1, double r2, double n) {
    const SingleRayPath path = singleRayPath({xa, xb, r1, r2, n}, x0, y0, dx, dy);
    if (!hasDirection(dx, dy)) {
        return;
    }
    double x = x0;
    double y = y0;
    for (const FaceCrossing& c : path.crossings) {
        surface.Line(x, y, c.x, c.y, kRay);
        x = x0 = c.x;
        y = y0 = c.y;
    }
    if (path.reflected) {
        return;
    }
    const PointF edge = borderExit(surface, x, y, path.dx, path.dy);
    surface.Line(x, y, edge.x, edge.y, kRay);
}

} // namespace optics::spherical
