// The geometry functions that read the scale of the window they serve.
#include "optics/spherical/geometry.h"

#include "canvas/surface.h"
#include "optics/spherical/single_precision.h"

#include <algorithm>
#include <cmath>

namespace optics::spherical {

namespace {

struct Edges {
    double left, right, top, bottom;
};

// The window reports its scale in single precision.
Edges edgesOf(double left, double top, double width, double height) {
    left = toSingle(left);
    top = toSingle(top);
    return {left, left + toSingle(width), top, top + toSingle(height)};
}

// Of two edges, the one further out, which way outwards runs.
double outer(double a, double b, double outwards) {
    return outwards > 0 ? std::max(a, b) : std::min(a, b);
}

// The edges a ray runs to: those of the scale, and beyond them those of a
// view that shows more of the plane, so a ray zoomed out still runs on to
// the edge of the drawing.
Edges edgesOf(const canvas::Surface& surface) {
    const Edges own = edgesOf(surface.ScaleLeft(), surface.ScaleTop(), surface.ScaleWidth(),
                              surface.ScaleHeight());
    const Edges shown =
        edgesOf(surface.ViewLeft(), surface.ViewTop(), surface.ViewWidth(), surface.ViewHeight());
    const double across = own.right - own.left, down = own.bottom - own.top;
    return {outer(own.left, shown.left, -across), outer(own.right, shown.right, across),
            outer(own.top, shown.top, -down), outer(own.bottom, shown.bottom, down)};
}

// Nearer of the crossings with the vertical edge x = ex and the horizontal
// edge y = ey; the vertical one on a tie, so a corner reports its vertical edge.
PointF nearerEdgePoint(double x0, double y0, double dx, double dy, double ex, double ey) {
    const double vy = y0 + (ex - x0) * dy / dx;
    const double hx = x0 + (ey - y0) * dx / dy;
    if (apostasi(x0, y0, hx, ey) < apostasi(x0, y0, ex, vy)) {
        return {toSingle(hx), toSingle(ey)};
    }
    return {toSingle(ex), toSingle(vy)};
}

// Height of the lens surface above x = X for a tip inside the glass: the face
// of circle 2 left of the rim, the face of circle 1 right of it; the inner
// circle when one lies inside the other.
double lensSurfaceHeight(double X, const SphericalLens& lens) {
    if (const std::optional<Disc> inner = innerDisc(lens)) {
        return std::sqrt(inner->r * inner->r - (X - inner->xc) * (X - inner->xc));
    }
    const LensCrossing rim = xordi(lens.xa, lens.xb, lens.radius1, lens.radius2);
    if (X < rim.x1) {
        return std::sqrt(lens.radius2 * lens.radius2 - (X - lens.xb) * (X - lens.xb));
    }
    return std::sqrt(lens.radius1 * lens.radius1 - (X - lens.xa) * (X - lens.xa));
}

// A bar's value runs from the middle of the window over half its height for
// the upper blade (stepsPerHeight 200) and over the whole for the lower one
// (100): the inverse of where each bar's handler puts its tip, so that the
// next step of the bar starts from the clamped tip.
std::optional<BladeClamp> clampBlade(const canvas::Surface& surface, double X, double Y,
                                     const SphericalLens& lens, double side,
                                     double stepsPerHeight) {
    const bool insideGlass =
        apostasi(X, Y, lens.xa, 0) < lens.radius1 && apostasi(X, Y, lens.xb, 0) < lens.radius2;
    if (!insideGlass) {
        return std::nullopt;
    }
    const double s = side * lensSurfaceHeight(X, lens);
    const double top = surface.ScaleTop();
    const double height = surface.ScaleHeight();
    // Int() of the blade's scroll position; a scroll bar holds a 16-bit value,
    // which also keeps the conversion to int defined.
    const double value = std::clamp(std::floor(stepsPerHeight * ((s - top) - height / 2) / height),
                                    -32768.0, 32767.0);
    return BladeClamp{static_cast<int>(value), s};
}

} // namespace

PointF borderExit(const canvas::Surface& surface, double x0, double y0, double dx, double dy) {
    if (!std::isfinite(dx) || !std::isfinite(dy)) {
        return {}; // an undefined direction leaves through no edge
    }
    const Edges e = edgesOf(surface);
    const double ex = dx > 0 ? e.right : e.left;
    const double ey = dy > 0 ? e.top : e.bottom;
    if (dx != 0 && dy != 0) {
        return nearerEdgePoint(x0, y0, dx, dy, ex, ey);
    }
    if (dy != 0) {
        return {toSingle(x0), toSingle(ey)};
    }
    if (dx != 0) {
        return {toSingle(ex), toSingle(y0)};
    }
    return {}; // no direction: no exit point
}

// Measured from the top left corner, as pixels are, so that a fraction times
// the client size in pixels is the pixel under the point.
PointF screenPoint(const canvas::Surface& surface, double x, double y) {
    return {toSingle((x - surface.ScaleLeft()) / surface.ScaleWidth()),
            toSingle(((y - surface.ScaleTop()) - surface.ScaleHeight()) / -surface.ScaleHeight())};
}

std::optional<BladeClamp> clampUpperBlade(const canvas::Surface& surface, double X, double Y,
                                          const SphericalLens& lens) {
    return clampBlade(surface, X, Y, lens, 1, 200);
}

std::optional<BladeClamp> clampLowerBlade(const canvas::Surface& surface, double X, double Y,
                                          const SphericalLens& lens) {
    return clampBlade(surface, X, Y, lens, -1, 100);
}

} // namespace optics::spherical
