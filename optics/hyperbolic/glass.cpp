#include "optics/hyperbolic/glass.h"

#include "optics/hyperbolic/drawing.h"
#include "optics/hyperbolic/hyperbola.h"

#include <cmath>

namespace optics::hyperbolic {

std::optional<Direction> crossFace(SahlView& view, const Lens& lens, const FacePoint& p,
                                   Direction d, Passage passage) {
    const double normal = faceNormalAngle(lens, p.face, p.at);
    // atan of an infinite slope is ±π/2, so a vertical ray needs no care.
    const auto line = refractAt(view, lens, p.at, normal, d.y / d.x, passage);
    if (!line) {
        return std::nullopt;
    }
    // The refracted line leans from the normal as the incoming one does, and
    // the ray keeps its sense along the normal: it goes through the face.
    const double along = d.x * std::cos(normal) + d.y * std::sin(normal);
    const double sense = along < 0 ? -1 : 1;
    return Direction{sense * std::cos(*line), sense * std::sin(*line)};
}

std::optional<RayExit> throughGlass(SahlView& view, const Lens& lens, const LensFaces& faces,
                                    const FacePoint& p, Direction d) {
    const auto inside = crossFace(view, lens, p, d, Passage::IntoGlass);
    if (!inside) {
        return std::nullopt;
    }
    const auto e = nextSurfacePoint(lens, faces, p.at, inside->x, inside->y);
    if (!e) {
        return std::nullopt;
    }
    drawRayPiece(view, p.at, e->at, canvas::colors::cyan);
    const auto out = crossFace(view, lens, *e, *inside, Passage::OutOfGlass);
    if (!out) {
        return std::nullopt;
    }
    return RayExit{e->at, out->x, out->y, isRightFace(e->face)};
}

Direction travelTowards(const Lens& lens, Point from, Point to, double m) {
    const double length = apostasiSahl(from.x, from.y, to.x, to.y);
    if (length > 0) {
        return {(to.x - from.x) / length, (to.y - from.y) / length};
    }
    const double sense = from.x > 4 * lens.a ? -1 : 1;
    const double norm = std::sqrt(1 + m * m);
    return {sense / norm, sense * m / norm};
}

} // namespace optics::hyperbolic
