#include "canvas/floodfill.h"

#include <cstddef>
#include <vector>

namespace canvas {

namespace {

struct Seed {
    int x;
    int y;
};

// Scanline fill. The region is everything reachable that is not a boundary
// pixel, including pixels that already have the fill value, so painted
// pixels are remembered in a mask rather than recognised by their colour.
class ScanlineFill {
  public:
    ScanlineFill(Raster& raster, std::uint32_t fillPixel, std::uint32_t boundaryPixel)
        : raster_(raster), fill_(fillPixel), boundary_(boundaryPixel),
          painted_(static_cast<std::size_t>(raster.widthPx()) *
                   static_cast<std::size_t>(raster.heightPx())) {}

    void run(Seed seed) {
        pending_.push_back(seed);
        while (!pending_.empty()) {
            const Seed s = pending_.back();
            pending_.pop_back();
            if (open(s.x, s.y))
                fillRun(s);
        }
    }

  private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(raster_.widthPx()) +
               static_cast<std::size_t>(x);
    }

    // The caller keeps x and y inside the image.
    bool open(int x, int y) const {
        return !painted_[index(x, y)] && raster_.row(y)[x] != boundary_;
    }

    void fillRun(Seed s) {
        int left = s.x;
        int right = s.x;
        while (left > 0 && open(left - 1, s.y))
            --left;
        while (right + 1 < raster_.widthPx() && open(right + 1, s.y))
            ++right;
        std::uint32_t* line = raster_.row(s.y);
        for (int x = left; x <= right; ++x) {
            line[x] = fill_;
            painted_[index(x, s.y)] = 1;
        }
        if (s.y > 0)
            queueRuns(s.y - 1, left, right);
        if (s.y + 1 < raster_.heightPx())
            queueRuns(s.y + 1, left, right);
    }

    // One seed per run of open pixels of row y under columns left..right.
    void queueRuns(int y, int left, int right) {
        bool inRun = false;
        for (int x = left; x <= right; ++x) {
            const bool isOpen = open(x, y);
            if (isOpen && !inRun)
                pending_.push_back({x, y});
            inRun = isOpen;
        }
    }

    Raster& raster_;
    std::uint32_t fill_;
    std::uint32_t boundary_;
    std::vector<std::uint8_t> painted_;
    std::vector<Seed> pending_;
};

} // namespace

void floodFill(Raster& raster, int x, int y, std::uint32_t fillPixel, std::uint32_t boundaryPixel) {
    if (!raster.contains(x, y))
        return;
    const std::uint32_t seed = raster.row(y)[x];
    if (seed == boundaryPixel || seed == fillPixel)
        return;
    ScanlineFill(raster, fillPixel, boundaryPixel).run({x, y});
}

} // namespace canvas
