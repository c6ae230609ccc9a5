#include "optics/spherical/wavepath.h"

#include <cmath>

namespace optics::spherical {

namespace {

constexpr double kSpeed = 250; // units of length per unit of time in air

// (dx, dy) scaled to unit length; (0, 0) stays (0, 0).
PathPoint unit(double dx, double dy) {
    const double length = std::hypot(dx, dy);
    if (!(length > 0))
        return {};
    return {dx / length, dy / length};
}

PathPoint along(double x, double y, PathPoint direction, double distance) {
    return {x + direction.x * distance, y + direction.y * distance};
}

} // namespace

PathPoint wavePosition(const WaveRecord& r, int i, double airDistance, double n) {
    const PathPoint in = unit(r.dxin[i], r.dyin[i]);
    const double toEntry = r.tentry[i] * kSpeed;
    if (airDistance <= toEntry)
        return along(r.xentry[i], r.yentry[i], in, airDistance - toEntry);
    // Inside the glass light covers 1/n of the distance it would in air.
    const double inGlass = (airDistance - toEntry) / n;
    if (inGlass <= r.lenspath[i])
        return along(r.xentry[i], r.yentry[i], unit(r.dxlens[i], r.dylens[i]), inGlass);
    const double afterExit = (inGlass - r.lenspath[i]) * n;
    return along(r.xexit[i], r.yexit[i], unit(r.dxout[i], r.dyout[i]), afterExit);
}

} // namespace optics::spherical
