#include "optics/hyperbolic/refraction.h"

#include "optics/hyperbolic/hyperbola.h"

#include <cmath>
#include <numbers>

namespace optics::hyperbolic {

namespace {

// The angle of a line with the normal, folded like Atn(sin / cos) so that
// both directions along the line give the same incidence.
double foldedAngle(double sine, double cosine) {
    if (cosine == 0) {
        return std::copysign(std::numbers::pi / 2, sine);
    }
    return std::atan(sine / cosine);
}

void drawNormal(canvas::Surface& surface, const Lens& lens, Point p, double angle) {
    // A vertical normal (only on a lens of no height, b = 0) has a slope of
    // about 1.6e16 here; the surface clips such a line to the window.
    const double reach = 25 * lens.d;
    const double slope = std::tan(angle);
    surface.Line(p.x, p.y, p.x + reach, p.y + reach * slope, canvas::colors::red);
    surface.Line(p.x, p.y, p.x - reach, p.y - reach * slope, canvas::colors::red);
}

} // namespace

double normalAngle(double faceSlope) {
    if (faceSlope == 0) {
        return std::numbers::pi / 2;
    }
    return std::atan(-1 / faceSlope);
}

std::optional<double> refractedAngle(double normalAngle, double raySlope, double n,
                                     Passage passage) {
    if (!(n > 0)) {
        return std::nullopt;
    }
    const double theta = std::atan(raySlope);
    const double incidence =
        foldedAngle(std::sin(theta - normalAngle), std::cos(theta - normalAngle));
    const double sine =
        passage == Passage::IntoGlass ? std::sin(incidence) / n : n * std::sin(incidence);
    const auto refracted = toksoSahl(sine);
    if (!refracted) {
        return std::nullopt;
    }
    return normalAngle + *refracted;
}

std::optional<double> refractAt(SahlView& view, const Lens& lens, Point p, double normalAngle,
                                double raySlope, Passage passage) {
    const auto angle = refractedAngle(normalAngle, raySlope, lens.n, passage);
    if (angle && !view.controls.onlyWaves) {
        drawNormal(view.surface, lens, p, normalAngle);
    }
    return angle;
}

} // namespace optics::hyperbolic
