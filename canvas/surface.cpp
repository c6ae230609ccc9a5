#include "canvas/surface.h"

#include <algorithm>
#include <cmath>

namespace canvas {

namespace {

// Wider pens are clamped: the windows use at most 10 pixels, and a bound
// keeps a stray value from painting the whole image per call.
constexpr int kMaxPenWidthPx = 64;

std::size_t pixelCount(int widthPx, int heightPx) {
    return static_cast<std::size_t>(widthPx) * static_cast<std::size_t>(heightPx);
}

// A length in user units in pixels: length * pixels / extent, the product
// first so whole numbers stay exact. Near the largest double that product
// overflows although the result would not; the quotient first then keeps
// such a coordinate finite, to be clipped like any other.
double toPixels(double length, int pixels, double extent) {
    const double product = length * pixels / extent;
    if (std::isfinite(product) || !std::isfinite(length))
        return product;
    return length / extent * pixels;
}

} // namespace

Surface::Surface(int widthPx, int heightPx, Color back)
    : BackColor(back), width_(std::max(widthPx, 0)), height_(std::max(heightPx, 0)),
      pixels_(pixelCount(width_, height_), toPixel(back)),
      // An empty client area still needs a usable scale: one unit per axis.
      scaleWidth_(std::max(width_, 1)), scaleHeight_(std::max(height_, 1)) {}

void Surface::resize(int widthPx, int heightPx) {
    widthPx = std::max(widthPx, 0);
    heightPx = std::max(heightPx, 0);
    std::vector<std::uint32_t> grown(pixelCount(widthPx, heightPx), toPixel(BackColor));
    const int keptWidth = std::min(width_, widthPx);
    for (int y = 0; y < std::min(height_, heightPx); ++y) {
        const auto from = pixels_.begin() + static_cast<std::ptrdiff_t>(pixelCount(width_, y));
        std::copy(from, from + keptWidth,
                  grown.begin() + static_cast<std::ptrdiff_t>(pixelCount(widthPx, y)));
    }
    pixels_.swap(grown);
    width_ = widthPx;
    height_ = heightPx;
    touch();
}

Color Surface::pixel(int px, int py) const {
    if (px < 0 || py < 0 || px >= width_ || py >= height_)
        return BackColor;
    return fromPixel(pixels_[pixelCount(width_, py) + static_cast<std::size_t>(px)]);
}

void Surface::Scale(double x1, double y1, double x2, double y2) {
    const double width = x2 - x1;
    const double height = y2 - y1;
    // A zero, infinite or NaN extent maps nothing anywhere: keep the old scale.
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(width) ||
        !std::isfinite(height) || width == 0 || height == 0)
        return;
    left_ = x1;
    top_ = y1;
    scaleWidth_ = width;
    scaleHeight_ = height;
}

double Surface::ScaleX(double userLength) const {
    return std::fabs(toPixels(userLength, width_, scaleWidth_));
}

double Surface::ScaleY(double userLength) const {
    return std::fabs(toPixels(userLength, height_, scaleHeight_));
}

double Surface::toPixelX(double x) const {
    return toPixels(x - left_, width_, scaleWidth_);
}

double Surface::toPixelY(double y) const {
    return toPixels(y - top_, height_, scaleHeight_);
}

UserPoint Surface::toUser(double px, double py) const {
    // An empty client area has no pixels to measure by: its corner stands for all.
    const double perPixelX = width_ > 0 ? scaleWidth_ / width_ : 0;
    const double perPixelY = height_ > 0 ? scaleHeight_ / height_ : 0;
    return {left_ + px * perPixelX, top_ + py * perPixelY};
}

int Surface::penWidth() const {
    return std::clamp(DrawWidth, 1, kMaxPenWidthPx);
}

} // namespace canvas
