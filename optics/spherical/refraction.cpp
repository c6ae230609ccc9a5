#include "optics/spherical/refraction.h"

#include "optics/spherical/geometry.h"
#include "optics/spherical/single_precision.h"

#include <algorithm>
#include <cmath>

namespace optics::spherical {

std::optional<double> gonia(double ax, double ay, double bx, double by) {
    const double norms = std::sqrt(ax * ax + ay * ay) * std::sqrt(bx * bx + by * by);
    if (!(norms > 0) || !std::isfinite(norms)) {
        return std::nullopt;
    }
    // Rounding can push the cosine of parallel vectors a hair beyond 1, which
    // would turn a grazing ray into "no angle".
    return toksimitono(std::clamp((ax * bx + ay * by) / norms, -1.0, 1.0));
}

double sxetikosdeiktis(double dx, double dy, double xp, double yp, double xc, double yc, double R,
                       double n) {
    const PointF out = unitDirection(xp, yp, xc, yc, R);
    // The glass lies inside both circles, so moving against the outward normal
    // is moving into the glass.
    if (dx * out.x + dy * out.y < 0) {
        return n;
    }
    // Leaving the glass: 1/n. An index of 0 has no reciprocal; refractAtFace
    // never asks with one.
    return n == 0 ? 0 : 1 / n;
}

namespace {

struct Bent {
    double x, y;
    double sine; // of the refracted ray's angle to the normal
    bool intoGlass;
};

std::optional<Bent> bend(double dx, double dy, double xp, double yp, double xc, double yc, double R,
                         double n) {
    // Snell's law needs a positive index and a circle with a radius; without
    // them there is no refracted ray and the ray ends here, as it does on total
    // internal reflection.
    if (!(n > 0) || !std::isfinite(n) || R == 0 || !std::isfinite(R)) {
        return std::nullopt;
    }
    const double tx = (yp - yc) / R; // tangent; the outward normal is (-ty, tx)
    const double ty = (xc - xp) / R;
    const double st = dx * tx + dy * ty;
    const double sn = dy * tx - dx * ty;
    // sin of the angle to the normal is the cosine of the angle to the tangent.
    const std::optional<double> theta1 = gonia(dx, dy, tx, ty);
    if (!theta1) {
        return std::nullopt; // a zero direction has nothing to refract
    }
    const double index = sxetikosdeiktis(dx, dy, xp, yp, xc, yc, R, n);
    const double s = std::sin(*theta1) / index;
    const std::optional<double> theta2 = toksimitono(s);
    if (!theta2) {
        return std::nullopt; // |s| > 1: total internal reflection
    }
    // The refracted ray keeps the side of the normal and the sense along it.
    const double a = std::abs(std::sin(*theta2)) * prosimo(st);
    const double b = std::abs(std::cos(*theta2)) * prosimo(sn);
    return Bent{tx * a - ty * b, ty * a + tx * b, s, index == n};
}

} // namespace

RefractResult refractAtFace(double dx, double dy, double xp, double yp, double xc, double yc,
                            double R, double n) {
    const std::optional<Bent> bent = bend(dx, dy, xp, yp, xc, yc, R, n);
    if (!bent) {
        return {};
    }
    return {toSingle(bent->x), toSingle(bent->y), true};
}

Refraction refractExactly(double dx, double dy, double xp, double yp, double xc, double yc,
                          double R, double n) {
    const std::optional<Bent> bent = bend(dx, dy, xp, yp, xc, yc, R, n);
    if (!bent || !(std::abs(bent->sine) < 1)) {
        return {};
    }
    return {bent->x, bent->y, true, bent->intoGlass};
}

} // namespace optics::spherical
