#include "canvas/clip.h"

#include <cmath>

namespace canvas {

namespace {

// The parameter interval [enter, leave] of the segment a + t (b - a) that
// lies on the inner side of each box edge.
struct ParameterRange {
    double enter = 0;
    double leave = 1;

    // Keeps the t where p * t <= q (one edge of the box).
    bool keep(double p, double q) {
        if (p == 0)
            return q >= 0;
        const double t = q / p;
        if (p < 0)
            enter = t > enter ? t : enter;
        else
            leave = t < leave ? t : leave;
        return enter <= leave;
    }
};

PixelPoint along(PixelPoint a, PixelPoint delta, double t) {
    return {a.x + t * delta.x, a.y + t * delta.y};
}

std::optional<Segment> liangBarsky(const Segment& s, const Box& box) {
    const PixelPoint delta{s.b.x - s.a.x, s.b.y - s.a.y};
    ParameterRange range;
    const bool meets =
        range.keep(-delta.x, s.a.x - box.left) && range.keep(delta.x, box.right - s.a.x) &&
        range.keep(-delta.y, s.a.y - box.top) && range.keep(delta.y, box.bottom - s.a.y);
    if (!meets)
        return std::nullopt;
    return Segment{range.enter > 0 ? along(s.a, delta, range.enter) : s.a,
                   range.leave < 1 ? along(s.a, delta, range.leave) : s.b};
}

double dot(PixelPoint p, PixelPoint q) {
    return p.x * q.x + p.y * q.y;
}

double cross(PixelPoint p, PixelPoint q) {
    return p.x * q.y - p.y * q.x;
}

struct Disc {
    PixelPoint centre;
    double radius;
};

Disc enclosingDisc(const Box& box) {
    // The plain root is the quick one; a box whose diagonal overflows it gets
    // the careful one (or an infinite disc, in which every end is near).
    const double width = box.right - box.left, height = box.bottom - box.top;
    double diagonal = std::sqrt(width * width + height * height);
    if (!std::isfinite(diagonal))
        diagonal = std::hypot(width, height);
    return {{box.left * 0.5 + box.right * 0.5, box.top * 0.5 + box.bottom * 0.5}, diagonal * 0.5};
}

bool outsideSquare(PixelPoint p, PixelPoint centre, double half) {
    return !(std::fabs(p.x - centre.x) <= half && std::fabs(p.y - centre.y) <= half);
}

constexpr double kShrink = 0.25;
constexpr double kGrow = 4;

// The point of the segment nearest the disc's centre, and how far along the
// segment (in quarters of the unit) it lies from each end. Worked in
// quartered coordinates, which keeps every difference and length finite up
// to the largest double, and measured from the centre across the line, so a
// line through the image keeps the precision of the image's scale however far
// away its ends are.
struct Nearest {
    PixelPoint point;
    double quarterFromA; // a quarter of the distance from a
    double quarterFromB; // a quarter of the distance from b
    PixelPoint unit;     // from a towards b
};

double quarterDistance(PixelPoint p, PixelPoint centre) {
    return std::fmax(std::fabs(p.x * kShrink - centre.x * kShrink),
                     std::fabs(p.y * kShrink - centre.y * kShrink));
}

std::optional<Nearest> nearestToCentre(const Segment& s, const Disc& box) {
    // Measured from the end nearer the box: the segment's length, taken from
    // a far end, may round the near end away, and then the wrong end would
    // seem nearest and the order of the ends would change the pixels.
    const bool fromA = quarterDistance(s.a, box.centre) <= quarterDistance(s.b, box.centre);
    const PixelPoint nearEnd = fromA ? s.a : s.b, farEnd = fromA ? s.b : s.a;
    const PixelPoint a{nearEnd.x * kShrink, nearEnd.y * kShrink};
    const PixelPoint toFar{farEnd.x * kShrink - a.x, farEnd.y * kShrink - a.y};
    const double scaledLength = std::hypot(toFar.x, toFar.y);
    if (scaledLength == 0)
        return std::nullopt; // a single point, and it lies far away
    const PixelPoint unit{toFar.x / scaledLength, toFar.y / scaledLength};
    // Each term is taken about the origin before subtracting: the far end's
    // own rounding then cancels (exactly so for ends symmetric about it)
    // instead of swamping the centre's coordinates.
    const PixelPoint centre{box.centre.x * kShrink, box.centre.y * kShrink};
    const double along = dot(centre, unit) - dot(a, unit);
    const double across = cross(unit, centre) - cross(unit, a);
    const auto found = [&](PixelPoint point, double fromNear) {
        const double fromFar = scaledLength - fromNear;
        const PixelPoint aToB = fromA ? unit : PixelPoint{-unit.x, -unit.y};
        return fromA ? Nearest{point, fromNear, fromFar, aToB}
                     : Nearest{point, fromFar, fromNear, aToB};
    };
    if (along <= 0)
        return found(nearEnd, 0);
    if (along >= scaledLength)
        return found(farEnd, scaledLength);
    const PixelPoint foot{box.centre.x + kGrow * across * unit.y,
                          box.centre.y - kGrow * across * unit.x};
    return found(foot, along);
}

// Ends far from the box are pulled in along the segment to a distance
// `reach` from its point nearest the box, so the clip works on numbers of the
// image's size: parametric clipping of a segment from -1e30 to 1e30 would
// lose the whole visible part in the rounding of t. Every point cut off lies
// farther from the centre than the box's enclosing disc (reach exceeds its
// diameter), so nothing visible is lost.
std::optional<Segment> pullIn(const Segment& s, const Disc& box, double reach) {
    const auto nearest = nearestToCentre(s, box);
    if (!nearest ||
        std::hypot(nearest->point.x - box.centre.x, nearest->point.y - box.centre.y) > box.radius)
        return std::nullopt; // the segment passes beside the box
    // Compared in quarters: a whole length may exceed the largest double.
    const double quarterReach = reach * kShrink;
    const PixelPoint foot = nearest->point;
    const bool farA = nearest->quarterFromA > quarterReach;
    const bool farB = nearest->quarterFromB > quarterReach;
    return Segment{farA ? along(foot, nearest->unit, -reach) : s.a,
                   farB ? along(foot, nearest->unit, reach) : s.b};
}

} // namespace

std::optional<Segment> bringNear(const Segment& segment, const Box& box) {
    const Disc disc = enclosingDisc(box);
    const double reach = 2 * disc.radius + 1;
    if (!outsideSquare(segment.a, disc.centre, reach) &&
        !outsideSquare(segment.b, disc.centre, reach))
        return segment;
    return pullIn(segment, disc, reach);
}

std::optional<Segment> clipSegment(const Segment& segment, const Box& box) {
    const auto near = bringNear(segment, box);
    if (!near)
        return std::nullopt;
    return liangBarsky(*near, box);
}

} // namespace canvas
