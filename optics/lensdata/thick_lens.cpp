#include "optics/lensdata/thick_lens.h"

#include <algorithm>
#include <cmath>

namespace optics::lensdata {

namespace {

struct Circle {
    double centre, radius;
};

// The end of the glass on the axis towards −x (side −1) or +x (side +1): the
// nearer of the two circles' ends, and the circle that bounds the glass there.
// Where both end at one point the smaller circle lies inside the other near
// it and bounds the glass.
struct Vertex {
    double x;
    Circle circle;
};

Vertex vertexOn(int side, Circle c1, Circle c2) {
    const double x1 = c1.centre + side * c1.radius;
    const double x2 = c2.centre + side * c2.radius;
    if (x1 == x2) {
        return {x1, c1.radius <= c2.radius ? c1 : c2};
    }
    const bool firstIsNearer = side * x1 < side * x2;
    return firstIsNearer ? Vertex{x1, c1} : Vertex{x2, c2};
}

// A lens whose power is this small against its own size has no foci that a
// window could show: 1/P would lie more than 10^12 lens sizes away.
constexpr double kNoPower = 1e-12;

// Gullstrand's equation for two refracting faces in air: the face powers
// P1 = (n − 1)/R1 and P2 = (1 − n)/R2 combine, a thickness d of glass apart,
// to P = P1 + P2 − (d/n)·P1·P2. The foci and principal planes then follow
// from the same matrix: BFL = f·(1 − d·P1/n), FFL = f·(1 − d·P2/n), and H′
// lies f − BFL before F′, H lies f − FFL after F.
std::optional<ThickLens::Foci> fociOf(const ThickLens& lens, double n) {
    const double d = lens.thickness;
    const double p1 = (n - 1) / lens.frontRadius;
    const double p2 = (1 - n) / lens.backRadius;
    const double power = p1 + p2 - d / n * p1 * p2;
    const double size = std::max({d, lens.frontRadius, -lens.backRadius});
    if (!(std::abs(power) * size > kNoPower)) {
        return std::nullopt;
    }
    ThickLens::Foci foci;
    foci.focalLength = 1 / power;
    foci.backFocalLength = foci.focalLength * (1 - d * p1 / n);
    foci.frontFocalLength = foci.focalLength * (1 - d * p2 / n);
    foci.backFocus = lens.backVertex + foci.backFocalLength;
    foci.frontFocus = lens.frontVertex - foci.frontFocalLength;
    foci.backPrincipal = foci.backFocus - foci.focalLength;
    foci.frontPrincipal = foci.frontFocus + foci.focalLength;
    // Lenses near the range of doubles can put a focus beyond it.
    const bool finite = std::isfinite(foci.backPrincipal) && std::isfinite(foci.frontPrincipal);
    return finite ? std::optional<ThickLens::Foci>(foci) : std::nullopt;
}

} // namespace

std::optional<ThickLens> thickLens(const SphericalLens& glass) {
    const double xa = glass.xa, xb = glass.xb, radius1 = glass.radius1, radius2 = glass.radius2;
    const double n = glass.deiktis;
    const bool finite = std::isfinite(xa) && std::isfinite(xb) && std::isfinite(radius1) &&
                        std::isfinite(radius2) && std::isfinite(n);
    if (!finite || !(radius1 > 0) || !(radius2 > 0) || !(n > 0)) {
        return std::nullopt;
    }
    const Circle c1{xa, radius1}, c2{xb, radius2};
    const Vertex front = vertexOn(-1, c1, c2);
    const Vertex back = vertexOn(+1, c1, c2);
    if (!(back.x > front.x) || !std::isfinite(back.x - front.x)) {
        return std::nullopt; // the discs do not overlap (or do beyond the doubles)
    }
    ThickLens lens;
    lens.frontVertex = front.x;
    lens.backVertex = back.x;
    lens.frontRadius = front.circle.radius;
    lens.backRadius = -back.circle.radius;
    lens.thickness = back.x - front.x;
    lens.ballLens =
        front.circle.centre == back.circle.centre && front.circle.radius == back.circle.radius;
    lens.foci = fociOf(lens, n);
    return lens;
}

} // namespace optics::lensdata
