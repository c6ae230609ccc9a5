#include "canvas/line.h"

#include "canvas/capsule.h"
#include "canvas/clip.h"
#include "canvas/pixelgrid.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace canvas {

namespace {

// The dots of a dotted line count from the line's first end, also when that
// end lies off the image, so a line keeps its dots when an end moves away.
struct DotPattern {
    int phase = 0;
    int direction = 1;
    int onPx = kDotOnPx;
    int offPx = kDotOnPx;

    bool on(int step) const {
        const int period = onPx + offPx;
        int n = (phase + direction * step) % period;
        if (n < 0)
            n += period;
        return n < onPx;
    }
};

// A thin line paints, in each column it crosses (each row when it is steeper
// than 45 degrees), the pixels whose centres lie within the pen's radius of
// its point at the column's centre, the nearer side open: for a width of 1
// the pixels of Bresenham's walk, for a whole width n always n pixels, for a
// width of 1.5 one or two by turns, so a line keeps its weight at any ratio.
// The ends reach out by half the pen, so a zero-length line is a square of
// it, at least one pixel. Taken from the equation of the clipped line rather
// than from rounded ends, the visible pixels do not depend on how far outside
// the ends lie.
struct ThinWalk {
    bool steep = false;
    IndexRange major;
    // The minor coordinate at the first major centre less the radius and
    // half a pixel, and the pen's width: pixels floor(low) + 1 through
    // floor(low + width) are painted.
    double low = 0;
    double width = 1;
    double slope = 0;
    int bound = 1;
    // A whole width is always that many pixels across; 0 for a fractional one.
    int wholeCount = 1;
    DotPattern dots;
};

double majorOf(PixelPoint p, bool steep) {
    return steep ? p.y : p.x;
}
double minorOf(PixelPoint p, bool steep) {
    return steep ? p.x : p.y;
}

// floor(v) for v > -bound, without a library call in the inner loop.
int floorAbove(double v, int bound) {
    return static_cast<int>(v + bound) - bound;
}

// steep is decided on the whole segment, so clipping cannot tip a line at
// 45 degrees from one axis to the other.
std::optional<ThinWalk> planWalk(const Raster& raster, Segment visible, bool steep,
                                 double dotOrigin, const Pen& pen) {
    if (majorOf(visible.b, steep) < majorOf(visible.a, steep))
        std::swap(visible.a, visible.b);
    const double start = majorOf(visible.a, steep);
    const double run = majorOf(visible.b, steep) - start;
    const auto major = centresFrom(start - pen.radiusPx, start + run + pen.radiusPx,
                                   steep ? raster.heightPx() : raster.widthPx());
    if (!major)
        return std::nullopt; // the visible part crosses no pixel centre
    ThinWalk walk;
    walk.steep = steep;
    walk.major = *major;
    walk.width = 2 * pen.radiusPx;
    walk.wholeCount = walk.width == pen.widthPx ? pen.widthPx : 0;
    // The clipped line lies within the radius of the image, so low lies
    // above minus twice the width.
    walk.bound = 2 * pen.widthPx + 2;
    walk.slope = run > 0 ? (minorOf(visible.b, steep) - minorOf(visible.a, steep)) / run : 0;
    walk.low =
        minorOf(visible.a, steep) + (major->first + 0.5 - start) * walk.slope - pen.radiusPx - 0.5;
    const double firstCentre = major->first + 0.5;
    const double period = pen.dotOnPx + pen.dotOffPx;
    walk.dots = {static_cast<int>(std::fmod(std::fabs(firstCentre - dotOrigin), period)),
                 dotOrigin <= firstCentre ? 1 : -1, pen.dotOnPx, pen.dotOffPx};
    return walk;
}

IndexRange acrossAt(const ThinWalk& walk, double low) {
    const int first = floorAbove(low, walk.bound) + 1;
    if (walk.wholeCount > 0)
        return {first, first + walk.wholeCount - 1};
    return {first, floorAbove(low + walk.width, walk.bound)};
}

IndexRange acrossAt(const ThinWalk& walk, int step) {
    return acrossAt(walk, walk.low + step * walk.slope);
}

// The checked variant drops the pixels off the image, the unchecked one runs
// when both ends proved inside; the single one is the width of 1 at a ratio
// of 1, the line most drawn, kept to one store per step.
template <bool Checked, bool Single>
void paintWalk(Raster& raster, const ThinWalk& walk, const Pen& pen) {
    const int minorCount = walk.steep ? raster.widthPx() : raster.heightPx();
    // Across a row the pixels are neighbours, across a column a row apart.
    const std::ptrdiff_t acrossStride = walk.steep ? 1 : raster.widthPx();
    for (int i = walk.major.first; i <= walk.major.last; ++i) {
        const int step = i - walk.major.first;
        if (pen.dotted && !walk.dots.on(step))
            continue;
        const double low = walk.low + step * walk.slope;
        IndexRange across;
        if constexpr (Single)
            across.first = across.last = floorAbove(low, walk.bound) + 1;
        else
            across = acrossAt(walk, low);
        if constexpr (Checked) {
            across.first = std::max(across.first, 0);
            across.last = std::min(across.last, minorCount - 1);
            if (across.first > across.last)
                continue;
        }
        std::uint32_t* p = walk.steep ? raster.row(i) + across.first : raster.row(across.first) + i;
        if constexpr (Single) {
            *p = pen.pixel;
            continue;
        }
        for (int j = across.first; j <= across.last; ++j, p += acrossStride)
            *p = pen.pixel;
    }
}

template <bool Checked> void paintWalk(Raster& raster, const ThinWalk& walk, const Pen& pen) {
    if (walk.wholeCount == 1)
        paintWalk<Checked, true>(raster, walk, pen);
    else
        paintWalk<Checked, false>(raster, walk, pen);
}

bool acrossInside(const ThinWalk& walk, int minorCount, int step) {
    const IndexRange across = acrossAt(walk, step);
    return across.first >= 0 && across.last < minorCount;
}

void drawThinLine(Raster& raster, PixelPoint a, PixelPoint b, const Pen& pen) {
    // Nothing of the pen reaches the image from farther than its radius.
    const double margin = pen.radiusPx;
    const Box image{-margin, -margin, raster.widthPx() + margin, raster.heightPx() + margin};
    const auto visible = clipSegment({a, b}, image);
    if (!visible)
        return; // the segment passes beside the image
    // Quartered, the differences stay finite for any finite ends.
    const bool steep = std::fabs(b.y * 0.25 - a.y * 0.25) > std::fabs(b.x * 0.25 - a.x * 0.25);
    // The dots count from the first pixel of the pen's square at the first end.
    const double reach = pen.radiusPx - 0.5;
    const double dotOrigin =
        majorOf(a, steep) + (majorOf(a, steep) <= majorOf(b, steep) ? -reach : reach);
    const auto walk = planWalk(raster, *visible, steep, dotOrigin, pen);
    if (!walk)
        return;
    const int minorCount = walk->steep ? raster.widthPx() : raster.heightPx();
    const int lastStep = walk->major.last - walk->major.first;
    if (acrossInside(*walk, minorCount, 0) && acrossInside(*walk, minorCount, lastStep))
        paintWalk<false>(raster, *walk, pen);
    else
        paintWalk<true>(raster, *walk, pen);
}

void drawWideLine(Raster& raster, PixelPoint a, PixelPoint b, const Pen& pen) {
    const double radius = pen.radiusPx;
    const Box grown{-radius, -radius, raster.widthPx() + radius, raster.heightPx() + radius};
    const auto inside = [&grown](PixelPoint p) {
        return p.x >= grown.left && p.x <= grown.right && p.y >= grown.top && p.y <= grown.bottom;
    };
    // Most segments lie wholly on the image and need no clipping.
    if (inside(a) && inside(b)) {
        fillCapsule(raster, {a, b}, radius, pen.pixel);
        return;
    }
    // Every pixel within the radius of the segment is within the radius of
    // its part inside the grown box, so clipping loses nothing visible.
    if (const auto visible = clipSegment({a, b}, grown))
        fillCapsule(raster, *visible, radius, pen.pixel);
}

// An end is put on the pen's grid, where its cap or square looks the same
// wherever it lies, only when that can be done and shows. A pen of a
// fractional width (1.5 pixels at a ratio of 1.5) has no such grid: left
// where they are, its strokes cover one or two pixels by their place, so
// they keep their weight on average. An end off the image only gives the
// direction: left as it is, the line keeps its exact course, so the visible
// part does not depend on how far away the end lies.
class EndGrid {
  public:
    EndGrid(const Raster& raster, const Pen& pen)
        : widthPx_(pen.widthPx), reach_(pen.radiusPx + 1), right_(raster.widthPx() + reach_),
          bottom_(raster.heightPx() + reach_), whole_(pen.radiusPx * 2 == pen.widthPx) {}

    void snap(PixelPoint& p) const {
        if (whole_ && p.x >= -reach_ && p.x <= right_ && p.y >= -reach_ && p.y <= bottom_) {
            p.x = snapToPen(p.x, widthPx_);
            p.y = snapToPen(p.y, widthPx_);
        }
    }

  private:
    int widthPx_;
    double reach_;
    double right_;
    double bottom_;
    bool whole_;
};

} // namespace

void drawLine(Raster& raster, PixelPoint a, PixelPoint b, const Pen& pen) {
    if (raster.empty())
        return;
    const EndGrid grid(raster, pen);
    grid.snap(a);
    grid.snap(b);
    // One fixed order makes the result independent of the caller's order,
    // rounding of the clip and dot pattern included.
    const bool swapped = b.x < a.x || (b.x == a.x && b.y < a.y);
    const PixelPoint first = swapped ? b : a;
    const PixelPoint second = swapped ? a : b;
    if (pen.thin)
        drawThinLine(raster, first, second, pen);
    else
        drawWideLine(raster, first, second, pen);
}

void drawDot(Raster& raster, PixelPoint p, const Pen& pen) {
    Pen solid = pen;
    solid.dotted = false;
    drawLine(raster, p, p, solid);
}

} // namespace canvas
