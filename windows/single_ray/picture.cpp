#include "windows/single_ray/moniaktina.h"

#include "optics/spherical/geometry.h"
#include "optics/spherical/tracer.h"

#include <cmath>
#include <numbers>

namespace windows {

namespace sph = optics::spherical;

namespace {

constexpr canvas::Color kRed = canvas::RGB(255, 0, 0);
constexpr canvas::Color kFace = canvas::RGB(0, 255, 0);
constexpr int kFaceWidthPx = 5;
constexpr double kRimLineHalfLength = 200;

// The rim as this window sees it: x of the rim line, the upper rim height h
// and the other one, h2.
struct Rim {
    double xr = 0;
    double h = 0;
    double h2 = 0;
};

// The first circle is centred at the origin, so the circles' crossing in the
// frame of the first centre is already in window coordinates. Circles that do
// not cross give the zero record, and the outline is drawn from h = 0.
Rim rimOf(double xb, double radius1, double radius2) {
    const sph::LensCrossing k = sph::kykloikykloi(xb, radius1, radius2);
    if (k.y1 <= 0)
        return {k.x1, k.y2, k.y1};
    return {k.x1, k.y1, k.y2};
}

// Half the angle that a face spans from its centre. A rim higher than the
// radius has no arcsine, and a radius of 0 no ratio at all: both count as 0.
double halfAngle(double h, double radius) {
    if (radius == 0)
        return 0;
    return sph::toksimitono(h / radius).value_or(0);
}

} // namespace

void Moniaktina::sxediasifakoy(double radius1, double radius2, double xa, double xb) {
    sxediasifakoy(radius1, radius2, xa, xb, deiktisdiathlasis->value());
}

void Moniaktina::sxediasifakoy(double radius1, double radius2, double xa, double xb,
                               int indexValue) {
    picture_ = {};
    picture_.deiktisdiathlasis = indexValue;
    const double n = indexFor(indexValue);
    setDrawn(std::nullopt, n);
    adoptLens({xa, xb, radius1, radius2, n});
    surface().Cls();
    const Rim rim = rimOf(xb, radius1, radius2);
    drawFaces(state_.lens(), rim.h);
    drawFocalMarks(rim.xr);
    canvasWidget().Refresh();
}

void Moniaktina::miaaktina(double xam1, double yam1, double xam2, double yam2) {
    miaaktina(xam1, yam1, xam2, yam2, index());
}

void Moniaktina::miaaktina(double xam1, double yam1, double xam2, double yam2, double n) {
    adoptLens({0, static_cast<double>(kentrokykloy->value()), static_cast<double>(aktina1->value()),
               static_cast<double>(aktina2->value()), n});
    const double r1 = state_.radius1, r2 = state_.radius2, xb = state_.xb;
    const Rim rim = rimOf(xb, r1, r2);
    drawRimMarks(rim.xr, rim.h);
    drawFocalMarks(rim.xr);
    drawFaces(state_.lens(), rim.h);
    canvas::Surface& view = surface();
    view.Line(-kRimLineHalfLength, rim.h, kRimLineHalfLength, rim.h);
    view.Line(-kRimLineHalfLength, rim.h2, kRimLineHalfLength, rim.h2);
    // The window's font would be "Arial Greek" from here on, but nothing is
    // ever printed on the picture, so no font is kept for it.
    canvas::UserPoint start = sourceCentre();
    setDrawn(sph::singleRayPath(state_.lens(), start.x, start.y, xam2 - xam1, yam2 - yam1), n);
    sph::singleRay(view, start.x, start.y, xam2 - xam1, yam2 - yam1, 0, xb, r1, r2, n);
    canvasWidget().Refresh();
}

void Moniaktina::aimAt(double x, double y, int indexValue) {
    picture_ = {SingleRayPicture::Kind::Ray, fos.Left, fos.Top, x, y, indexValue};
    canvas::Surface& view = surface();
    view.Cls();
    const canvas::UserPoint source = sourceCentre();
    view.Line(source.x, source.y, x, y);
    miaaktina(source.x, source.y, x, y, indexFor(indexValue));
}

// The window shown last defines the shared lens: whenever this window draws
// its lens, the workbench's values give way to this window's.
void Moniaktina::adoptLens(const sph::SphericalLens& lens) {
    state_.setLens(lens);
}

void Moniaktina::drawFaces(const sph::SphericalLens& lens, double h) {
    const double theta1 = halfAngle(h, lens.radius1);
    const double theta2 = halfAngle(h, lens.radius2);
    canvas::Surface& view = surface();
    view.DrawWidth = kFaceWidthPx;
    // Face 1 is the arc of circle 1 through angle 0, face 2 the arc of
    // circle 2 through angle pi.
    view.Circle(lens.xa, 0, lens.radius1, kFace, 2 * std::numbers::pi - theta1, theta1);
    view.Circle(lens.xb, 0, lens.radius2, kFace, std::numbers::pi - theta2,
                std::numbers::pi + theta2);
    view.DrawWidth = 1;
}

// An index of 1 has no focal length; it counts as 0, and both marks then sit
// on the rim line.
void Moniaktina::drawFocalMarks(double xr) {
    const double f = sph::estiaki(state_.radius1, state_.radius2, state_.deiktis).value_or(0);
    canvas::Surface& view = surface();
    view.Circle(xr - f, 0, 3, kRed);
    view.Circle(xr + f, 0, 3, kRed);
}

void Moniaktina::drawRimMarks(double xr, double h) {
    canvas::Surface& view = surface();
    view.Circle(xr, h, 6, kRed);
    view.Circle(xr, -h, 6, kRed);
}

} // namespace windows
