#include "optics/hyperbolic/biconvex.h"

#include "optics/hyperbolic/drawing.h"
#include "optics/hyperbolic/glass.h"
#include "optics/hyperbolic/stop.h"

#include <cmath>
#include <optional>

namespace optics::hyperbolic {

namespace {

// Before the lens: the stop, then a miss. A line that meets neither face runs
// past the lens towards its point p at x = 4a, outside the aperture. Returns
// whether the ray goes on.
bool reachesLens(SahlView& view, Point s, double m, Point p, bool meetsLens) {
    if (stoppedOnWayIn(view, s, m, p)) {
        return false;
    }
    if (meetsLens) {
        drawRayPiece(view, s, p, canvas::colors::blue);
        return true;
    }
    const auto t = stopCrossingTowards(view.controls, s, m, p);
    if (t && outsideOpening(view.controls, t->y)) {
        drawRayPiece(view, s, *t, canvas::colors::magenta);
    } else {
        const double run = 100 * (p.x - s.x);
        drawRayOnward(view, s, {s.x + run, s.y + run * m}, canvas::colors::blue);
    }
    return false;
}

// The stop after the lens, when it lies ahead along the emerging ray. A ray
// caught there ends in magenta, with a dot (DrawWidth 5, ForeColor) when it
// left through face 1. Returns whether it was caught.
bool stoppedAfterLens(SahlView& view, const RayExit& exit) {
    const SahlControls& controls = view.controls;
    if (exit.dirX == 0 || signOf(controls.stopX - exit.at.x) != signOf(exit.dirX)) {
        return false;
    }
    const Point t{controls.stopX, exit.at.y + (controls.stopX - exit.at.x) * exit.dirY / exit.dirX};
    if (!outsideOpening(controls, t.y)) {
        return false;
    }
    if (exit.throughRightFace) {
        view.surface.DrawWidth = 5;
        view.surface.PSet(t.x, t.y);
        view.surface.DrawWidth = 1;
    }
    drawRayPiece(view, exit.at, t, canvas::colors::magenta);
    return true;
}

} // namespace

void aktinaAmfikyrtou(Protosfakos& state, SahlView& view, double a, double b, double x0, double y0,
                      double m, double q) {
    const Lens lens = makeLens(a, b, state.nsahl);
    const LensFaces faces = biconvexFaces(lens);
    const Point s{x0, y0};
    const auto entry = nearestSurfacePoint(lens, faces, m, q, s);
    const Point p = entry ? entry->at : Point{4 * lens.a, 4 * lens.a * m + q};
    if (!reachesLens(view, s, m, p, entry.has_value())) {
        return;
    }
    const auto exit = throughGlass(view, lens, faces, *entry, travelTowards(lens, s, p, m));
    if (!exit || stoppedAfterLens(view, *exit)) {
        return;
    }
    view.surface.DrawWidth = 1;
    drawEmergingRay(view, *exit, 130);
    recordRay(state, p, *exit);
}

} // namespace optics::hyperbolic
