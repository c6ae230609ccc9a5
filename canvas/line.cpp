#include "canvas/line.h"

#include "canvas/capsule.h"
#include "canvas/clip.h"
#include "canvas/pixelgrid.h"

#include <cmath>
#include <utility>

namespace canvas {

namespace {

// The dots of a dotted line count from the line's first end, also when that
// end lies off the image, so a line keeps its dots when an end moves away.
struct DotPattern {
    int phase = 0;
    int direction = 1;

    bool on(int step) const {
        int n = (phase + direction * step) % kDotPeriodPx;
        if (n < 0)
            n += kDotPeriodPx;
        return n < kDotOnPx;
    }
};

// A width-1 line paints, in each column it crosses (each row when it is
// steeper than 45 degrees), the pixel holding its point at the column's
// centre, the pixels of Bresenham's walk. Taken from the equation of the
// clipped line rather than from rounded ends, the visible pixels do not
// depend on how far outside the ends lie.
struct ThinWalk {
    bool steep = false;
    IndexRange major;
    double minorAtFirst = 0;
    double slope = 0;
    DotPattern dots;
};

double majorOf(PixelPoint p, bool steep) {
    return steep ? p.y : p.x;
}
double minorOf(PixelPoint p, bool steep) {
    return steep ? p.x : p.y;
}

// floor(v) for v > -1, without a library call in the inner loop.
int floorAboveMinusOne(double v) {
    return static_cast<int>(v + 1) - 1;
}

// steep is decided on the whole segment, so clipping cannot tip a line at
// 45 degrees from one axis to the other.
std::optional<ThinWalk> planWalk(const Raster& raster, Segment visible, bool steep,
                                 double dotOrigin) {
    if (majorOf(visible.b, steep) < majorOf(visible.a, steep))
        std::swap(visible.a, visible.b);
    const double start = majorOf(visible.a, steep);
    const double run = majorOf(visible.b, steep) - start;
    const auto major =
        centresWithin(start, start + run, steep ? raster.heightPx() : raster.widthPx());
    if (!major)
        return std::nullopt; // the visible part crosses no pixel centre
    ThinWalk walk;
    walk.steep = steep;
    walk.major = *major;
    walk.slope = run > 0 ? (minorOf(visible.b, steep) - minorOf(visible.a, steep)) / run : 0;
    walk.minorAtFirst = minorOf(visible.a, steep) + (major->first + 0.5 - start) * walk.slope;
    const double firstCentre = major->first + 0.5;
    walk.dots = {static_cast<int>(std::fmod(std::fabs(firstCentre - dotOrigin), kDotPeriodPx)),
                 dotOrigin <= firstCentre ? 1 : -1};
    return walk;
}

// The clipped line lies in the image box, so every minor coordinate lies in
// [0, count] up to rounding; the checked variant drops the rare one on the
// far edge, the unchecked one runs when both ends proved inside.
template <bool Checked> void paintWalk(Raster& raster, const ThinWalk& walk, const Pen& pen) {
    const int minorCount = walk.steep ? raster.widthPx() : raster.heightPx();
    for (int i = walk.major.first; i <= walk.major.last; ++i) {
        const int step = i - walk.major.first;
        if (pen.dotted && !walk.dots.on(step))
            continue;
        const int j = floorAboveMinusOne(walk.minorAtFirst + step * walk.slope);
        if constexpr (Checked) {
            if (j < 0 || j >= minorCount)
                continue;
        }
        if (walk.steep)
            raster.row(i)[j] = pen.pixel;
        else
            raster.row(j)[i] = pen.pixel;
    }
}

bool minorInside(const ThinWalk& walk, int minorCount, int step) {
    const int j = floorAboveMinusOne(walk.minorAtFirst + step * walk.slope);
    return j >= 0 && j < minorCount;
}

void drawThinLine(Raster& raster, PixelPoint a, PixelPoint b, const Pen& pen) {
    const Box image{0, 0, static_cast<double>(raster.widthPx()),
                    static_cast<double>(raster.heightPx())};
    const auto visible = clipSegment({a, b}, image);
    if (!visible)
        return; // the segment passes beside the image
    // Quartered, the differences stay finite for any finite ends.
    const bool steep = std::fabs(b.y * 0.25 - a.y * 0.25) > std::fabs(b.x * 0.25 - a.x * 0.25);
    const auto walk = planWalk(raster, *visible, steep, majorOf(a, steep));
    if (!walk)
        return;
    const int minorCount = walk->steep ? raster.widthPx() : raster.heightPx();
    const int lastStep = walk->major.last - walk->major.first;
    if (minorInside(*walk, minorCount, 0) && minorInside(*walk, minorCount, lastStep))
        paintWalk<false>(raster, *walk, pen);
    else
        paintWalk<true>(raster, *walk, pen);
}

void drawWideLine(Raster& raster, PixelPoint a, PixelPoint b, const Pen& pen) {
    const double radius = pen.widthPx * 0.5;
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

} // namespace

void drawLine(Raster& raster, PixelPoint a, PixelPoint b, const Pen& pen) {
    if (raster.empty())
        return;
    a = snapToPen(a, pen.widthPx);
    b = snapToPen(b, pen.widthPx);
    // One fixed order makes the result independent of the caller's order,
    // rounding of the clip and dot pattern included.
    if (std::make_pair(b.x, b.y) < std::make_pair(a.x, a.y))
        std::swap(a, b);
    if (pen.widthPx <= 1)
        drawThinLine(raster, a, b, pen);
    else
        drawWideLine(raster, a, b, pen);
}

void drawDot(Raster& raster, PixelPoint p, const Pen& pen) {
    drawLine(raster, p, p, {pen.pixel, pen.widthPx, false});
}

} // namespace canvas
