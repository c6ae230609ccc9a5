#include "windows/workbench/lentoi.h"

#include "optics/lensdata/ideal_image.h"
#include "optics/spherical/geometry.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace windows {

namespace sph = optics::spherical;
namespace lensdata = optics::lensdata;

namespace {

const double kPi = 4 * std::atan(1.0);
constexpr int kCircleSegments = 50;
// The black outline is two pixels wide: a seed this far inside both circles
// is clear of it.
constexpr double kSeedMarginPx = 2.5;

struct Pixel {
    int x = 0;
    int y = 0;
};

// A pixel of the surface strictly inside the lens body, the overlap of the
// two discs, as near the middle of its visible part on the axis as there is.
// Across the axis the overlap is widest, so if no pixel of the axis inside it
// is visible, none of the lens is.
std::optional<Pixel> lensSeed(const canvas::Surface& view, double xa, double r1, double xb,
                              double r2) {
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

} // namespace

void Lentoi::arxinizo() {
    state_.deiktis = index();
    copyGeometry();
    setDrawnLens();
    // An index of 1 has no focal length; both marks then sit on the rim line.
    const double f = sph::estiaki(state_.radius1, state_.radius2, state_.deiktis).value_or(0);
    clampBlades();
    drawFocalMarks(f);
    surface().DrawWidth = 2;
    drawLensCircles();
    fillLensBody();
}

void Lentoi::clampBlades() {
    const double r1 = state_.radius1, r2 = state_.radius2;
    const double xa = state_.xa, xb = state_.xb;
    const double tipX = Line1.X2, tipY = Line1.Y2;
    if (const auto upper = sph::clampUpperBlade(surface(), tipX, tipY, xa, r1, xb, r2)) {
        VScroll1->setValue(upper->scrollValue);
        Line1.Y2 = upper->tipY;
    }
    if (const auto lower = sph::clampLowerBlade(surface(), tipX, tipY, xa, r1, xb, r2)) {
        VScroll2->setValue(lower->scrollValue);
        Line2.Y2 = lower->tipY;
    }
}

// The marks' pen is that of the start picture, whatever was drawn before:
// left to the last drawing's pen, a picture drawn again from its value (a
// new window size, a set-up opened) could not know it.
void Lentoi::drawFocalMarks(double f) {
    const sph::LensCrossing rim = sph::xordi(state_.xa, state_.xb, state_.radius1, state_.radius2);
    canvas::Surface& view = surface();
    view.DrawWidth = 2;
    view.FillStyle = canvas::FillMode::Solid;
    view.Circle(rim.x1 - f, 0, 3, canvas::RGB(55, 0, 0));
    view.Circle(rim.x1 + f, 0, 3, canvas::RGB(55, 0, 0));
    view.FillStyle = canvas::FillMode::Transparent;
}

void Lentoi::drawLensCircles() {
    canvas::Surface& view = surface();
    const double xa = state_.xa, xb = state_.xb, r1 = state_.radius1, r2 = state_.radius2;
    double x1 = xa + r1, y1 = 0, x2 = xb + r2, y2 = 0;
    for (int i = 1; i <= kCircleSegments; ++i) {
        const double theta = 2 * kPi * i / kCircleSegments;
        const double nx1 = xa + r1 * std::cos(theta), ny1 = r1 * std::sin(theta);
        const double nx2 = xb + r2 * std::cos(theta), ny2 = r2 * std::sin(theta);
        view.Line(x1, y1, nx1, ny1, canvas::colors::green);
        view.Line(x2, y2, nx2, ny2, canvas::colors::green);
        x1 = nx1, y1 = ny1, x2 = nx2, y2 = ny2;
    }
    view.Circle(xa, 0, 3, canvas::RGB(5, 0, 0));
    view.Circle(xb, 0, 3, canvas::RGB(5, 0, 0));
    // The whole circles in black are the boundary of the flood fill.
    view.Circle(xa, 0, r1);
    view.Circle(xb, 0, r2);
}

void Lentoi::fillLensBody() {
    canvas::Surface& view = surface();
    view.FillColor = kLensFill;
    view.FillStyle = canvas::FillMode::Solid;
    // No visible pixel strictly inside the lens: either the lens is thinner
    // than its black outline, or it lies off the window.
    if (const std::optional<Pixel> seed =
            lensSeed(view, state_.xa, state_.radius1, state_.xb, state_.radius2))
        view.FloodFill(seed->x, seed->y, canvas::colors::black);
}

void Lentoi::aktinaideal(double x00, double y00, double xa, double xb, double radius1,
                         double radius2) {
    state_.deiktis = index();
    // The lens data shows the same image: one formula for both.
    const std::optional<lensdata::Point> image = lensdata::idealImage(
        lensdata::PointSource{x00, y00}, xa, xb, radius1, radius2, state_.deiktis);
    if (!image)
        return;
    canvas::Surface& view = surface();
    view.Line(image->x + 10, image->y, image->x - 10, image->y, canvas::colors::black);
    view.Line(image->x, image->y + 10, image->x, image->y - 10, canvas::colors::black);
}

} // namespace windows
