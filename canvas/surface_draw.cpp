#include "canvas/surface.h"

#include "canvas/arc.h"
#include "canvas/clip.h"
#include "canvas/floodfill.h"
#include "canvas/line.h"
#include "canvas/pixelgrid.h"
#include "canvas/ring.h"

#include <algorithm>
#include <cmath>
#include <optional>

// The drawing operations: each turns user values into device pixels, drops
// what has no place on the image, and hands the rest to one rasterizer.

namespace canvas {

namespace {

// Wider pens are clamped: the windows use at most 10 pixels, and a bound
// keeps a stray value from painting the whole image per call.
constexpr int kMaxPenWidthPx = 64;

Raster rasterOf(Surface& surface) {
    return {surface.pixels(), surface.deviceWidthPx(), surface.deviceHeightPx()};
}

PixelPoint devicePoint(const Surface& surface, double x, double y) {
    const double ratio = surface.devicePixelRatio();
    return {surface.toPixelX(x) * ratio, surface.toPixelY(y) * ratio};
}

// Rounded to whole device pixels, at least one; lengths and ratios are
// clamped, so the sum stays far within int.
int deviceLength(double logicalPx, double ratio) {
    return std::max(1, static_cast<int>(std::lround(logicalPx * ratio)));
}

// The pen of DrawWidth logical pixels in device pixels. Its radius keeps the
// exact width, so strokes and dots keep their weight at any ratio; the width
// rounded to whole pixels sets the grid of the ends. Dots only where the
// platform draws them: a pen of width 1.
inline Pen penOf(const Surface& surface, Color color, PenStyle style) {
    const int widthPx = std::clamp(surface.DrawWidth, 1, kMaxPenWidthPx);
    const double ratio = surface.devicePixelRatio();
    Pen pen;
    pen.pixel = toPixel(color);
    pen.thin = widthPx == 1;
    pen.dotted = style != PenStyle::Solid && pen.thin;
    const bool dashed = style == PenStyle::Dash;
    pen.dotOnPx = deviceLength(dashed ? kDashOnPx : kDotOnPx, ratio);
    pen.dotOffPx = deviceLength(dashed ? kDashOffPx : kDotOnPx, ratio);
    if (ratio == 1) { // the common screen, with whole numbers throughout
        pen.widthPx = widthPx;
        pen.radiusPx = widthPx * 0.5;
        return pen;
    }
    pen.widthPx = deviceLength(widthPx, ratio);
    pen.radiusPx = std::max(widthPx * ratio * 0.5, 0.5);
    return pen;
}

// The client area in user units, grown by the pen and a pixel more: the
// part of a line that can reach the image lies near it.
Box userView(const Surface& surface, const Pen& pen) {
    const double marginPx = (pen.widthPx * 0.5 + 1) / surface.devicePixelRatio() + 1;
    const double marginX =
        marginPx * std::fabs(surface.ViewWidth()) / std::max(surface.widthPx(), 1);
    const double marginY =
        marginPx * std::fabs(surface.ViewHeight()) / std::max(surface.heightPx(), 1);
    const double x1 = surface.ViewLeft(), x2 = x1 + surface.ViewWidth();
    const double y1 = surface.ViewTop(), y2 = y1 + surface.ViewHeight();
    return {std::min(x1, x2) - marginX, std::min(y1, y2) - marginY, std::max(x1, x2) + marginX,
            std::max(y1, y2) + marginY};
}

// Within half the image's size of it, both ends are near: bringNear would
// leave them as they are, and their pixels are precise.
bool nearTheImage(const Raster& raster, PixelPoint a, PixelPoint b) {
    const double width = raster.widthPx(), height = raster.heightPx();
    const auto near = [&](PixelPoint p) {
        return std::fabs(p.x - 0.5 * width) <= width && std::fabs(p.y - 0.5 * height) <= height;
    };
    return near(a) && near(b);
}

// A circle whose centre or radius is infinite or NaN (or maps beyond the
// range of double) has no pixels: nothing is drawn for it.
std::optional<CircleShape> circleShape(const Surface& surface, double x, double y, double r) {
    const CircleShape circle{devicePoint(surface, x, y),
                             surface.ScaleX(r) * surface.devicePixelRatio()};
    if (!isFinite(circle.centre) || !std::isfinite(circle.radiusPx))
        return std::nullopt;
    return circle;
}

} // namespace

void Surface::Line(double x1, double y1, double x2, double y2) {
    Line(x1, y1, x2, y2, ForeColor);
}

void Surface::Line(double x1, double y1, double x2, double y2, Color color) {
    touch();
    // An end at infinity or NaN gives no direction to follow: no line.
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return;
    const Pen pen = penOf(*this, color, DrawStyle);
    Raster raster = rasterOf(*this);
    const PixelPoint a = devicePoint(*this, x1, y1);
    const PixelPoint b = devicePoint(*this, x2, y2);
    if (nearTheImage(raster, a, b)) {
        drawLine(raster, a, b, pen);
        return;
    }
    // Far ends are brought near in user units first: converted on their
    // own, each would lose the line's offset from the client area.
    const auto near = bringNear({{x1, y1}, {x2, y2}}, userView(*this, pen));
    if (!near)
        return; // the line passes beside the client area
    const PixelPoint nearA = devicePoint(*this, near->a.x, near->a.y);
    const PixelPoint nearB = devicePoint(*this, near->b.x, near->b.y);
    if (!isFinite(nearA) || !isFinite(nearB))
        return; // a scale so fine that the client area's neighbourhood overflows
    drawLine(raster, nearA, nearB, pen);
}

void Surface::Circle(double x, double y, double r) {
    Circle(x, y, r, ForeColor);
}

void Surface::Circle(double x, double y, double r, Color color) {
    touch();
    const auto circle = circleShape(*this, x, y, r);
    if (!circle)
        return;
    Raster raster = rasterOf(*this);
    const Pen pen = penOf(*this, color, DrawStyle);
    if (circle->radiusPx == 0) {
        drawDot(raster, circle->centre, pen);
        return;
    }
    RingStyle style;
    if (FillStyle == FillMode::Solid)
        style.fillPixel = toPixel(FillColor);
    paintRing(raster, *circle, pen, style);
}

void Surface::Circle(double x, double y, double r, Color color, double start, double end) {
    touch();
    const auto circle = circleShape(*this, x, y, r);
    const auto angles = arcAngles(start, end);
    if (!circle || !angles)
        return; // the platform draws nothing for angles beyond a full turn
    Raster raster = rasterOf(*this);
    const Pen pen = penOf(*this, color, DrawStyle);
    if (circle->radiusPx == 0)
        drawDot(raster, circle->centre, pen);
    else
        drawArc(raster, *circle, pen, *angles);
}

void Surface::PSet(double x, double y) {
    PSet(x, y, ForeColor);
}

void Surface::PSet(double x, double y, Color color) {
    touch();
    const PixelPoint p = devicePoint(*this, x, y);
    if (!isFinite(p))
        return; // a point at infinity or NaN has no pixel
    Raster raster = rasterOf(*this);
    drawDot(raster, p, penOf(*this, color, PenStyle::Solid));
}

void Surface::Cls() {
    touch();
    std::fill(pixels_.begin(), pixels_.end(), toPixel(BackColor));
}

void Surface::FloodFill(int px, int py, Color boundary) {
    touch();
    const auto seed = deviceIndexOf(px, py);
    if (!seed)
        return;
    Raster raster = rasterOf(*this);
    floodFill(raster, seed->x, seed->y, toPixel(FillColor), toPixel(boundary));
}

} // namespace canvas
