#include "optics/spherical/trace_support.h"

#include "canvas/view.h"
#include "optics/spherical/geometry.h"
#include "optics/spherical/refraction.h"

#include <cmath>

namespace optics::spherical {

bool insideVisibleArea(const canvas::Surface& surface, double x, double y) {
    return canvas::traceReach(surface).contains(x, y);
}

bool hasDirection(double dx, double dy) {
    return std::isfinite(dx) && std::isfinite(dy) && (dx != 0 || dy != 0);
}

namespace {

// Face 1 is circle 1 about (xa, 0), face 2 circle 2 about (xb, 0).
template <class Refract>
auto atLensFace(Refract refract, int face, double dx, double dy, double xp, double yp,
                const SphericalLens& lens) {
    return face == 1 ? refract(dx, dy, xp, yp, lens.xa, 0, lens.radius1, lens.deiktis)
                     : refract(dx, dy, xp, yp, lens.xb, 0, lens.radius2, lens.deiktis);
}

} // namespace

RefractResult refractAtLensFace(int face, double dx, double dy, double xp, double yp,
                                const SphericalLens& lens) {
    return atLensFace(refractAtFace, face, dx, dy, xp, yp, lens);
}

Refraction refractAtLensFaceExactly(int face, double dx, double dy, double xp, double yp,
                                    const SphericalLens& lens) {
    return atLensFace(refractExactly, face, dx, dy, xp, yp, lens);
}

std::optional<PointF> diaphragmAhead(const Diaphragm& diaphragm, double x0, double y0, double dx,
                                     double dy) {
    const DiaphragmResult stop =
        diaphragmStop(diaphragm.x, diaphragm.top, diaphragm.bottom, x0, y0, dx, dy);
    // The stop lies on the diaphragm line x = diaphragm.x; it is behind the
    // start when that line is not on the side the ray runs to (a vertical ray
    // meets it only when it runs along it).
    if (!stop.stopped || prosimo(diaphragm.x - x0) != prosimo(dx)) {
        return std::nullopt;
    }
    return PointF{stop.x, stop.y};
}

bool lensBeforeStop(const std::optional<PointF>& stop, double x0, double y0, double hx, double hy) {
    return !stop || apostasi(x0, y0, hx, hy) < apostasi(x0, y0, stop->x, stop->y);
}

} // namespace optics::spherical
