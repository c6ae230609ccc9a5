#include "optics/hyperbolic/biconvex.h"

#include "optics/hyperbolic/beam.h"
#include "optics/hyperbolic/drawing.h"
#include "optics/hyperbolic/fronts.h"
#include "optics/hyperbolic/outline.h"

#include <cmath>

namespace optics::hyperbolic {

namespace {

constexpr int kFanRays = 45;   // slopes 0.90 down to −0.86 in steps of 0.04
constexpr int kBeamRays = 201; // heights 100 down to −100 in steps of 1

void drawLens(SahlView& view, double a, double b, bool withIdealRays) {
    showCaption(view, "Αμφίκυρτος φακός του Ιμπν Σαχλ με δύο υπερβολές");
    const double h = drawBiconvexOutline(view.surface, a, b);
    if (withIdealRays) {
        drawBiconvexIdealRays(view.surface, a, b, h);
    }
}

} // namespace

void amfikyrtosPigi(Protosfakos& state, SahlView& view, double a, double b, double xs, double ys) {
    state.startDrawing();
    state.clearRays();
    drawLens(view, a, b, !view.controls.onlyWaves);
    view.surface.Circle(xs, ys, 1);
    if (!std::isfinite(xs) || !std::isfinite(ys)) {
        return; // a source that is no point of the plane sends no rays
    }
    for (int k = 0; k < kFanRays; ++k) {
        const double m = (90 - 4 * k) / 100.0;
        aktinaAmfikyrtou(state, view, a, b, xs, ys, m, ys - m * xs);
        closeRay(state, view.surface, state.shared.pigiX, state.shared.pigiY);
    }
    joinFanFronts(state, view);
}

void amfikyrtosDesmi(Protosfakos& state, SahlView& view, double a, double b, double m) {
    state.startDrawing();
    drawLens(view, a, b, true);
    // The beam has no source; its mark lands on the origin.
    view.surface.Circle(0, 0, 1);
    if (std::isnan(m)) {
        return; // a slope that is not a number gives the beam no direction
    }
    const double slope = boundedBeamSlope(m);
    const BeamFront front(slope, {kBeamX, 100}, {kBeamX, 100 - (kBeamRays - 1)});
    canvas::Surface& surface = view.surface;
    for (int k = 0; k < kBeamRays; ++k) {
        const double h = 100 - k;
        aktinaAmfikyrtou(state, view, a, b, kBeamX, h, slope, h - kBeamX * slope);
        const Point start = front.startOf({kBeamX, h});
        surface.DrawWidth = 3;
        surface.PSet(start.x, start.y);
        surface.DrawWidth = 1;
        closeRay(state, surface, start.x, start.y);
    }
    joinFronts(state, surface, 1, canvas::colors::blue, FrontDots::AtEachPoint);
}

} // namespace optics::hyperbolic
