// Where a ray next meets the lens surface (lensEntry, nextHit).
#include "optics/spherical/refraction.h"

#include "optics/spherical/geometry.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace optics::spherical {

namespace {

constexpr double kStartItself = 0.0005; // a crossing this near the start is the start
constexpr double kOnFace = 0.005;       // a point this near a circle lies on it
constexpr double kOnRadius = 1.0005;    // tolerance on "inside the other circle"

struct Crossing {
    double x, y;
    int face;
};

// The glass lies inside both circles, so a crossing of one circle belongs to
// the lens surface when it lies inside (or, within the tolerance, on) the
// other one. A point exactly on both circles is the rim's bare edge and is
// passed over. When one circle lies inside the other, the surface is the
// inner circle, all of it.
bool onLensSurface(const SphericalLens& lens, const Crossing& c, const std::optional<Disc>& inner) {
    if (inner) {
        return c.face == inner->face;
    }
    const double dA = apostasi(c.x, c.y, lens.xa, 0);
    const double dB = apostasi(c.x, c.y, lens.xb, 0);
    if (dA == lens.radius1 && dB == lens.radius2) {
        return false;
    }
    return c.face == 1 ? dB <= lens.radius2 * kOnRadius : dA <= lens.radius1 * kOnRadius;
}

// The nearest crossing of the lens surface strictly ahead of (x0, y0). A
// crossing nearer than kStartItself is the start point itself; when the start
// lies on face skipFace, the crossing of that face within kOnFace is too.
// "Ahead" is the dot product with the direction, which also judges vertical
// and near-vertical rays correctly.
std::optional<Crossing> nearestCrossingAhead(const SphericalLens& lens, double dx, double dy,
                                             double x0, double y0, int skipFace) {
    const std::optional<Disc> inner = innerDisc(lens);
    if (!inner && !xordi(lens.xa, lens.xb, lens.radius1, lens.radius2).found) {
        return std::nullopt; // circles apart make no lens
    }
    const LensCrossing c1 = eytheiakyklos(lens.xa, 0, lens.radius1, dx, dy, x0, y0);
    const LensCrossing c2 = eytheiakyklos(lens.xb, 0, lens.radius2, dx, dy, x0, y0);
    // The lens lies inside both circles: missing one misses it. Nested, only
    // the inner circle bounds it.
    const bool needsCircle1 = !inner || inner->face == 1;
    const bool needsCircle2 = !inner || inner->face == 2;
    if ((needsCircle1 && !c1.found) || (needsCircle2 && !c2.found)) {
        return std::nullopt;
    }
    const std::array<Crossing, 4> all{
        {{c1.x1, c1.y1, 1}, {c1.x2, c1.y2, 1}, {c2.x1, c2.y1, 2}, {c2.x2, c2.y2, 2}}};
    std::optional<Crossing> best;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (const Crossing& c : all) {
        const double ahead = (c.x - x0) * dx + (c.y - y0) * dy;
        const double distance = apostasi(x0, y0, c.x, c.y);
        const double itself = c.face == skipFace ? kOnFace : kStartItself;
        if (ahead > 0 && distance >= itself && distance < bestDistance &&
            onLensSurface(lens, c, inner)) {
            best = c;
            bestDistance = distance;
        }
    }
    return best;
}

LensHit toLensHit(const std::optional<Crossing>& c, double x0, double y0, int& face) {
    if (!c) {
        return {x0, y0, false, 0};
    }
    // A crossing found here is a real point, also when it is the origin (a
    // lens vertex placed there); "no answer" is the empty optional above.
    face = c->face;
    return {c->x, c->y, true, c->face};
}

} // namespace

LensHit lensEntry(double xa, double xb, double r1, double r2, double dx, double dy, double x0,
                  double y0, int& face) {
    const SphericalLens lens{xa, xb, r1, r2};
    return toLensHit(nearestCrossingAhead(lens, dx, dy, x0, y0, 0), x0, y0, face);
}

LensHit nextHit(const SphericalLens& lens, double dx, double dy, double x0, double y0, int k) {
    int face = k;
    return toLensHit(nearestCrossingAhead(lens, dx, dy, x0, y0, k), x0, y0, face);
}

} // namespace optics::spherical
