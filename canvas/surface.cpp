#include "canvas/surface.h"

#include <algorithm>
#include <cmath>

namespace canvas {

namespace {

// No screen has a ratio outside a quarter to eight; beyond that a stray value
// would ask a full-screen window for an image of gigabytes.
constexpr double kMinRatio = 0.25;
constexpr double kMaxRatio = 8;

std::size_t pixelCount(int widthPx, int heightPx) {
    return static_cast<std::size_t>(widthPx) * static_cast<std::size_t>(heightPx);
}

double saneRatio(double ratio) {
    return std::isnan(ratio) ? 1 : std::clamp(ratio, kMinRatio, kMaxRatio);
}

// The device pixels of a logical extent: what the window system allocates
// for the client area at this ratio.
int deviceCount(int logicalPx, double ratio) {
    return static_cast<int>(std::lround(logicalPx * ratio));
}

} // namespace

Surface::Surface(int widthPx, int heightPx, Color back, double devicePixelRatio)
    : BackColor(back), width_(std::max(widthPx, 0)), height_(std::max(heightPx, 0)),
      // An empty client area still needs a usable scale: one unit per axis.
      scaleWidth_(std::max(width_, 1)), scaleHeight_(std::max(height_, 1)),
      sceneWidth_(scaleWidth_), sceneHeight_(scaleHeight_) {
    allocate(saneRatio(devicePixelRatio));
}

void Surface::allocate(double ratio) {
    ratio_ = ratio;
    deviceWidth_ = deviceCount(width_, ratio);
    deviceHeight_ = deviceCount(height_, ratio);
    pixels_.assign(pixelCount(deviceWidth_, deviceHeight_), toPixel(BackColor));
    touch();
}

void Surface::resize(int widthPx, int heightPx) {
    const int oldWidth = deviceWidth_, oldHeight = deviceHeight_;
    std::vector<std::uint32_t> old;
    old.swap(pixels_);
    width_ = std::max(widthPx, 0);
    height_ = std::max(heightPx, 0);
    allocate(ratio_);
    const int keptWidth = std::min(oldWidth, deviceWidth_);
    for (int y = 0; y < std::min(oldHeight, deviceHeight_); ++y) {
        const auto from = old.begin() + static_cast<std::ptrdiff_t>(pixelCount(oldWidth, y));
        std::copy(from, from + keptWidth,
                  pixels_.begin() + static_cast<std::ptrdiff_t>(pixelCount(deviceWidth_, y)));
    }
}

bool Surface::setDevicePixelRatio(double ratio) {
    ratio = saneRatio(ratio);
    if (ratio == ratio_)
        return false;
    allocate(ratio);
    return true;
}

std::optional<Surface::DeviceIndex> Surface::deviceIndexOf(int px, int py) const {
    // In double, so no product of a stray int and the ratio can overflow.
    const double x = std::floor((px + 0.5) * ratio_);
    const double y = std::floor((py + 0.5) * ratio_);
    if (px < 0 || py < 0 || px >= width_ || py >= height_ || x >= deviceWidth_ ||
        y >= deviceHeight_)
        return std::nullopt;
    return DeviceIndex{static_cast<int>(x), static_cast<int>(y)};
}

Color Surface::pixel(int px, int py) const {
    const auto index = deviceIndexOf(px, py);
    return index ? devicePixel(index->x, index->y) : BackColor;
}

Color Surface::devicePixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= deviceWidth_ || y >= deviceHeight_)
        return BackColor;
    return fromPixel(pixels_[pixelCount(deviceWidth_, y) + static_cast<std::size_t>(x)]);
}

namespace {

// A zero, infinite or NaN extent maps nothing anywhere.
bool usableCorners(double x1, double y1, double x2, double y2) {
    const double width = x2 - x1;
    const double height = y2 - y1;
    return std::isfinite(x1) && std::isfinite(y1) && std::isfinite(width) &&
           std::isfinite(height) && width != 0 && height != 0;
}

} // namespace

void Surface::Scale(double x1, double y1, double x2, double y2) {
    if (!usableCorners(x1, y1, x2, y2))
        return;
    ShowArea(x1, y1, x2, y2);
    sceneLeft_ = left_;
    sceneTop_ = top_;
    sceneWidth_ = scaleWidth_;
    sceneHeight_ = scaleHeight_;
}

void Surface::ShowArea(double x1, double y1, double x2, double y2) {
    if (!usableCorners(x1, y1, x2, y2))
        return;
    left_ = x1;
    top_ = y1;
    scaleWidth_ = x2 - x1;
    scaleHeight_ = y2 - y1;
}

UserPoint Surface::toUser(double px, double py) const {
    // An empty client area has no pixels to measure by: its corner stands for all.
    const double perPixelX = width_ > 0 ? scaleWidth_ / width_ : 0;
    const double perPixelY = height_ > 0 ? scaleHeight_ / height_ : 0;
    return {left_ + px * perPixelX, top_ + py * perPixelY};
}

} // namespace canvas
