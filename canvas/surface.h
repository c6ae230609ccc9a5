#pragma once

#include "canvas/color.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace canvas {

enum class PenStyle { Solid = 0, Dash = 1, Dot = 2 };
enum class FillMode { Solid = 0, Transparent = 1 };

// A point in the surface's user scale.
struct UserPoint {
    double x = 0;
    double y = 0;
};

// The persistent image of a window's client area with its user scale and pen,
// and the immediate-mode operations the windows draw with.
//
// Coordinates are user units of the current scale (y may grow upwards).
// Every operation accepts any number: NaN and infinities are dropped, huge
// values are clipped in double before any pixel is stepped, so the cost of a
// call follows the visible pixels it touches, never the numbers it was given.
//
// Sizes, ScaleX/ScaleY, pen widths and pixel positions given to or read from
// the surface are logical pixels, those of the window's client area. The
// image itself has the resolution of the screen: devicePixelRatio device
// pixels per logical pixel along each axis, so a pen of DrawWidth 1 is about
// that many device pixels wide and every edge is stepped in device pixels.
class Surface {
  public:
    Surface(int widthPx, int heightPx, Color back = colors::white, double devicePixelRatio = 1);

    // Resizes the client area, keeping the old pixels at the top left and the
    // scale's corner values (the units stretch with the client area).
    void resize(int widthPx, int heightPx);
    int widthPx() const { return width_; }
    int heightPx() const { return height_; }

    // A new ratio gives a new image of the new device size, cleared to
    // BackColor: a picture is drawn again at a new resolution, not stretched.
    // Ratios are kept within [1/4, 8]; NaN counts as 1. Returns true when the
    // image was made anew, false when the ratio was already in use.
    bool setDevicePixelRatio(double ratio);
    double devicePixelRatio() const { return ratio_; }
    int deviceWidthPx() const { return deviceWidth_; }
    int deviceHeightPx() const { return deviceHeight_; }

    // Row-major 0xFFRRGGBB words (QImage::Format_RGB32 layout), device pixels.
    const std::uint32_t* pixels() const { return pixels_.data(); }
    std::uint32_t* pixels() { return pixels_.data(); }
    // The colour at a logical pixel: that of the device pixel under its
    // centre. BackColor outside the image.
    Color pixel(int px, int py) const;
    // The colour at a device pixel; BackColor outside the image.
    Color devicePixel(int x, int y) const;
    // Counts every change of the image, so a view can tell when to repaint.
    std::uint64_t revision() const { return revision_; }

    // Scale (x1, y1)-(x2, y2): (x1, y1) is the top left corner of the client
    // area, (x2, y2) the bottom right one. A degenerate scale is ignored.
    void Scale(double x1, double y1, double x2, double y2);
    double ScaleLeft() const { return sceneLeft_; }
    double ScaleTop() const { return sceneTop_; }
    double ScaleWidth() const { return sceneWidth_; }
    double ScaleHeight() const { return sceneHeight_; }

    // A zoomed or panned view: the client area shows the part (x1, y1)-(x2,
    // y2) of the plane instead. The scale stays what the picture is made
    // for (the edges a ray runs to, the reach of a handle); pixels, ScaleX
    // and ScaleY follow the view. Scale shows the scale itself again. A
    // degenerate area is ignored.
    void ShowArea(double x1, double y1, double x2, double y2);
    double ViewLeft() const { return left_; }
    double ViewTop() const { return top_; }
    double ViewWidth() const { return scaleWidth_; }
    double ViewHeight() const { return scaleHeight_; }
    // A horizontal / vertical length in user units converted to logical pixels.
    double ScaleX(double userLength) const {
        return std::fabs(toPixels(userLength, width_, scaleWidth_));
    }
    double ScaleY(double userLength) const {
        return std::fabs(toPixels(userLength, height_, scaleHeight_));
    }
    // User point -> logical pixel (fractional, pixel centres at .5) and back.
    // Inline: every point drawn passes here.
    double toPixelX(double x) const { return toPixels(x - left_, width_, scaleWidth_); }
    double toPixelY(double y) const { return toPixels(y - top_, height_, scaleHeight_); }
    UserPoint toUser(double px, double py) const;

    // Pen and fill state; persists until changed.
    Color ForeColor = colors::black;
    int DrawWidth = 1;
    PenStyle DrawStyle = PenStyle::Solid;
    FillMode FillStyle = FillMode::Transparent;
    Color FillColor = colors::black;
    Color BackColor = colors::white;

    // Line (x1, y1)-(x2, y2): DrawWidth pixels wide, with round ends when
    // wider than 1, dotted or dashed only when DrawStyle says so and DrawWidth
    // is 1. The part near the image is found in user units before anything is
    // converted to pixels, so ends at any distance keep the line in place.
    void Line(double x1, double y1, double x2, double y2);
    void Line(double x1, double y1, double x2, double y2, Color color);

    // Circle (x, y), r: radius in horizontal units, drawn as a true circle in
    // pixels. With FillStyle FillMode::Solid the inside is filled with FillColor first.
    void Circle(double x, double y, double r);
    void Circle(double x, double y, double r, Color color);
    // An arc from angle start to angle end (radians, counter-clockwise as seen
    // on the screen; an end below the start wraps through 0). A negative angle
    // means its absolute value plus a radius line to that end. Arcs are never
    // filled. Angles outside [-2pi, 2pi] or NaN draw nothing.
    void Circle(double x, double y, double r, Color color, double start, double end);

    // One point; with DrawWidth above 1 a filled dot of that diameter.
    void PSet(double x, double y);
    void PSet(double x, double y, Color color);

    // Clears the whole image to BackColor.
    void Cls();

    // Paints with FillColor the 4-connected region around the logical pixel
    // (px, py), from the device pixel under its centre, up to pixels of
    // exactly the boundary colour. Seeds outside the image do nothing.
    void FloodFill(int px, int py, Color boundary);

  private:
    // A length in user units in pixels: length * pixels / extent, the product
    // first so whole numbers stay exact. Near the largest double that product
    // overflows although the result would not; the quotient first then keeps
    // such a coordinate finite, to be clipped like any other.
    static double toPixels(double length, int pixels, double extent) {
        const double product = length * pixels / extent;
        if (std::isfinite(product) || !std::isfinite(length))
            return product;
        return length / extent * pixels;
    }

    void touch() { ++revision_; }
    // The device pixel under the centre of a logical pixel; nothing outside
    // the image.
    struct DeviceIndex {
        int x;
        int y;
    };
    std::optional<DeviceIndex> deviceIndexOf(int px, int py) const;
    void allocate(double ratio);

    int width_;
    int height_;
    double ratio_ = 1;
    int deviceWidth_ = 0;
    int deviceHeight_ = 0;
    std::vector<std::uint32_t> pixels_;
    std::uint64_t revision_ = 0;
    double left_ = 0;
    double top_ = 0;
    double scaleWidth_;
    double scaleHeight_;
    double sceneLeft_ = 0;
    double sceneTop_ = 0;
    double sceneWidth_;
    double sceneHeight_;
};

} // namespace canvas
