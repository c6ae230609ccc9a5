#include "canvas/surface.h"

#include "canvas/arc.h"
#include "canvas/floodfill.h"
#include "canvas/line.h"
#include "canvas/pixelgrid.h"
#include "canvas/ring.h"

#include <algorithm>
#include <optional>

// The drawing operations: each turns user values into pixels, drops what has
// no place on the image, and hands the rest to one rasterizer.

namespace canvas {

namespace {

Raster rasterOf(Surface& surface) {
    return {surface.pixels(), surface.widthPx(), surface.heightPx()};
}

PixelPoint pixelPoint(const Surface& surface, double x, double y) {
    return {surface.toPixelX(x), surface.toPixelY(y)};
}

// A circle whose centre or radius is infinite or NaN (or maps beyond the
// range of double) has no pixels: nothing is drawn for it.
std::optional<CircleShape> circleShape(const Surface& surface, double x, double y, double r) {
    const CircleShape circle{pixelPoint(surface, x, y), surface.ScaleX(r)};
    if (!isFinite(circle.centre) || !std::isfinite(circle.radiusPx))
        return std::nullopt;
    return circle;
}

// Dots only where the platform draws them: a pen of width 1.
Pen strokePen(Color color, int widthPx, PenStyle style) {
    return {toPixel(color), widthPx, style == PenStyle::Dot && widthPx == 1};
}

} // namespace

void Surface::Line(double x1, double y1, double x2, double y2) {
    Line(x1, y1, x2, y2, ForeColor);
}

void Surface::Line(double x1, double y1, double x2, double y2, Color color) {
    touch();
    const PixelPoint a = pixelPoint(*this, x1, y1);
    const PixelPoint b = pixelPoint(*this, x2, y2);
    // An end at infinity or NaN gives no direction to follow: no line.
    if (!isFinite(a) || !isFinite(b))
        return;
    Raster raster = rasterOf(*this);
    drawLine(raster, a, b, strokePen(color, penWidth(), DrawStyle));
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
    const Pen pen = strokePen(color, penWidth(), DrawStyle);
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
    const Pen pen = strokePen(color, penWidth(), DrawStyle);
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
    const PixelPoint p = pixelPoint(*this, x, y);
    if (!isFinite(p))
        return; // a point at infinity or NaN has no pixel
    Raster raster = rasterOf(*this);
    drawDot(raster, p, {toPixel(color), penWidth(), false});
}

void Surface::Cls() {
    touch();
    std::fill(pixels_.begin(), pixels_.end(), toPixel(BackColor));
}

void Surface::FloodFill(int px, int py, Color boundary) {
    touch();
    Raster raster = rasterOf(*this);
    floodFill(raster, px, py, toPixel(FillColor), toPixel(boundary));
}

} // namespace canvas
