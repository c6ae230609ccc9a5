#include "optics/lensdata/ideal_image.h"

#include "optics/spherical/geometry.h"

#include <cmath>

namespace optics::lensdata {

namespace sph = optics::spherical;

namespace {

struct ImageThrough {
    double xchord; // the thin lens stands on the rim line
    double f;

    std::optional<Point> operator()(const PointSource& s) const {
        const double u = std::abs(s.x - xchord);
        if (s.x == 0 || s.x == xchord || u == f) {
            return std::nullopt;
        }
        // The side is the source's side of the lens, not the sign of its x:
        // a source between x = 0 and the rim line is on the other side of
        // the lens from what its sign says.
        const double x = xchord - sph::prosimo(s.x - xchord) * f * u / (u - f);
        const double y = -s.y * std::abs((x - xchord) / (xchord - s.x));
        return Point{x, y};
    }

    // The chief ray crosses the thin lens undeviated, so the focal plane
    // f beyond the lens is reached at f·tan θ; light travelling towards −x
    // has its focal plane on the −x side.
    std::optional<Point> operator()(const ParallelBeam& b) const {
        if (!std::isfinite(b.dy / b.dx)) {
            return std::nullopt;
        }
        const double side = b.dx > 0 ? 1 : -1;
        return Point{xchord + side * f, f * b.dy / std::abs(b.dx)};
    }
};

} // namespace

std::optional<Point> idealImage(const Light& light, const sph::SphericalLens& lens) {
    const std::optional<double> f = sph::estiaki(lens.radius1, lens.radius2, lens.deiktis);
    if (!f) {
        return std::nullopt;
    }
    // Without a rim the workbench's rim point is (0, 0).
    const double xchord = sph::xordi(lens.xa, lens.xb, lens.radius1, lens.radius2).x1;
    const std::optional<Point> image = std::visit(ImageThrough{xchord, *f}, light);
    if (image && (!std::isfinite(image->x) || !std::isfinite(image->y))) {
        return std::nullopt;
    }
    return image;
}

} // namespace optics::lensdata
