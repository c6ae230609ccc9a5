#include "optics/spherical/tracer.h"

#include <cmath>

namespace optics::spherical {

namespace {

// The workbench's finest step gives 3438 directions; a step so fine that a
// fan would exceed this cap cannot come from its scroll bars, and such a fan
// is not drawn rather than left to run for minutes.
constexpr double kMaxDirections = 65536;

} // namespace

// The end is included when the steps reach it exactly. A step that is not
// positive (or NaN) would never reach the end: no directions.
int fanDirections(double anglestep) {
    if (!(anglestep > 0)) {
        return 0;
    }
    const double count = std::floor(360 / anglestep) + 1;
    return count <= kMaxDirections ? static_cast<int>(count) : 0;
}

// Each direction from its index, so no rounding piles up along the fan.
double fanAngleRad(int i, double anglestep) {
    const double pi = 4 * std::atan(1.0);
    return pi * (-180 + i * anglestep) / 180;
}

void pointBundle(canvas::Surface& surface, Poreiaaktinon& state, const BundleControls& controls,
                 const IdealImageMark& aktinaideal, double xa, double xb, double r1, double r2,
                 double& x0, double& y0) {
    state.shared.plithosaktinon = 0;
    const double n = controls.indexValue / 100.0;
    const int directions = fanDirections(state.anglestep);
    for (int i = 0; i < directions; ++i) {
        const double theta = fanAngleRad(i, state.anglestep);
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
