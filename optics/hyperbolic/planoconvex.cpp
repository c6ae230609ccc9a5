#include "optics/hyperbolic/planoconvex.h"

#include "optics/hyperbolic/beam.h"
#include "optics/hyperbolic/drawing.h"
#include "optics/hyperbolic/fronts.h"
#include "optics/hyperbolic/outline.h"
#include "optics/hyperbolic/planoconvex_ray.h"

#include <cmath>

namespace optics::hyperbolic {

namespace {

constexpr int kFanRays = 60;   // slopes 0.90 down to −0.87 in steps of 0.03
constexpr int kBeamRays = 101; // heights 100 down to −100 in steps of 2

void drawLens(SahlView& view, double a, double b, bool withIdealRays) {
    const double h = drawPlanoConvexOutline(view.surface, a, b);
    if (withIdealRays) {
        drawPlanoConvexIdealRays(view.surface, a, b, h);
    }
}

} // namespace

void epipedokyrtosPigi(Protosfakos& state, SahlView& view, double a, double b, double xs,
                       double ys) {
    state.startDrawing();
    state.clearRays();
    showCaption(view, "Επιπεδόκυρτος φακός του Ιμπν Σαχλ ");
    drawLens(view, a, b, !view.controls.onlyWaves);
    view.surface.Circle(xs, ys, 1);
    view.surface.Circle(a, 0, 1);
    if (!std::isfinite(xs) || !std::isfinite(ys)) {
        return; // a source that is no point of the plane sends no rays
    }
    const Lens lens = makeLens(a, b, state.nsahl);
    for (int k = 0; k < kFanRays; ++k) {
        const double m = (90 - 3 * k) / 100.0;
        planoConvexFanRay(state, view, lens, {xs, ys}, m);
        closeRay(state, view.surface, state.shared.pigiX, state.shared.pigiY);
    }
    joinFanFronts(state, view);
}

void epipedokyrtosDesmi(Protosfakos& state, SahlView& view, double a, double b, double m) {
    state.startDrawing();
    state.metopoX.clear(kMaxRecordedRay, kMaxRecordedRay);
    state.metopoY.clear(kMaxRecordedRay, kMaxRecordedRay);
    showCaption(view, "IBN SAHL'S PLANECONVEX LENS");
    drawLens(view, a, b, true);
    // The beam has no source; its mark lands on the origin.
    view.surface.Circle(0, 0, 1);
    view.surface.Circle(a, 0, 1);
    if (std::isnan(m)) {
        return; // a slope that is not a number gives the beam no direction
    }
    const Lens lens = makeLens(a, b, state.nsahl);
    const double slope = boundedBeamSlope(m);
    // Each ray passes (130, h) and comes in through the point d before it.
    const auto through = [&](double h) { return Point{kBeamX - lens.d, h - slope * lens.d}; };
    const BeamFront front(slope, through(100), through(100 - 2 * (kBeamRays - 1)));
    for (int k = 0; k < kBeamRays; ++k) {
        const double h = 100 - 2 * k;
        planoConvexBeamRay(state, view, lens, h, through(h), slope);
        const Point start = front.startOf(through(h));
        closeRay(state, view.surface, start.x, start.y);
    }
    joinFronts(state, view.surface, 1, std::nullopt, FrontDots::None);
}

} // namespace optics::hyperbolic
