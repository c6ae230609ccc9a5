#include "optics/hyperbolic/faces.h"

#include "optics/hyperbolic/hyperbola.h"
#include "optics/hyperbolic/refraction.h"

#include <cmath>
#include <limits>

namespace optics::hyperbolic {

namespace {

// Roots reaching the edge up to rounding still count as on the face.
constexpr double kEdgeTolerance = 1.000000001;
// A crossing this near the start of a search, in units of a, is the start
// itself: the point where the ray has just entered, recomputed.
constexpr double kSelf = 1e-9;

struct Crossings {
    std::array<Point, 2> points{};
    int count = 0;
    void add(Point p) { points[count++] = p; }
};

bool onCurvedFace(const Lens& lens, Face face, double xOnCurve) {
    const double outwards = face.side * xOnCurve;
    return outwards > 0 && outwards <= 4 * lens.a * kEdgeTolerance;
}

// Every point where the line y = m·x + q crosses the face: at most two on a
// curved face, one on the plane face.
Crossings crossingsWith(const Lens& lens, Face face, double m, double q) {
    Crossings found;
    if (face.kind == Face::Kind::Plane) {
        const double y = m * face.shift + q;
        if (std::fabs(y) <= lens.edge * kEdgeTolerance) {
            found.add({face.shift, y});
        }
        return found;
    }
    // On the curve's own frame the line is y = m·x + (q + m·shift).
    const double shiftedQ = q + m * face.shift;
    const auto larger = tomiMegali(m, shiftedQ, lens.b, lens.a);
    const auto smaller = tomiMikri(m, shiftedQ, lens.b, lens.a);
    if (!larger || !smaller) {
        return found;
    }
    const auto addIfOnFace = [&](double root) {
        if (onCurvedFace(lens, face, root)) {
            found.add({root + face.shift, m * (root + face.shift) + q});
        }
    };
    addIfOnFace(*larger);
    // A line parallel to an asymptote meets the curve once, given as both roots.
    if (*smaller != *larger) {
        addIfOnFace(*smaller);
    }
    return found;
}

Face rightFace() {
    return Face{Face::Kind::Curved, 1, 0};
}

Face leftFace(const Lens& lens) {
    return Face{Face::Kind::Curved, -1, 8 * lens.a};
}

Face planeFace(const Lens& lens) {
    return Face{Face::Kind::Plane, 1, 4 * lens.a};
}

// The crossing of the line with the face nearer to from, when there are two.
std::optional<Point> faceCrossing(const Lens& lens, Face face, double m, double q, Point from) {
    const Crossings found = crossingsWith(lens, face, m, q);
    std::optional<Point> best;
    for (int k = 0; k < found.count; ++k) {
        if (!best || firstIsNearer(from, found.points[k], *best)) {
            best = found.points[k];
        }
    }
    return best;
}

} // namespace

bool isRightFace(Face face) {
    return face.kind == Face::Kind::Curved && face.side > 0;
}

LensFaces planoConvexFaces(const Lens& lens) {
    return {rightFace(), planeFace(lens)};
}

LensFaces biconvexFaces(const Lens& lens) {
    return {rightFace(), leftFace(lens)};
}

std::optional<FacePoint> nearestSurfacePoint(const Lens& lens, const LensFaces& faces, double m,
                                             double q, Point from) {
    const auto first = faceCrossing(lens, faces[0], m, q, from);
    const auto second = faceCrossing(lens, faces[1], m, q, from);
    if (first && (!second || firstIsNearer(from, *first, *second))) {
        return FacePoint{*first, faces[0]};
    }
    if (second) {
        return FacePoint{*second, faces[1]};
    }
    return std::nullopt;
}

std::optional<FacePoint> nextSurfacePoint(const Lens& lens, const LensFaces& faces, Point from,
                                          double dirX, double dirY) {
    // A vertical line has no slope; at the steepest beam slope it runs within
    // 1e-7 units of vertical across the window.
    const double m = dirX == 0 ? std::copysign(kSteepestBeamSlope, dirY) : dirY / dirX;
    const double q = from.y - m * from.x;
    std::optional<FacePoint> best;
    double bestAhead = std::numeric_limits<double>::infinity();
    for (const Face& face : faces) {
        const Crossings found = crossingsWith(lens, face, m, q);
        for (int k = 0; k < found.count; ++k) {
            const Point p = found.points[k];
            const double ahead = (p.x - from.x) * dirX + (p.y - from.y) * dirY;
            if (ahead > kSelf * lens.a && ahead < bestAhead) {
                best = FacePoint{p, face};
                bestAhead = ahead;
            }
        }
    }
    return best;
}

double faceNormalAngle(const Lens& lens, Face face, Point p) {
    if (face.kind == Face::Kind::Plane) {
        return 0;
    }
    const auto slope = branchSlope(p.x - face.shift, p.y, lens.a, lens.b);
    return slope ? normalAngle(*slope) : 0.0;
}

} // namespace optics::hyperbolic
