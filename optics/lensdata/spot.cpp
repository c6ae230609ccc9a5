#include "optics/lensdata/spot.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace optics::lensdata {

namespace {

// A ray seen from the beam's frame: on the plane at distance s along the beam
// from the pupil it lies at height a + b·s across the beam (b is the tangent
// of its angle to the beam). The width of the spot on that plane is then
// max(a + b·s) − min(a + b·s), a convex piecewise linear function of s whose
// corners are the corners of the upper and lower envelopes of these lines.
struct Line {
    double a, b;
};

std::vector<Line> linesAcross(const Beam& beam) {
    std::vector<Line> lines;
    lines.reserve(beam.rays.size());
    for (const ExitRay& r : beam.rays) {
        const double along = (r.x - beam.cx) * beam.ux + (r.y - beam.cy) * beam.uy;
        const double across = (r.y - beam.cy) * beam.ux - (r.x - beam.cx) * beam.uy;
        const double slope = (r.dy * beam.ux - r.dx * beam.uy) / (r.dx * beam.ux + r.dy * beam.uy);
        lines.push_back({across - slope * along, slope});
    }
    return lines;
}

// The lines that make up max(a + b·s), in the order they take over as s
// grows (slopes increasing): the convex hull trick over the lines sorted by
// slope. Of lines of equal slope only the highest can be on top.
std::vector<Line> upperEnvelope(std::vector<Line> lines) {
    std::sort(lines.begin(), lines.end(),
              [](Line p, Line q) { return p.b < q.b || (p.b == q.b && p.a < q.a); });
    std::vector<Line> hull;
    for (const Line& l : lines) {
        if (!hull.empty() && hull.back().b == l.b) {
            hull.pop_back();
        }
        // The middle line of three is never on top when the third overtakes
        // the first no later than the middle one does.
        while (hull.size() >= 2) {
            const Line& p = hull[hull.size() - 2];
            const Line& m = hull.back();
            if ((p.a - l.a) * (m.b - p.b) > (p.a - m.a) * (l.b - p.b)) {
                break;
            }
            hull.pop_back();
        }
        hull.push_back(l);
    }
    return hull;
}

// Where line k + 1 of an envelope takes over from line k.
double corner(const std::vector<Line>& envelope, std::size_t k) {
    return (envelope[k].a - envelope[k + 1].a) / (envelope[k + 1].b - envelope[k].b);
}

// The s where the width is least, or empty when all lines have one slope.
// Between corners the width changes at the rate b(top) − b(bottom), which
// only grows along s: walking the corners of both envelopes in order, the
// least width is at the first corner past which that rate is no longer
// negative. The rates come from the lines themselves, so rounding in the
// widths cannot mislead the walk.
std::optional<double> narrowestPlane(const std::vector<Line>& lines) {
    const std::vector<Line> top = upperEnvelope(lines);
    std::vector<Line> flipped;
    flipped.reserve(lines.size());
    for (const Line& l : lines) {
        flipped.push_back({-l.a, -l.b}); // min(a + b·s) is −max(−a − b·s)
    }
    const std::vector<Line> bottom = upperEnvelope(flipped);
    if (top.size() < 2) {
        return std::nullopt;
    }
    std::size_t t = 0, b = 0;
    double s = -std::numeric_limits<double>::infinity();
    while (top[t].b + bottom[b].b < 0 && (t + 1 < top.size() || b + 1 < bottom.size())) {
        const bool topTurns =
            b + 1 == bottom.size() || (t + 1 < top.size() && corner(top, t) <= corner(bottom, b));
        s = topTurns ? corner(top, t++) : corner(bottom, b++);
    }
    return s;
}

struct Extent {
    double low, high;
};

Extent extentAt(const std::vector<Line>& lines, double s) {
    Extent e{lines.front().a + lines.front().b * s, lines.front().a + lines.front().b * s};
    for (const Line& l : lines) {
        const double y = l.a + l.b * s;
        e.low = std::min(e.low, y);
        e.high = std::max(e.high, y);
    }
    return e;
}

double widthAt(const std::vector<Line>& lines, double s) {
    const Extent e = extentAt(lines, s);
    return e.high - e.low;
}

double pupilSize(const Beam& beam) {
    double size = 0;
    for (const ExitRay& r : beam.rays) {
        size = std::max(size, std::hypot(r.x - beam.cx, r.y - beam.cy));
    }
    return size;
}

} // namespace

std::optional<Spot> smallestSpot(const Beam& beam) {
    if (beam.rays.size() < 2) {
        return std::nullopt;
    }
    const std::vector<Line> lines = linesAcross(beam);
    const auto [flattest, steepest] =
        std::minmax_element(lines.begin(), lines.end(), [](Line p, Line q) { return p.b < q.b; });
    Spot spot;
    spot.spreadRad = std::atan(steepest->b) - std::atan(flattest->b);
    const std::optional<double> narrowest = narrowestPlane(lines);
    // Rays of one slope never come closer; nor, for the user, do rays that
    // would meet only far beyond any window.
    if (!narrowest || std::abs(*narrowest) > kParallelDistanceRatio * pupilSize(beam)) {
        spot.diameter = widthAt(lines, 0);
        return std::isfinite(spot.diameter) ? std::optional<Spot>(spot) : std::nullopt;
    }
    const double s = *narrowest;
    const Extent e = extentAt(lines, s);
    const double across = (e.low + e.high) / 2;
    spot.kind = s >= 0 ? SpotKind::Real : SpotKind::Virtual;
    spot.x = beam.cx + s * beam.ux - across * beam.uy;
    spot.y = beam.cy + s * beam.uy + across * beam.ux;
    spot.diameter = e.high - e.low;
    spot.distance = s;
    // Exit points so far out that their differences lose every digit give
    // no spot rather than one of NaNs.
    if (!std::isfinite(spot.x) || !std::isfinite(spot.y) || !std::isfinite(spot.diameter)) {
        return std::nullopt;
    }
    return spot;
}

} // namespace optics::lensdata
