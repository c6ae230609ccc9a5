#include "canvas/view.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace canvas {

namespace {

// The pan never takes the view's middle further than this many own scales
// from the own middle: far enough to look at anything drawn, near enough
// that every number stays small.
constexpr double kFarthestPan = 8;

// A pan is drawn rounded to a power of two this many octaves below the own
// scale's extent: far below a pixel at the largest zoom, far above the
// rounding a zoom in and out again leaves.
constexpr int kPanGridOctaves = 30;

double middle(double a, double b) {
    return a + (b - a) / 2;
}

double onGrid(double pan, double extent) {
    if (extent == 0 || !std::isfinite(extent))
        return pan;
    const double grid = std::ldexp(1.0, std::ilogb(std::fabs(extent)) - kPanGridOctaves);
    return std::nearbyint(pan / grid) * grid;
}

// A pan that is drawn as none is none.
double heldPan(double pan, double extent) {
    if (std::isnan(pan) || !std::isfinite(extent) || onGrid(pan, extent) == 0)
        return 0;
    const double farthest = kFarthestPan * std::fabs(extent);
    return std::clamp(pan, -farthest, farthest);
}

// The scale of the view as its numbers give it, before the pan is rounded
// for drawing: zooms and pans work from it, so that their rounding does
// not add up step after step.
ScaleRect exactScale(const ScaleRect& own, const View& view) {
    const double zoom = view.zoom();
    const double cx = middle(own.x1, own.x2) + view.pan.x;
    const double cy = middle(own.y1, own.y2) + view.pan.y;
    const double halfWidth = (own.x2 - own.x1) / 2 / zoom;
    const double halfHeight = (own.y2 - own.y1) / 2 / zoom;
    return {cx - halfWidth, cy - halfHeight, cx + halfWidth, cy + halfHeight};
}

// The fraction of the way across an extent of pixels, the middle for no number.
double fraction(double px, int pixels) {
    if (!std::isfinite(px) || pixels <= 0)
        return 0.5;
    return std::clamp(px / pixels, 0.0, 1.0);
}

// The scale's corners as least and greatest x and y.
Bounds scaleBounds(const Surface& surface) {
    const double left = surface.ScaleLeft(), right = left + surface.ScaleWidth();
    const double top = surface.ScaleTop(), bottom = top + surface.ScaleHeight();
    return {std::min(left, right), std::min(top, bottom), std::max(left, right),
            std::max(top, bottom)};
}

} // namespace

double View::zoom() const {
    return std::exp2(double(zoomStep) / kStepsPerOctave);
}

View clamped(const View& view, const ScaleRect& own) {
    View held;
    held.zoomStep = std::clamp(view.zoomStep, View::kLeastStep, View::kMostStep);
    held.pan = {heldPan(view.pan.x, own.x2 - own.x1), heldPan(view.pan.y, own.y2 - own.y1)};
    return held;
}

ScaleRect viewScale(const ScaleRect& own, const View& view) {
    const View held = clamped(view, own);
    View drawn = held;
    drawn.pan = {onGrid(held.pan.x, own.x2 - own.x1), onGrid(held.pan.y, own.y2 - own.y1)};
    if (drawn == View{})
        return own;
    return exactScale(own, drawn);
}

Bounds traceReach(const Surface& surface) {
    const Bounds scale = scaleBounds(surface);
    const double vx = surface.ViewLeft() + surface.ViewWidth();
    const double vy = surface.ViewTop() + surface.ViewHeight();
    return {std::min({scale.xMin, surface.ViewLeft(), vx}),
            std::min({scale.yMin, surface.ViewTop(), vy}),
            std::max({scale.xMax, surface.ViewLeft(), vx}),
            std::max({scale.yMax, surface.ViewTop(), vy})};
}

UserPoint reachingEnd(const Surface& surface, UserPoint from, UserPoint to) {
    const Bounds reach = traceReach(surface);
    if (reach == scaleBounds(surface))
        return to;
    // Where from + t (to - from) passes the reach's far edge first, an axis
    // the line does not move along bounding nothing.
    const double dx = to.x - from.x, dy = to.y - from.y;
    double t = std::numeric_limits<double>::infinity();
    if (dx != 0)
        t = std::min(t, ((dx > 0 ? reach.xMax : reach.xMin) - from.x) / dx);
    if (dy != 0)
        t = std::min(t, ((dy > 0 ? reach.yMax : reach.yMin) - from.y) / dy);
    if (!(t > 1) || !std::isfinite(t))
        return to;
    return {from.x + t * dx, from.y + t * dy};
}

View zoomedAbout(const ScaleRect& own, const View& view, long long steps, double px, double py,
                 int widthPx, int heightPx) {
    const View from = clamped(view, own);
    View to = from;
    to.zoomStep = int(std::clamp(from.zoomStep + std::clamp(steps, -64LL, 64LL),
                                 (long long)View::kLeastStep, (long long)View::kMostStep));
    if (to.zoomStep == from.zoomStep)
        return from;
    const ScaleRect now = exactScale(own, from);
    const double fx = fraction(px, widthPx), fy = fraction(py, heightPx);
    const double ux = now.x1 + fx * (now.x2 - now.x1), uy = now.y1 + fy * (now.y2 - now.y1);
    const double zoom = to.zoom();
    const double width = (own.x2 - own.x1) / zoom, height = (own.y2 - own.y1) / zoom;
    to.pan = {ux + (0.5 - fx) * width - middle(own.x1, own.x2),
              uy + (0.5 - fy) * height - middle(own.y1, own.y2)};
    return clamped(to, own);
}

View panned(const ScaleRect& own, const View& view, double dxPx, double dyPx, int widthPx,
            int heightPx) {
    View to = clamped(view, own);
    if (!std::isfinite(dxPx) || !std::isfinite(dyPx) || widthPx <= 0 || heightPx <= 0)
        return to;
    const ScaleRect now = exactScale(own, to);
    to.pan.x -= dxPx * (now.x2 - now.x1) / widthPx;
    to.pan.y -= dyPx * (now.y2 - now.y1) / heightPx;
    return clamped(to, own);
}

} // namespace canvas
