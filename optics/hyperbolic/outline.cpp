#include "optics/hyperbolic/outline.h"

#include "optics/hyperbolic/hyperbola.h"

#include <cmath>

namespace optics::hyperbolic {

namespace {

constexpr int kIdealRayReach = 4; // rays at k·h for k = −4..4

// One branch, both halves, outwards from its vertex: direction +1 walks the
// right branch, −1 the left one; shift moves it along x. An integer counter
// gives the 150 points that a running sum of a/50 gives (its rounding pushes
// the 151st just beyond 4a). Returns the last height drawn.
double drawBranch(canvas::Surface& surface, double a, double b, double direction, double shift) {
    double previousX = direction * a;
    double previousY = 0;
    double y = 0;
    for (int k = 0; k < kOutlinePoints; ++k) {
        const double x = direction * (a + k * a / 50);
        y = branchHeight(x, a, b);
        surface.Line(x + shift, y, previousX + shift, previousY, canvas::colors::red);
        surface.Line(x + shift, -y, previousX + shift, -previousY, canvas::colors::red);
        previousX = x;
        previousY = y;
    }
    return y;
}

double raySpacing(double lastHeight) {
    return std::fabs(-lastHeight - lastHeight) / 10;
}

} // namespace

double drawPlanoConvexOutline(canvas::Surface& surface, double a, double b) {
    surface.DrawWidth = 3;
    const double y = drawBranch(surface, a, b, 1, 0);
    surface.Line(4 * a, y, 4 * a, -y, canvas::colors::red);
    surface.DrawWidth = 1;
    return raySpacing(y);
}

double drawBiconvexOutline(canvas::Surface& surface, double a, double b) {
    surface.DrawWidth = 3;
    drawBranch(surface, a, b, 1, 0);
    const double y = drawBranch(surface, a, b, -1, 8 * a);
    surface.DrawWidth = 1;
    return raySpacing(y);
}

void drawPlanoConvexIdealRays(canvas::Surface& surface, double a, double b, double h) {
    const double c = focalDistance(a, b);
    for (int k = -kIdealRayReach; k <= kIdealRayReach; ++k) {
        const double y = k * h;
        const double x = branchX(y, a, b);
        surface.Line(10 * a, y, x, y);
        surface.Line(x, y, -c, 0);
    }
}

void drawBiconvexIdealRays(canvas::Surface& surface, double a, double b, double h) {
    const double c = focalDistance(a, b);
    for (int k = -kIdealRayReach; k <= kIdealRayReach; ++k) {
        const double y = k * h;
        const double x = branchX(y, a, b);
        surface.Line(x, y, -c, 0);
        surface.Line(x, y, 8 * a - x, y);
        surface.Line(8 * a - x, y, 8 * a + c, 0);
    }
}

} // namespace optics::hyperbolic
