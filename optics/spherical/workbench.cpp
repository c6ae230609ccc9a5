#include "optics/spherical/workbench.h"

#include "canvas/surface.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace optics::spherical {

namespace {

// The black outline is two pixels wide: a seed this far inside both circles
// is clear of it.
constexpr double kSeedMarginPx = 2.5;

} // namespace

std::vector<Point> bundleStarts(double angle, int spacings) {
    const double step = 400.0 / spacings;
    // k runs from 200 down to -200 by step; counting the rays first keeps the
    // last one when the step divides 400 exactly.
    const int rays = static_cast<int>(std::floor(400.0 / step + 1e-9)) + 1;
    std::vector<Point> starts;
    for (int i = 0; i < rays; ++i) {
        const double k = 200 - i * step;
        const Point start{-200 - k * std::tan(angle), k / std::cos(angle)};
        if (std::isfinite(start.x) && std::isfinite(start.y))
            starts.push_back(start);
    }
    return starts;
}

FaceArcs faceArcs(const SphericalLens& lens, const LensCrossing& rim) {
    // atan2 keeps the face angles inside one turn also when a face is more
    // than half its circle (the rim on the far side of the centre).
    const double alpha1 = std::atan2(rim.y1, rim.x1 - lens.xa);
    const double alpha2 = std::atan2(rim.y1, lens.xb - rim.x1);
    return {2 * std::numbers::pi - alpha1, alpha1, std::numbers::pi - alpha2,
            std::numbers::pi + alpha2};
}

Handle handleAt(const canvas::Surface& view, const canvas::LineControl& upperBlade,
                const canvas::LineControl& lowerBlade, const SphericalLens& lens, double x,
                double y) {
    // The reach is a share of the drawing as shown, so it keeps its size on
    // the screen at any zoom.
    const double w = view.ViewWidth(), h = std::abs(view.ViewHeight());
    const auto nearBlade = [&](const canvas::LineControl& blade) {
        return blade.X1 - w / 120 < x && x < blade.X1 + w / 120;
    };
    if (nearBlade(upperBlade) && upperBlade.Y2 - h / 120 < y && y < upperBlade.Y1 + h / 120)
        return Handle::UpperBlade;
    if (nearBlade(lowerBlade) && lowerBlade.Y1 - h / 120 < y && y < lowerBlade.Y2 + h / 120)
        return Handle::LowerBlade;
    if (std::hypot(x - lens.xa, y) < lens.radius1 / 20)
        return Handle::Centre1;
    if (std::hypot(x - lens.xb, y) < lens.radius2 / 20)
        return Handle::Centre2;
    if (lens.xa + 0.95 * lens.radius1 < x && x < lens.xa + 1.05 * lens.radius1)
        return Handle::Vertex1;
    if (lens.xb - 1.05 * lens.radius2 < x && x < lens.xb - 0.95 * lens.radius2)
        return Handle::Vertex2;
    return Handle::None;
}

std::optional<Pixel> lensSeed(const canvas::Surface& view, const SphericalLens& lens) {
    const double xa = lens.xa, r1 = lens.radius1, xb = lens.xb, r2 = lens.radius2;
    const double rowPx = view.toPixelY(0);
    const double left = std::max(view.toPixelX(std::max(xa - r1, xb - r2)), 0.0);
    const double right =
        std::min(view.toPixelX(std::min(xa + r1, xb + r2)), static_cast<double>(view.widthPx()));
    if (!(rowPx >= 0 && rowPx < view.heightPx() && right > left))
        return std::nullopt;
    const int row = static_cast<int>(rowPx);
    const double margin = kSeedMarginPx / view.ScaleX(1.0);
    const auto inside = [&](int column) {
        const canvas::UserPoint p = view.toUser(column + 0.5, row + 0.5);
        return std::hypot(p.x - xa, p.y) < r1 - margin && std::hypot(p.x - xb, p.y) < r2 - margin &&
               view.pixel(column, row) != canvas::colors::black;
    };
    const int middle = static_cast<int>((left + right) / 2);
    for (int offset = 0; middle - offset >= left || middle + offset < right; ++offset) {
        for (const int column : {middle - offset, middle + offset})
            if (column >= left && column < right && inside(column))
                return Pixel{column, row};
    }
    return std::nullopt;
}

} // namespace optics::spherical
