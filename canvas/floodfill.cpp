#include "canvas/floodfill.h"

#include <algorithm>
#include <vector>

namespace canvas {

namespace {

// A pixel to fill from, and the span of the row it was found from (the
// parent), which is filled already: only what reaches past that span needs
// a look back. The first seed has no parent (an empty span).
struct Seed {
    int x;
    int y;
    int parentY = 0;
    int parentLeft = 0;
    int parentRight = -1;
};

struct Span {
    int y;
    int left;
    int right;
};

// Scanline fill. The region is everything reachable that is not a boundary
// pixel, including pixels that already have the fill value, so a painted
// pixel is marked with a word the image never holds (the image's words are
// all opaque; the mark is the fill colour with alpha 0) and the marked spans
// get the fill value at the end. No mask the size of the image is needed,
// so the cost follows the region.
class ScanlineFill {
  public:
    ScanlineFill(Raster& raster, std::uint32_t fillPixel, std::uint32_t boundaryPixel)
        : raster_(raster), fill_(fillPixel), mark_(fillPixel & 0x00FFFFFFu),
          boundary_(boundaryPixel) {}

    void run(Seed seed) {
        pending_.push_back(seed);
        while (!pending_.empty()) {
            const Seed s = pending_.back();
            pending_.pop_back();
            if (open(raster_.row(s.y)[s.x]))
                fillRun(s);
        }
        for (const Span& span : painted_)
            raster_.fillSpan(span.y, span.left, span.right, fill_);
    }

  private:
    bool open(std::uint32_t word) const { return word != boundary_ && word != mark_; }

    // The caller keeps s inside the image.
    void fillRun(const Seed& s) {
        const std::uint32_t* line = raster_.row(s.y);
        Span span{s.y, s.x, s.x};
        while (span.left > 0 && open(line[span.left - 1]))
            --span.left;
        while (span.right + 1 < raster_.widthPx() && open(line[span.right + 1]))
            ++span.right;
        raster_.fillSpan(s.y, span.left, span.right, mark_);
        painted_.push_back(span);
        for (const int y : {s.y - 1, s.y + 1})
            if (y >= 0 && y < raster_.heightPx())
                queueNeighbours(s, span, y);
    }

    void queueNeighbours(const Seed& s, const Span& span, int y) {
        if (y != s.parentY || s.parentLeft > s.parentRight) {
            queueRuns(y, span.left, span.right, span);
            return;
        }
        // Under the parent's span everything open is filled already.
        queueRuns(y, span.left, std::min(span.right, s.parentLeft - 1), span);
        queueRuns(y, std::max(span.left, s.parentRight + 1), span.right, span);
    }

    // One seed per run of open pixels of row y under columns left..right.
    void queueRuns(int y, int left, int right, const Span& parent) {
        const std::uint32_t* line = raster_.row(y);
        bool inRun = false;
        for (int x = left; x <= right; ++x) {
            const bool isOpen = open(line[x]);
            if (isOpen && !inRun)
                pending_.push_back({x, y, parent.y, parent.left, parent.right});
            inRun = isOpen;
        }
    }

    Raster& raster_;
    std::uint32_t fill_;
    std::uint32_t mark_;
    std::uint32_t boundary_;
    std::vector<Seed> pending_;
    std::vector<Span> painted_;
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
