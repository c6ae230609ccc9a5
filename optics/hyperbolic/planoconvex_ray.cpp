#include "optics/hyperbolic/planoconvex_ray.h"

#include "optics/hyperbolic/drawing.h"
#include "optics/hyperbolic/faces.h"
#include "optics/hyperbolic/refraction.h"
#include "optics/hyperbolic/stop.h"

#include <cmath>

namespace optics::hyperbolic {

namespace {

// The entry point of the fan ray y = m·x + q: the nearer of the curved and
// the plane face's points, and whether it is the curved one. A line that
// crosses the curved face nowhere has only the plane's point (taking "no
// crossing" for x = 0 would make (0, q) a vertex entry and end the drawing).
Point fanEntry(const Lens& lens, Point s, double m, double q, bool& viaCurvedFace) {
    const Point plane{4 * lens.a, 4 * lens.a * m + q};
    const auto curved = faceCrossing(lens, rightFace(), m, q, s);
    viaCurvedFace = curved && firstIsNearer(s, *curved, plane);
    return viaCurvedFace ? *curved : plane;
}

bool atVertex(const Lens& lens, Point p) {
    return p.x * p.x / (lens.a * lens.a) - 1 <= 0;
}

} // namespace

std::optional<RayExit> throughPlaneFace(SahlView& view, const Lens& lens, Point p, double m) {
    const auto inside = refractAt(view, lens, p, 0, m, Passage::IntoGlass);
    if (!inside) {
        return std::nullopt;
    }
    const double slope = std::tan(*inside);
    const double intercept = p.y - slope * p.x;
    // The inside line from a point of the plane face within the aperture
    // always meets the curved face; without a crossing there is nothing to draw.
    const auto q = faceCrossing(lens, rightFace(), slope, intercept, p);
    if (!q) {
        return std::nullopt;
    }
    drawRayPiece(view, p, *q, canvas::colors::cyan);
    const auto tangent = faceSlope(lens, rightFace(), *q);
    if (!(q->x > lens.a) || !tangent) {
        return std::nullopt;
    }
    const auto out = refractAt(view, lens, *q, normalAngle(*tangent), slope, Passage::OutOfGlass);
    if (!out) {
        return std::nullopt;
    }
    // The normal angle lies in (−π/2, π/2], pointing to +x: into the glass at
    // the curved face, so the ray travels against (cos, sin) of the result.
    return RayExit{*q, -std::cos(*out), -std::sin(*out)};
}

std::optional<RayExit> throughCurvedFace(SahlView& view, const Lens& lens, Point p, double m) {
    const auto tangent = faceSlope(lens, rightFace(), p);
    if (!tangent) {
        return std::nullopt;
    }
    const auto inside = refractAt(view, lens, p, normalAngle(*tangent), m, Passage::IntoGlass);
    if (!inside) {
        return std::nullopt;
    }
    const double slope = std::tan(*inside);
    const Point q{4 * lens.a, p.y + slope * (4 * lens.a - p.x)};
    drawRayPiece(view, p, q, canvas::colors::cyan);
    const auto out = refractAt(view, lens, q, 0, slope, Passage::OutOfGlass);
    if (!out) {
        return std::nullopt;
    }
    // The plane face's normal angle 0 points out of the glass.
    return RayExit{q, std::cos(*out), std::sin(*out)};
}

RayOutcome planoConvexFanRay(Protosfakos& state, SahlView& view, const Lens& lens, Point s,
                             double m) {
    const double q = s.y - m * s.x;
    bool viaCurvedFace = false;
    const Point p = fanEntry(lens, s, m, q, viaCurvedFace);
    if (stoppedOnWayIn(view, s, m, p)) {
        return RayOutcome::Dropped;
    }
    if (std::fabs(p.y) > lens.edge) {
        const double run = 100 * (p.x - s.x);
        drawRayPiece(view, s, {s.x + run, s.y + run * m}, canvas::colors::blue);
        return RayOutcome::Dropped;
    }
    drawRayPiece(view, s, p, canvas::colors::blue);
    if (viaCurvedFace && atVertex(lens, p)) {
        return RayOutcome::EndDrawing;
    }
    const auto exit =
        viaCurvedFace ? throughCurvedFace(view, lens, p, m) : throughPlaneFace(view, lens, p, m);
    if (!exit) {
        return RayOutcome::Dropped;
    }
    drawEmergingRay(view, *exit, 530);
    return recordRay(state, p, *exit) ? RayOutcome::Recorded : RayOutcome::Dropped;
}

} // namespace optics::hyperbolic
