#include "canvas/arc.h"

#include "canvas/line.h"

#include <cmath>
#include <numbers>

namespace canvas {

namespace {

constexpr double kFullTurn = 2 * std::numbers::pi;
// Callers that keep angles in single precision round 2pi up to 6.2831855;
// that is still the full turn, not an angle out of range.
constexpr double kAngleLimit = kFullTurn + 1e-6;

bool angleInRange(double angle) {
    return std::fabs(angle) <= kAngleLimit;
}

double cross(double ax, double ay, double bx, double by) {
    return ax * by - ay * bx;
}

// The point of the circle at the angle, on the screen (y down).
PixelPoint pointOnCircle(const CircleShape& circle, double angleRad) {
    const PixelPoint c = centreOf(circle);
    return {c.x + circle.radiusPx * std::cos(angleRad), c.y - circle.radiusPx * std::sin(angleRad)};
}

} // namespace

std::optional<ArcAngles> arcAngles(double start, double end) {
    if (!angleInRange(start) || !angleInRange(end))
        return std::nullopt;
    const double startRad = std::fmin(std::fabs(start), kFullTurn);
    const double endRad = std::fmin(std::fabs(end), kFullTurn);
    double sweep = std::fmod(endRad - startRad, kFullTurn);
    if (sweep <= 0)
        sweep += kFullTurn;
    return ArcAngles{startRad, sweep, start < 0, end < 0};
}

ArcMask::ArcMask(const ArcAngles& angles)
    : startRad_(angles.startRad), startX_(std::cos(angles.startRad)),
      startY_(std::sin(angles.startRad)), endX_(std::cos(angles.startRad + angles.sweepRad)),
      endY_(std::sin(angles.startRad + angles.sweepRad)), whole_(angles.sweepRad >= kFullTurn),
      reflex_(angles.sweepRad > std::numbers::pi) {}

bool ArcMask::contains(double dx, double dyUp) const {
    if (whole_)
        return true;
    // Up to a half turn the arc is the wedge left of the start direction and
    // right of the end one; beyond it, everything but the complementary wedge.
    if (!reflex_)
        return cross(startX_, startY_, dx, dyUp) >= 0 && cross(dx, dyUp, endX_, endY_) >= 0;
    return !(cross(endX_, endY_, dx, dyUp) > 0 && cross(dx, dyUp, startX_, startY_) > 0);
}

void drawArc(Raster& raster, const CircleShape& circle, const Pen& pen, const ArcAngles& angles) {
    const ArcMask mask(angles);
    paintRing(raster, circle, pen, RingStyle{&mask, std::nullopt});
    const PixelPoint centre = centreOf(circle);
    if (angles.startRadius)
        drawLine(raster, centre, pointOnCircle(circle, angles.startRad), pen);
    if (angles.endRadius)
        drawLine(raster, centre, pointOnCircle(circle, angles.startRad + angles.sweepRad), pen);
}

} // namespace canvas
