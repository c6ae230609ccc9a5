#include "optics/hyperbolic/planoconvex.h"

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

// One beam ray along slope m through (130, h), travelling towards −x.
void traceBeamRay(Protosfakos& state, SahlView& view, const Lens& lens, double h, double m) {
    const Point start{kBeamX - lens.d, h - m * lens.d};
    const double y4 = start.y + m * (4 * lens.a - start.x);
    if (std::fabs(y4) > lens.edge) {
        const double run = 100 * (4 * lens.a - kBeamX);
        drawRayPiece(view, {kBeamX, h}, {kBeamX + run, h + run * m}, canvas::colors::blue);
        return;
    }
    const Point entry{4 * lens.a, y4};
    drawRayPiece(view, {kBeamX, h}, entry, canvas::colors::blue);
    const auto exit = throughPlaneFace(view, lens, entry, m);
    if (!exit) {
        return;
    }
    drawEmergingRay(view, *exit, 530);
    if (!recordRay(state, entry, *exit)) {
        return;
    }
    canvas::Surface& surface = view.surface;
    surface.DrawWidth = 4;
    surface.PSet(exit->at.x, exit->at.y);
    surface.DrawWidth = 1;
    closeRay(state, surface, start.x, start.y);
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
        const RayOutcome outcome = planoConvexFanRay(state, view, lens, {xs, ys}, m);
        if (outcome == RayOutcome::EndDrawing) {
            return;
        }
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
    for (int k = 0; k < kBeamRays; ++k) {
        traceBeamRay(state, view, lens, 100 - 2 * k, boundedBeamSlope(m));
    }
    joinFronts(state, view.surface, 1, std::nullopt, FrontDots::None);
}

} // namespace optics::hyperbolic
