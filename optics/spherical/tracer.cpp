#include "optics/spherical/tracer.h"

#include "canvas/surface.h"
#include "optics/spherical/geometry.h"
#include "optics/spherical/refraction.h"
#include "optics/spherical/trace_support.h"

namespace optics::spherical {

namespace {

constexpr canvas::Color kStopped = canvas::RGB(0, 0, 255);
constexpr canvas::Color kLeavingLens = canvas::RGB(255, 100, 150);

// The glass is the inside of two circles, a convex region, so a ray crosses
// its surface at most twice; the bound only guarantees that the loop ends.
constexpr int kMaxPasses = 5;

// The colour of a segment that ends on the lens, by the face it ends on.
canvas::Color faceColor(int face) {
    if (face == 1) {
        return canvas::RGB(255, 0, 0);
    }
    return face == 2 ? canvas::RGB(255, 0, 255) : canvas::RGB(255, 150, 0);
}

// The last, free segment from (x, y): to the diaphragm stop, or on to the
// window's border, pink when it leaves the lens and in ForeColor when it
// never met it.
void drawFreePath(canvas::Surface& surface, const std::optional<PointF>& stop, double x, double y,
                  double dx, double dy, bool afterLens) {
    if (stop) {
        surface.Line(x, y, stop->x, stop->y, kStopped);
        return;
    }
    const PointF edge = borderExit(surface, x, y, dx, dy);
    if (afterLens) {
        surface.Line(x, y, edge.x, edge.y, kLeavingLens);
    } else {
        surface.Line(x, y, edge.x, edge.y);
    }
}

} // namespace

void traceRay(canvas::Surface& surface, const Diaphragm& diaphragm, double& x0, double& y0,
              double dx, double dy, double xa, double xb, double r1, double r2, double n) {
    // A ray that starts outside the window, or has no direction, has no path
    // the user could see.
    if (!insideVisibleArea(surface, x0, y0) || !hasDirection(dx, dy)) {
        return;
    }
    surface.DrawWidth = 1;
    const SphericalLens lens{xa, xb, r1, r2, n};
    double x = x0;
    double y = y0;
    int face = 0;
    for (int pass = 0; pass < kMaxPasses; ++pass) {
        const std::optional<PointF> stop = diaphragmAhead(diaphragm, x, y, dx, dy);
        const LensHit hit = lensEntry(xa, xb, r1, r2, dx, dy, x, y, face);
        if (!hit.hit || !lensBeforeStop(stop, x, y, hit.hx, hit.hy)) {
            drawFreePath(surface, stop, x, y, dx, dy, pass > 0);
            return;
        }
        surface.Line(x, y, hit.hx, hit.hy, stop ? kStopped : faceColor(face));
        x = x0 = hit.hx;
        y = y0 = hit.hy;
        const RefractResult bent = refractAtLensFace(hit.face, dx, dy, x, y, lens);
        if (!bent.ok) {
            return; // total internal reflection ends the ray
        }
        dx = bent.dirx;
        dy = bent.diry;
    }
}

} // namespace optics::spherical
