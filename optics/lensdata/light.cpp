#include "optics/lensdata/light.h"

#include <cmath>
#include <limits>

namespace optics::lensdata {

namespace {

struct PathTo {
    double x, y;
    double operator()(const PointSource& s) const { return std::hypot(x - s.x, y - s.y); }
    // The component along the beam: the distance from the plane through the
    // origin across it, which every front of the beam is parallel to.
    double operator()(const ParallelBeam& b) const {
        const double length = std::hypot(b.dx, b.dy);
        if (!(length > 0)) {
            return std::numeric_limits<double>::quiet_NaN();
        }
        return (x * b.dx + y * b.dy) / length;
    }
};

} // namespace

double airPathTo(const Light& light, double x, double y) {
    return std::visit(PathTo{x, y}, light);
}

} // namespace optics::lensdata
