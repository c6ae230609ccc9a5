#pragma once

#include <cstddef>
#include <cstdint>

namespace canvas {

// A position in client pixels: pixel (i, j) covers [i, i + 1) x [j, j + 1), so
// its centre is (i + 0.5, j + 0.5).
struct PixelPoint {
    double x = 0;
    double y = 0;
};

// The dotted pen at a ratio of 1: this many pixels on, then as many off,
// along the stroke.
constexpr int kDotOnPx = 3;
// The dashed pen at a ratio of 1: dashes this long, gaps this long.
constexpr int kDashOnPx = 8;
constexpr int kDashOffPx = 4;

// What a primitive paints with, in device pixels. A thin pen (a window's pen
// of one logical pixel) is walked along the stroke's major axis, widthPx
// pixels across; a wider one is a capsule with round ends, radiusPx from the
// stroke. widthPx, the width rounded to whole pixels, also sets the grid the
// ends are put on. Widths are already clamped to a sane range. Only thin pens
// are dotted (or dashed), dotOnPx pixels on and dotOffPx off.
struct Pen {
    std::uint32_t pixel = 0xFF000000u;
    int widthPx = 1;
    double radiusPx = 0.5;
    bool thin = true;
    bool dotted = false;
    int dotOnPx = kDotOnPx;
    int dotOffPx = kDotOnPx;
};

// A view of a surface's pixel words. Spans are clipped here; the loops that
// write through row() keep to the image themselves.
class Raster {
  public:
    Raster(std::uint32_t* data, int widthPx, int heightPx)
        : data_(data), width_(widthPx), height_(heightPx) {}

    int widthPx() const { return width_; }
    int heightPx() const { return height_; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // The caller guarantees 0 <= y < heightPx.
    std::uint32_t* row(int y) {
        return data_ + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
    }

    // Columns first..last of row y; any ints, clipped to the image. Inline:
    // the capsules and rings call it once per row.
    void fillSpan(int y, int first, int last, std::uint32_t pixel) {
        if (y < 0 || y >= height_)
            return;
        first = first > 0 ? first : 0;
        last = last < width_ - 1 ? last : width_ - 1;
        std::uint32_t* line = row(y);
        for (int x = first; x <= last; ++x)
            line[x] = pixel;
    }

  private:
    std::uint32_t* data_;
    int width_;
    int height_;
};

} // namespace canvas
