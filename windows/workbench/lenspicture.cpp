#include "windows/workbench/lentoi.h"

#include "optics/spherical/geometry.h"

#include <cmath>

namespace windows {

namespace sph = optics::spherical;

namespace {

const double kPi = 4 * std::atan(1.0);
constexpr int kCircleSegments = 50;

} // namespace

void Lentoi::arxinizo() {
    state_.deiktis = index();
    copyGeometry();
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

void Lentoi::drawFocalMarks(double f) {
    const sph::LensCrossing rim = sph::xordi(state_.xa, state_.xb, state_.radius1, state_.radius2);
    canvas::Surface& view = surface();
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
    view.FillColor = canvas::RGB(220, 220, 195);
    view.FillStyle = canvas::FillMode::Solid;
    // The lens is the overlap of the two discs; on the axis it runs from the
    // farther left edge to the nearer right edge, and its middle is inside.
    const double left = std::max(state_.xa - state_.radius1, state_.xb - state_.radius2);
    const double right = std::min(state_.xa + state_.radius1, state_.xb + state_.radius2);
    const double seedX = view.toPixelX((left + right) / 2);
    const double seedY = view.toPixelY(0);
    // A lens thinner than the black outline has no inside to fill; a seed off
    // the surface leaves the visible part of the lens unfilled.
    const double widthPx = (right - left) * view.ScaleX(1.0);
    if (!(widthPx >= 4) || !std::isfinite(seedX) || !std::isfinite(seedY))
        return;
    const int px = static_cast<int>(std::floor(std::clamp(seedX, -1.0, view.widthPx() + 1.0)));
    const int py = static_cast<int>(std::floor(std::clamp(seedY, -1.0, view.heightPx() + 1.0)));
    if (view.pixel(px, py) == canvas::colors::black)
        return;
    view.FloodFill(px, py, canvas::colors::black);
}

void Lentoi::aktinaideal(double x00, double y00, double xa, double xb, double radius1,
                         double radius2) {
    const sph::LensCrossing rim = sph::xordi(xa, xb, radius1, radius2);
    const double xchord = rim.x1;
    state_.deiktis = index();
    const std::optional<double> f = sph::estiaki(radius1, radius2, state_.deiktis);
    if (x00 == 0 || !f)
        return;
    const double u = std::abs(x00 - xchord);
    const double s = sph::prosimo(x00);
    // A source at the focal distance or on the rim line has no finite image.
    if (u == *f || xchord == x00)
        return;
    const double xImage = xchord - s * *f * u / (u - *f);
    const double yImage = -y00 * std::abs((xImage - xchord) / (xchord - x00));
    canvas::Surface& view = surface();
    view.Line(xImage + 10, yImage, xImage - 10, yImage, canvas::colors::black);
    view.Line(xImage, yImage + 10, xImage, yImage - 10, canvas::colors::black);
}

} // namespace windows
