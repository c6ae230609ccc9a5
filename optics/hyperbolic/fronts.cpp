#include "optics/hyperbolic/fronts.h"

#include "optics/hyperbolic/hyperbola.h"
#include "optics/hyperbolic/lens.h"

#include <algorithm>
#include <cmath>

namespace optics::hyperbolic {

namespace {

// The three pieces of a recorded ray: start s to entry p along e1, through the
// glass to the exit e along e2, then along e3.
struct RayPath {
    Point s, p, e;
    Point e1, e2, e3;
    double toEntry = 0; // L1 = |s p|
    double inGlass = 0; // L2 = |p e|
};

Point advance(Point from, Point unit, double length) {
    return {from.x + length * unit.x, from.y + length * unit.y};
}

double distance(Point u, Point v) {
    return apostasiSahl(u.x, u.y, v.x, v.y);
}

std::optional<RayPath> recordedPath(const Protosfakos& state, Point s, int i) {
    RayPath path;
    path.s = s;
    path.p = {state.eisodosX[i], state.eisodosY[i]};
    path.e = {state.exodosX[i], state.exodosY[i]};
    path.toEntry = distance(s, path.p);
    path.inGlass = distance(path.p, path.e);
    const float c = state.exodosCos[i];
    const float sn = state.exodosSin[i];
    const float w = std::sqrt(c * c + sn * sn);
    if (path.toEntry == 0 || path.inGlass == 0 || w == 0) {
        return std::nullopt;
    }
    path.e1 = {(path.p.x - s.x) / path.toEntry, (path.p.y - s.y) / path.toEntry};
    path.e2 = {(path.e.x - path.p.x) / path.inGlass, (path.e.y - path.p.y) / path.inGlass};
    path.e3 = {c / w, sn / w};
    return path;
}

// The point that light from s reaches after the optical path `time` (air
// path plus n times glass path): along the ray, across each face it reaches
// on at the speed and in the direction beyond it, so every front lies on its
// ray however many faces one step crosses.
Point frontAt(const RayPath& path, double time, double n) {
    if (time <= path.toEntry) {
        return advance(path.s, path.e1, time);
    }
    const double inGlass = (time - path.toEntry) / n;
    if (inGlass <= path.inGlass) {
        return advance(path.p, path.e2, inGlass);
    }
    return advance(path.e, path.e3, time - path.toEntry - n * path.inGlass);
}

void marchFronts(Protosfakos& state, canvas::Surface& surface, Point s, int i) {
    // Only recorded rays have a path; a glass index that is not positive
    // gives light no speed in the glass.
    if (i < 0 || i > kMaxRecordedRay || !(state.nsahl > 0)) {
        return;
    }
    const auto path = recordedPath(state, s, i);
    if (!path) {
        return;
    }
    state.metopoX(i, 0) = s.x;
    state.metopoY(i, 0) = s.y;
    for (int j = 1; j <= kFrontsPerRay; ++j) {
        const Point front = frontAt(*path, j * double{kFrontStep}, state.nsahl);
        state.metopoX(i, j) = front.x;
        state.metopoY(i, j) = front.y;
    }
    // Each front leaves the pen at width 1, black after odd and red after even
    // fronts; the last sets it black.
    surface.DrawWidth = 1;
    surface.ForeColor = canvas::colors::black;
}

} // namespace

void metopoPigis(Protosfakos& state, canvas::Surface& surface, int i) {
    marchFronts(state, surface, {state.shared.pigiX, state.shared.pigiY}, i);
}

void metopoDesmis(Protosfakos& state, canvas::Surface& surface, double x0, double y0, int i) {
    marchFronts(state, surface, {x0, y0}, i);
}

void joinFronts(const Protosfakos& state, canvas::Surface& surface, int firstRay,
                std::optional<canvas::Color> color, FrontDots dots) {
    const int last = state.recordedRays() - 2;
    for (int j = 1; j <= kFrontsPerRay; ++j) {
        for (int i = std::max(firstRay, 0); i <= last; ++i) {
            const canvas::Color pen = color.value_or(surface.ForeColor);
            const double x = state.metopoX(i, j);
            const double y = state.metopoY(i, j);
            surface.Line(x, y, state.metopoX(i + 1, j), state.metopoY(i + 1, j), pen);
            if (dots == FrontDots::AtEachPoint) {
                surface.PSet(x, y, pen);
            }
        }
    }
}

void closeRay(Protosfakos& state, canvas::Surface& surface, double x0, double y0) {
    if (state.aktinaKatagrafi != 0) {
        marchFronts(state, surface, {x0, y0}, state.shared.plithosaktinon);
        ++state.shared.plithosaktinon;
    }
    state.aktinaKatagrafi = 0;
}

void joinFanFronts(const Protosfakos& state, SahlView& view) {
    if (!view.controls.onlyRays) {
        joinFronts(state, view.surface, 1, canvas::colors::blue, FrontDots::None);
    }
}

void redrawFronts(Protosfakos& state, canvas::Surface& surface) {
    for (int i = 0; i < state.recordedRays(); ++i) {
        metopoPigis(state, surface, i);
    }
    joinFronts(state, surface, 0, std::nullopt, FrontDots::None);
}

} // namespace optics::hyperbolic
