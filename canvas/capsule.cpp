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

// The x with slope * x + offset in [lo, hi], given 1 / slope (infinite for a
// slope of 0, when every x or none qualifies).
Interval solveLinear(double slope, double inverse, double offset, double lo, double hi) {
    if (slope == 0)
        return offset >= lo && offset <= hi ? Interval{-kInfinity, kInfinity} : Interval{};
    const double x0 = (lo - offset) * inverse;
    const double x1 = (hi - offset) * inverse;
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
struct Band {
    Band(const Segment& s, double radius)
        : a(s.a), dx(s.b.x - s.a.x), dy(s.b.y - s.a.y), lengthSquared(dx * dx + dy * dy),
          across(radius * std::sqrt(lengthSquared)), inverseDx(1 / dx), inverseDy(-1 / dy) {}

    // The rows are many and the segment one: the divisions are done once.
    Interval chord(double y) const {
        if (lengthSquared == 0)
            return {};
        const double ry = y - a.y;
        const Interval along = solveLinear(dx, inverseDx, dy * ry - dx * a.x, 0, lengthSquared);
        const Interval near = solveLinear(-dy, inverseDy, dx * ry + dy * a.x, -across, across);
        return intersect(along, near);
    }

    PixelPoint a;
    double dx, dy, lengthSquared, across, inverseDx, inverseDy;
};

// A capsule a few pixels across (a dot, a short stroke of a wave front) costs
// less tested pixel by pixel, by its distance from the segment, than solved
// row by row. Returns false when the capsule is too large for that.
bool fillSmallCapsule(Raster& raster, const Segment& s, double radiusPx, std::uint32_t pixel) {
    constexpr double kLargestSide = 8;
    const double left = std::min(s.a.x, s.b.x) - radiusPx,
                 right = std::max(s.a.x, s.b.x) + radiusPx;
    const double top = std::min(s.a.y, s.b.y) - radiusPx,
                 bottom = std::max(s.a.y, s.b.y) + radiusPx;
    if (right - left > kLargestSide || bottom - top > kLargestSide)
        return false;
    const auto columns = centresWithin(left, right, raster.widthPx());
    const auto rows = centresWithin(top, bottom, raster.heightPx());
    if (!columns || !rows)
        return true;
    const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
    const double lengthSquared = dx * dx + dy * dy;
    const double inverse = lengthSquared > 0 ? 1 / lengthSquared : 0;
    const double limit = radiusPx * radiusPx;
    for (int row = rows->first; row <= rows->last; ++row) {
        std::uint32_t* line = raster.row(row);
        const double py = row + 0.5 - s.a.y;
        for (int column = columns->first; column <= columns->last; ++column) {
            const double px = column + 0.5 - s.a.x;
            const double t = std::clamp((px * dx + py * dy) * inverse, 0.0, 1.0);
            const double ex = px - t * dx, ey = py - t * dy;
            if (ex * ex + ey * ey <= limit)
                line[column] = pixel;
        }
    }
    return true;
}

} // namespace

void fillCapsule(Raster& raster, const Segment& segment, double radiusPx, std::uint32_t pixel) {
    if (fillSmallCapsule(raster, segment, radiusPx, pixel))
        return;
    // A stroke along an axis covers exactly its width across, wherever it
    // lies: a pixel centre on its edge counts on the side of the larger
    // coordinate only, the side of the pixel that holds a point on a border.
    const bool horizontal = segment.a.y == segment.b.y;
    const bool vertical = segment.a.x == segment.b.x;
    const auto centres = [](bool halfOpen, double from, double to, int count) {
        return halfOpen ? centresAbove(from, to, count) : centresWithin(from, to, count);
    };
    const auto rows = centres(horizontal, std::min(segment.a.y, segment.b.y) - radiusPx,
                              std::max(segment.a.y, segment.b.y) + radiusPx, raster.heightPx());
    if (!rows)
        return;
    const Band band(segment, radiusPx);
    for (int row = rows->first; row <= rows->last; ++row) {
        const double y = row + 0.5;
        const Interval chord =
            hull(hull(discChord(segment.a, radiusPx, y), discChord(segment.b, radiusPx, y)),
                 band.chord(y));
        if (const auto columns = centres(vertical, chord.lo, chord.hi, raster.widthPx()))
            raster.fillSpan(row, columns->first, columns->last, pixel);
    }
}

} // namespace canvas
