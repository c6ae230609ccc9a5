#include "windows/workbench/lentoi.h"

#include "optics/lensdata/ideal_image.h"
#include "optics/spherical/geometry.h"
#include "optics/spherical/workbench.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace windows {

namespace sph = optics::spherical;
namespace lensdata = optics::lensdata;

namespace {

constexpr int kCircleSegments = 50;

} // namespace

void Lentoi::arxinizo() {
    arxinizo(index());
}

void Lentoi::arxinizo(double n) {
    takeLensValues(n);
    // An index of 1 has no focal length; both marks then sit on the rim line.
    const double f = sph::estiaki(state_.radius1, state_.radius2, state_.deiktis).value_or(0);
    drawFocalMarks(f);
    surface().DrawWidth = 2;
    drawLensCircles();
    fillLensBody();
}

void Lentoi::takeLensValues(double n) {
    state_.deiktis = n;
    copyGeometry();
    setDrawnLens();
    clampBlades();
}

void Lentoi::clampBlades() {
    const sph::SphericalLens lens = state_.lens();
    const double tipX = Line1.X2, tipY = Line1.Y2;
    if (const auto upper = sph::clampUpperBlade(surface(), tipX, tipY, lens)) {
        VScroll1->setValue(upper->scrollValue);
        Line1.Y2 = upper->tipY;
    }
    if (const auto lower = sph::clampLowerBlade(surface(), tipX, tipY, lens)) {
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
        const double theta = 2 * std::numbers::pi * i / kCircleSegments;
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
    if (const std::optional<sph::Pixel> seed = sph::lensSeed(view, state_.lens()))
        view.FloodFill(seed->x, seed->y, canvas::colors::black);
}

void Lentoi::aktinaideal(double x00, double y00, double xa, double xb, double radius1,
                         double radius2) {
    aktinaideal(x00, y00, xa, xb, radius1, radius2, index());
}

void Lentoi::aktinaideal(double x00, double y00, double xa, double xb, double radius1,
                         double radius2, double n) {
    state_.deiktis = n;
    // The lens data shows the same image: one formula for both.
    const std::optional<optics::Point> image = lensdata::idealImage(
        lensdata::PointSource{x00, y00}, {xa, xb, radius1, radius2, state_.deiktis});
    if (!image)
        return;
    canvas::Surface& view = surface();
    view.Line(image->x + 10, image->y, image->x - 10, image->y, canvas::colors::black);
    view.Line(image->x, image->y + 10, image->x, image->y - 10, canvas::colors::black);
}

} // namespace windows
