#include "optics/spherical/tracer.h"

#include <cmath>

namespace optics::spherical {

namespace {

// The workbench's finest step gives 3438 directions; a step so fine that a
// fan would exceed this cap cannot come from its scroll bars, and such a fan
// is not drawn rather than left to run for minutes.
constexpr double kMaxDirections = 65536;

// Int(360 / step) + 1 directions: -180 degrees and every step after it up to
// 180, the end included when the steps reach it exactly. None for a step that
// is not positive (or NaN), which would never reach the end.
int fanDirections(double anglestep) {
    if (!(anglestep > 0)) {
        return 0;
    }
    const double count = std::floor(360 / anglestep) + 1;
    return count <= kMaxDirections ? static_cast<int>(count) : 0;
}

} // namespace

void pointBundle(canvas::Surface& surface, Poreiaaktinon& state, const BundleControls& controls,
                 const IdealImageMark& aktinaideal, double xa, double xb, double r1, double r2,
                 double& x0, double& y0) {
    const double pi = 4 * std::atan(1.0);
    state.shared.plithosaktinon = 0;
    const double n = controls.indexValue / 100.0;
    const int directions = fanDirections(state.anglestep);
    for (int i = 0; i < directions; ++i) {
        // Each direction from its index, so no rounding piles up along the fan.
        const double theta = pi * (-180 + i * state.anglestep) / 180;
        const double dx = std::cos(theta);
        const double dy = std::sin(theta);
        if (aktinaideal) {
            aktinaideal(x0, y0, xa, xb, r1, r2);
        }
        // The tracers write the last lens point back into their start; every
        // ray of the fan starts at the source, so each gets its own copy.
        if (!controls.check2) {
            double x = x0;
            double y = y0;
            traceRay(surface, controls.diaphragm, x, y, dx, dy, xa, xb, r1, r2, n);
        }
        if (controls.check1 || controls.check2) {
            double x = x0;
            double y = y0;
            traceWave(surface, state, controls.diaphragm, x, y, dx, dy, xa, xb, r1, r2, n);
        }
    }
}

} // namespace optics::spherical
