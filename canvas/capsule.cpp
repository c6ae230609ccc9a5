#include "canvas/capsule.h"

#include "canvas/pixelgrid.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace canvas {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct Interval {
    double lo = kInfinity;
    double hi = -kInfinity;

    bool empty() const { return !(lo <= hi); }
};

Interval intersect(Interval p, Interval q) {
    return {std::max(p.lo, q.lo), std::min(p.hi, q.hi)};
}

// The pieces of a row inside a convex shape touch, so their hull is the union.
Interval hull(Interval p, Interval q) {
    if (p.empty())
        return q;
    if (q.empty())
        return p;
    return {std::min(p.lo, q.lo), std::max(p.hi, q.hi)};
}

// The x with slope * x + offset in [lo, hi].
Interval solveLinear(double slope, double offset, double lo, double hi) {
    if (slope == 0)
        return offset >= lo && offset <= hi ? Interval{-kInfinity, kInfinity} : Interval{};
    const double x0 = (lo - offset) / slope;
    const double x1 = (hi - offset) / slope;
    return {std::min(x0, x1), std::max(x0, x1)};
}

Interval discChord(PixelPoint centre, double radius, double y) {
    const double dy = y - centre.y;
    const double squared = radius * radius - dy * dy;
    if (squared < 0)
        return {};
    const double half = std::sqrt(squared);
    return {centre.x - half, centre.x + half};
}

// Points p = (x, y) whose projection falls on the segment (0 <= d.(p - a) <= |d|^2)
// and whose distance from its line is at most radius (|d x (p - a)| <= radius |d|).
Interval bandChord(const Segment& s, double radius, double y) {
    const double dx = s.b.x - s.a.x;
    const double dy = s.b.y - s.a.y;
    const double lengthSquared = dx * dx + dy * dy;
    if (lengthSquared == 0)
        return {};
    const double across = radius * std::sqrt(lengthSquared);
    const double ry = y - s.a.y;
    const Interval along = solveLinear(dx, dy * ry - dx * s.a.x, 0, lengthSquared);
    const Interval near = solveLinear(-dy, dx * ry + dy * s.a.x, -across, across);
    return intersect(along, near);
}

} // namespace

void fillCapsule(Raster& raster, const Segment& segment, double radiusPx, std::uint32_t pixel) {
    const auto rows =
        centresWithin(std::min(segment.a.y, segment.b.y) - radiusPx,
                      std::max(segment.a.y, segment.b.y) + radiusPx, raster.heightPx());
    if (!rows)
        return;
    for (int row = rows->first; row <= rows->last; ++row) {
        const double y = row + 0.5;
        const Interval chord =
            hull(hull(discChord(segment.a, radiusPx, y), discChord(segment.b, radiusPx, y)),
                 bandChord(segment, radiusPx, y));
        if (const auto columns = centresWithin(chord.lo, chord.hi, raster.widthPx()))
            raster.fillSpan(row, columns->first, columns->last, pixel);
    }
}

} // namespace canvas
