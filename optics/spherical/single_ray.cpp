#include "optics/spherical/tracer.h"

#include "canvas/surface.h"
#include "optics/spherical/geometry.h"
#include "optics/spherical/refraction.h"
#include "optics/spherical/trace_support.h"

namespace optics::spherical {

namespace {

constexpr canvas::Color kRay = canvas::RGB(255, 0, 0);
constexpr int kMaxFaces = 5;

} // namespace

void singleRay(canvas::Surface& surface, double& x0, double& y0, double dx, double dy, double xa,
               double xb, double r1, double r2, double n) {
    // Two coincident aiming points give no direction, and so no ray to draw.
    if (!hasDirection(dx, dy)) {
        return;
    }
    const SphericalLens lens{xa, xb, r1, r2, n};
    double x = x0;
    double y = y0;
    int face = 0;
    for (int crossed = 0; crossed < kMaxFaces; ++crossed) {
        const LensHit hit = nextHit(lens, dx, dy, x, y, face);
        if (!hit.hit) {
            break;
        }
        surface.Line(x, y, hit.hx, hit.hy, kRay);
        x = x0 = hit.hx;
        y = y0 = hit.hy;
        face = hit.face;
        const RefractResult bent = refractAtLensFace(face, dx, dy, x, y, lens);
        if (!bent.ok) {
            return; // totally reflected: the ray ends on this face
        }
        dx = bent.dirx;
        dy = bent.diry;
    }
    const PointF edge = borderExit(surface, x, y, dx, dy);
    surface.Line(x, y, edge.x, edge.y, kRay);
}

} // namespace optics::spherical
