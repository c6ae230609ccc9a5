#include "canvas/ring.h"

#include "canvas/arc.h"
#include "canvas/pixelgrid.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace canvas {

namespace {

// The largest whole m with m^2 + a^2 <= r^2, for 0 <= a <= r. The product
// form keeps the precision where r and a are both huge and nearly equal.
double reach(double r, double a) {
    return floorNonNegative(std::sqrt((r - a) * (r + a)));
}

// One row's pixels as offsets m from the centre column: the fill covers
// |m| <= fill, the stroke inner <= |m| <= outer.
struct RowShape {
    double fill = -1;
    double inner = 0;
    double outer = -1;
};

class RingPainter {
  public:
    RingPainter(Raster& raster, const CircleShape& circle, const Pen& pen, const RingStyle& style)
        : raster_(raster), pen_(pen), style_(style), radius_(circle.radiusPx),
          outerRadius_(circle.radiusPx + pen.radiusPx),
          innerRadius_(circle.radiusPx - pen.radiusPx) {
        const PixelPoint centre = centreOf(circle);
        column_ = centre.x - 0.5;
        row_ = centre.y - 0.5;
    }

    void paint() {
        const auto rows = indexRange(std::ceil(row_ - outerRadius_),
                                     std::floor(row_ + outerRadius_), raster_.heightPx());
        if (!rows)
            return;
        const auto clipped = [this](int row, double first, double last, bool stroke) {
            if (stroke)
                paintStroke(row, first, last);
            else
                paintOffsets(row, first, last, *style_.fillPixel);
        };
        if (wholeAndInside())
            paintMirrored(*rows, [this](int row, double first, double last, bool stroke) {
                writeInside(row, first, last, stroke);
            });
        else if (row_ >= rows->first && row_ <= rows->last)
            paintMirrored(*rows, clipped);
        else
            for (int row = rows->first; row <= rows->last; ++row)
                paintRow(row, shape(std::fabs(row - row_)), clipped);
    }

  private:
    // Rows a above and below the centre row share their shape: one solution
    // serves both.
    template <class Put> void paintMirrored(IndexRange rows, const Put& put) {
        const int centre = static_cast<int>(row_);
        const int farthest = std::max(centre - rows.first, rows.last - centre);
        for (int a = 0; a <= farthest; ++a) {
            const RowShape s = shape(a);
            if (centre - a >= rows.first)
                paintRow(centre - a, s, put);
            if (a > 0 && centre + a <= rows.last)
                paintRow(centre + a, s, put);
        }
    }

    // Distances from the centre lie in (innerRadius_, outerRadius_]; for
    // whole offsets m that is inner^2 < m^2 + a^2 <= outer^2.
    RowShape shape(double a) const {
        RowShape s;
        if (style_.fillPixel && a <= radius_)
            s.fill = reach(radius_, a);
        if (!(a <= outerRadius_))
            return s;
        s.inner = a <= innerRadius_ ? reach(innerRadius_, a) + 1 : 0;
        s.outer = reach(outerRadius_, a);
        return s;
    }

    template <class Put> void paintRow(int row, const RowShape& s, const Put& put) {
        if (s.fill >= 0)
            put(row, -s.fill, s.fill, false);
        if (s.inner > s.outer)
            return;
        if (s.inner == 0) {
            put(row, -s.outer, s.outer, true);
            return;
        }
        put(row, -s.outer, -s.inner, true);
        put(row, s.inner, s.outer, true);
    }

    // A solid ring wholly inside the image needs no clipping: its spans are
    // written straight into the rows.
    bool wholeAndInside() const {
        return !style_.arc && !pen_.dotted && column_ - outerRadius_ >= 0 &&
               column_ + outerRadius_ <= raster_.widthPx() - 1 && row_ - outerRadius_ >= 0 &&
               row_ + outerRadius_ <= raster_.heightPx() - 1;
    }

    void writeInside(int row, double first, double last, bool stroke) {
        std::uint32_t* centre = raster_.row(row) + static_cast<int>(column_);
        const std::uint32_t pixel = stroke ? pen_.pixel : *style_.fillPixel;
        for (int m = static_cast<int>(first); m <= static_cast<int>(last); ++m)
            centre[m] = pixel;
    }

    void paintOffsets(int row, double first, double last, std::uint32_t pixel) {
        if (const auto columns = indexRange(column_ + first, column_ + last, raster_.widthPx()))
            raster_.fillSpan(row, columns->first, columns->last, pixel);
    }

    void paintStroke(int row, double first, double last) {
        if (!style_.arc && !pen_.dotted) {
            paintOffsets(row, first, last, pen_.pixel);
            return;
        }
        const auto columns = indexRange(column_ + first, column_ + last, raster_.widthPx());
        if (!columns)
            return;
        std::uint32_t* line = raster_.row(row);
        const double dyUp = row_ - row;
        for (int x = columns->first; x <= columns->last; ++x) {
            if (wants(x - column_, dyUp))
                line[x] = pen_.pixel;
        }
    }

    bool wants(double dx, double dyUp) const {
        if (style_.arc && !style_.arc->contains(dx, dyUp))
            return false;
        return !pen_.dotted || dotOn(dx, dyUp);
    }

    // The dots follow the arc length from the arc's start (angle 0 for a
    // whole circle), so they keep their spacing at every radius.
    bool dotOn(double dx, double dyUp) const {
        const double start = style_.arc ? style_.arc->startRad() : 0;
        double turned = std::fmod(std::atan2(dyUp, dx) - start, 2 * std::numbers::pi);
        if (turned < 0)
            turned += 2 * std::numbers::pi;
        return std::fmod(turned * radius_, double(pen_.dotOnPx + pen_.dotOffPx)) < pen_.dotOnPx;
    }

    Raster& raster_;
    const Pen& pen_;
    const RingStyle& style_;
    double radius_;
    double outerRadius_;
    double innerRadius_;
    double column_ = 0;
    double row_ = 0;
};

} // namespace

PixelPoint centreOf(const CircleShape& circle) {
    return snapToPen(circle.centre, 1);
}

void paintRing(Raster& raster, const CircleShape& circle, const Pen& pen, const RingStyle& style) {
    if (raster.empty())
        return;
    RingPainter(raster, circle, pen, style).paint();
}

} // namespace canvas
