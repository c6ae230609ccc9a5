#include "optics/hyperbolic/faces.h"

#include "optics/hyperbolic/hyperbola.h"

namespace optics::hyperbolic {

namespace {

// Roots reaching the edge up to rounding still count as on the face.
constexpr double kEdgeTolerance = 1.000000001;

bool onFace(const Lens& lens, Face face, double xOnCurve) {
    const double outwards = face.side * xOnCurve;
    return outwards > 0 && outwards <= 4 * lens.a * kEdgeTolerance;
}

} // namespace

Face rightFace() {
    return Face{1, 0};
}

Face leftFace(const Lens& lens) {
    return Face{-1, 8 * lens.a};
}

std::optional<Point> faceCrossing(const Lens& lens, Face face, double m, double q, Point from) {
    // On the curve's own frame the line is y = m·x + (q + m·shift).
    const double shiftedQ = q + m * face.shift;
    std::optional<Point> best;
    for (const auto& root :
         {tomiMegali(m, shiftedQ, lens.b, lens.a), tomiMikri(m, shiftedQ, lens.b, lens.a)}) {
        if (!root || !onFace(lens, face, *root)) {
            continue;
        }
        const Point p{*root + face.shift, m * (*root + face.shift) + q};
        if (!best || firstIsNearer(from, p, *best)) {
            best = p;
        }
    }
    return best;
}

std::optional<double> faceSlope(const Lens& lens, Face face, Point p) {
    return branchSlope(p.x - face.shift, p.y, lens.a, lens.b);
}

} // namespace optics::hyperbolic
