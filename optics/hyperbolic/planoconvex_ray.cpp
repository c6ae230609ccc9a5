#include "optics/hyperbolic/planoconvex_ray.h"

#include "optics/hyperbolic/drawing.h"
#include "optics/hyperbolic/glass.h"
#include "optics/hyperbolic/stop.h"

namespace optics::hyperbolic {

namespace {

// Where the line through `from` meets the glass first, and the point where a
// missing line crosses the plane of the plane face, which the miss line runs
// towards.
struct Aim {
    std::optional<FacePoint> entry;
    Point towards;
};

Aim aimAtLens(const Lens& lens, Point from, double m) {
    const double q = from.y - m * from.x;
    Aim aim{nearestSurfacePoint(lens, planoConvexFaces(lens), m, q, from),
            {4 * lens.a, 4 * lens.a * m + q}};
    if (aim.entry) {
        aim.towards = aim.entry->at;
    }
    return aim;
}

// Through the glass and out: the green emerging ray and the record.
std::optional<RayExit> enterAndLeave(Protosfakos& state, SahlView& view, const Lens& lens,
                                     const Aim& aim, Point from, double m) {
    const Direction d = travelTowards(lens, from, aim.towards, m);
    const auto exit = throughGlass(view, lens, planoConvexFaces(lens), *aim.entry, d);
    if (!exit) {
        return std::nullopt;
    }
    drawEmergingRay(view, *exit, 530);
    if (!recordRay(state, aim.towards, *exit)) {
        return std::nullopt;
    }
    return exit;
}

} // namespace

bool planoConvexFanRay(Protosfakos& state, SahlView& view, const Lens& lens, Point s, double m) {
    const Aim aim = aimAtLens(lens, s, m);
    const Point p = aim.towards;
    if (stoppedOnWayIn(view, s, m, p)) {
        return false;
    }
    if (!aim.entry) {
        const double run = 100 * (p.x - s.x);
        drawRayOnward(view, s, {s.x + run, s.y + run * m}, canvas::colors::blue);
        return false;
    }
    drawRayPiece(view, s, p, canvas::colors::blue);
    return enterAndLeave(state, view, lens, aim, s, m).has_value();
}

std::optional<RayExit> planoConvexBeamRay(Protosfakos& state, SahlView& view, const Lens& lens,
                                          double h, Point r, double m) {
    const Aim aim = aimAtLens(lens, r, m);
    const Point mark{kBeamX, h};
    if (!aim.entry) {
        const double run = 100 * (4 * lens.a - kBeamX);
        drawRayOnward(view, mark, {kBeamX + run, h + run * m}, canvas::colors::blue);
        return std::nullopt;
    }
    drawRayPiece(view, mark, aim.towards, canvas::colors::blue);
    const auto exit = enterAndLeave(state, view, lens, aim, r, m);
    if (exit) {
        canvas::Surface& surface = view.surface;
        surface.DrawWidth = 4;
        surface.PSet(exit->at.x, exit->at.y);
        surface.DrawWidth = 1;
    }
    return exit;
}

} // namespace optics::hyperbolic
