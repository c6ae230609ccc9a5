#include "optics/hyperbolic/biconvex.h"

#include "optics/hyperbolic/drawing.h"
#include "optics/hyperbolic/faces.h"
#include "optics/hyperbolic/refraction.h"
#include "optics/hyperbolic/stop.h"

#include <cmath>
#include <optional>

namespace optics::hyperbolic {

namespace {

struct FacePoint {
    Point at;
    Face face;
};

bool isFirst(Face face) {
    return face.side > 0;
}

Face otherFace(const Lens& lens, Face face) {
    return isFirst(face) ? leftFace(lens) : rightFace();
}

// The nearer face crossing to s (face 1 when strictly nearer). A line that
// crosses neither runs past the lens; its point at x = 4a, outside the
// aperture then, gives the miss its direction.
FacePoint entryPoint(const Lens& lens, Point s, double m, double q) {
    const auto first = faceCrossing(lens, rightFace(), m, q, s);
    const auto second = faceCrossing(lens, leftFace(lens), m, q, s);
    if (first && (!second || firstIsNearer(s, *first, *second))) {
        return {*first, rightFace()};
    }
    if (second) {
        return {*second, leftFace(lens)};
    }
    return {{4 * lens.a, 4 * lens.a * m + q}, rightFace()};
}

// Before the lens: the stop, then a miss. Returns whether the ray goes on.
bool reachesLens(SahlView& view, const Lens& lens, Point s, double m, Point p) {
    if (stoppedOnWayIn(view, s, m, p)) {
        return false;
    }
    if (std::fabs(p.y) <= lens.edge) {
        drawRayPiece(view, s, p, canvas::colors::blue);
        return true;
    }
    const auto t = stopCrossingTowards(view.controls, s, m, p);
    if (t && outsideOpening(view.controls, t->y)) {
        drawRayPiece(view, s, *t, canvas::colors::magenta);
    } else {
        const double run = 100 * (p.x - s.x);
        drawRayPiece(view, s, {s.x + run, s.y + run * m}, canvas::colors::blue);
    }
    return false;
}

// In through the entry face and across the glass: the exit point on the
// other face, and the slope of the inside line. At a vertex entry, where the
// slope formula has no value, the normal is the axis. Empty when the inside
// line leaves through no point of the other face.
std::optional<FacePoint> crossGlass(SahlView& view, const Lens& lens, const FacePoint& p, double m,
                                    double& insideSlope) {
    const auto tangent = faceSlope(lens, p.face, p.at);
    const double normal = tangent ? normalAngle(*tangent) : 0.0;
    const auto inside = refractAt(view, lens, p.at, normal, m, Passage::IntoGlass);
    if (!inside) {
        return std::nullopt;
    }
    insideSlope = std::tan(*inside);
    const double q = p.at.y - insideSlope * p.at.x;
    const Face other = otherFace(lens, p.face);
    const auto e = faceCrossing(lens, other, insideSlope, q, p.at);
    if (!e) {
        return std::nullopt;
    }
    drawRayPiece(view, p.at, *e, canvas::colors::cyan);
    return FacePoint{*e, other};
}

// The stop after the lens, on the emerging line at `angle` from e. Returns
// whether the ray is caught there.
bool stoppedAfterLens(SahlView& view, const FacePoint& e, Point entry, double angle) {
    const SahlControls& controls = view.controls;
    const Point t{controls.stopX, e.at.y + (controls.stopX - e.at.x) * std::tan(angle)};
    const int ahead = signOf(controls.stopX - e.at.x);
    if (isFirst(e.face)) {
        if (ahead != signOf(e.at.x - entry.x) || !outsideOpening(controls, t.y)) {
            return false;
        }
        view.surface.DrawWidth = 5;
        view.surface.PSet(t.x, t.y);
        view.surface.DrawWidth = 1;
    } else if (std::cos(angle) == 0 || ahead != signOf(std::cos(angle)) ||
               !outsideOpening(controls, t.y)) {
        return false;
    }
    drawRayPiece(view, e.at, t, canvas::colors::magenta);
    return true;
}

} // namespace

void aktinaAmfikyrtou(Protosfakos& state, SahlView& view, double a, double b, double x0, double y0,
                      double m, double q) {
    const Lens lens = makeLens(a, b, state.nsahl);
    const Point s{x0, y0};
    const FacePoint p = entryPoint(lens, s, m, q);
    if (!reachesLens(view, lens, s, m, p.at)) {
        return;
    }
    double insideSlope = 0;
    const auto e = crossGlass(view, lens, p, m, insideSlope);
    // Leaving through a vertex, where the slope has no value, ends the ray.
    const auto tangent = e ? faceSlope(lens, e->face, e->at) : std::nullopt;
    if (!tangent) {
        return;
    }
    const auto out =
        refractAt(view, lens, e->at, normalAngle(*tangent), insideSlope, Passage::OutOfGlass);
    if (!out || stoppedAfterLens(view, *e, p.at, *out)) {
        return;
    }
    // Normal angles lie in (−π/2, π/2] and point to +x: into the glass on
    // face 1, out of it on face 2, so the ray travels against (cos, sin) of
    // the result on face 1 and along it on face 2.
    const double sense = isFirst(e->face) ? -1 : 1;
    const RayExit exit{e->at, sense * std::cos(*out), sense * std::sin(*out)};
    view.surface.DrawWidth = 1;
    drawEmergingRay(view, exit, 130);
    recordRay(state, p.at, exit);
}

} // namespace optics::hyperbolic
