// traceWave: one ray's dots of equal phase, and its entry in the wave record.
#include "optics/spherical/tracer.h"

#include "canvas/surface.h"
#include "optics/spherical/geometry.h"
#include "optics/spherical/refraction.h"
#include "optics/spherical/trace_support.h"

#include <algorithm>
#include <cmath>

namespace optics::spherical {

namespace {

constexpr double kSpeedScale = 250;
constexpr double kWavelength = 0.1 * kSpeedScale; // in air; 25 / n in the glass
constexpr double kDotsBeforeLens = 20;
constexpr double kDotsAfterLens = 19;
// A lens chord on a window holds about a hundred glass dots; the cap only
// bounds the loop for absurd radii or indices.
constexpr double kMaxDotsInGlass = 1000;

constexpr canvas::Color kAirDot = canvas::RGB(5, 0, 250);
constexpr canvas::Color kGlassDot = canvas::RGB(0, 155, 0);
constexpr canvas::Color kOutgoingDot = canvas::RGB(150, 0, 150);

struct Ray {
    double x, y;   // where this piece starts
    double dx, dy; // unit direction
};

// What the record keeps of a ray that got through the lens.
struct RecordedRay {
    double xentry = 0, yentry = 0, dxin = 0, dyin = 0, tentry = 0;
    double dxlens = 0, dylens = 0;
    double xexit = 0, yexit = 0, lenspath = 0;
    double dxout = 0, dyout = 0;
};

// count dots of width 3 at the distances first, first + spacing, ... along the
// ray; the pen is left at width 1. Callers bound count to a few hundred.
void drawDots(canvas::Surface& surface, const Ray& ray, double first, double spacing, double count,
              canvas::Color color) {
    surface.DrawWidth = 3;
    for (int j = 0; j < static_cast<int>(count); ++j) {
        const double t = first + j * spacing;
        surface.PSet(ray.x + t * ray.dx, ray.y + t * ray.dy, color);
    }
    surface.DrawWidth = 1;
}

// How many of the dots first, first + spacing, ... lie within length, at most
// limit; a step that is not positive draws none.
double dotsWithin(double first, double spacing, double length, double limit) {
    if (!(spacing > 0) || !(length >= first)) {
        return 0;
    }
    return std::min(limit, std::floor((length - first) / spacing) + 1);
}

// Inside the glass: dots 25/n apart, continuing the phase that the ray had at
// the entry point, then the exit refraction and the 19 dots after the lens.
// False when the ray is totally reflected at the exit.
bool crossGlass(canvas::Surface& surface, RecordedRay& rec, const Ray& inside, int entryFace,
                double d0, const SphericalLens& lens) {
    const LensHit exit = nextHit(lens, inside.dx, inside.dy, inside.x, inside.y, entryFace);
    const double lambdaN = kWavelength / lens.deiktis;
    const double rho = d0 - kWavelength * std::floor(d0 / kWavelength);
    const double s0 = lambdaN * (1 - rho / kWavelength);
    const double length = exit.hit ? apostasi(inside.x, inside.y, exit.hx, exit.hy) : 0;
    drawDots(surface, inside, s0, lambdaN, dotsWithin(s0, lambdaN, length, kMaxDotsInGlass),
             kGlassDot);
    rec.xexit = exit.hit ? exit.hx : inside.x;
    rec.yexit = exit.hit ? exit.hy : inside.y;
    rec.lenspath = length;
    rec.dxout = inside.dx; // a ray that leaves where it entered goes on unbent
    rec.dyout = inside.dy;
    if (!exit.hit) {
        return true;
    }
    const RefractResult out =
        refractAtLensFace(exit.face, inside.dx, inside.dy, exit.hx, exit.hy, lens);
    if (!out.ok) {
        return false;
    }
    rec.dxout = out.dirx;
    rec.dyout = out.diry;
    const double beyond = length - s0;
    const double f = (beyond - lambdaN * std::floor(beyond / lambdaN)) / lambdaN;
    drawDots(surface, {exit.hx, exit.hy, out.dirx, out.diry}, kWavelength * (1 - f), kWavelength,
             kDotsAfterLens, kOutgoingDot);
    return true;
}

// The record holds rays 0..500 and, in the repeat mode, starts 0..50. Later
// rays are drawn but not recorded, and the counter stops at 501, so that it
// always tells how many rays the record holds.
void storeRay(Poreiaaktinon& state, const RecordedRay& rec, double xstart, double ystart) {
    int& i = state.shared.plithosaktinon;
    if (i < 0 || i > kMaxRecordedRay) {
        return;
    }
    WaveRecord& r = state.record;
    r.xentry[i] = rec.xentry;
    r.yentry[i] = rec.yentry;
    r.dxin[i] = rec.dxin;
    r.dyin[i] = rec.dyin;
    r.tentry[i] = rec.tentry;
    r.dxlens[i] = rec.dxlens;
    r.dylens[i] = rec.dylens;
    r.xexit[i] = rec.xexit;
    r.yexit[i] = rec.yexit;
    r.lenspath[i] = rec.lenspath;
    r.dxout[i] = rec.dxout;
    r.dyout[i] = rec.dyout;
    if (state.isepanalipsi && i <= kMaxRecordedStart) {
        r.xstart[i] = xstart;
        r.ystart[i] = ystart;
    }
    ++i;
}

} // namespace

void traceWave(canvas::Surface& surface, Poreiaaktinon& state, const Diaphragm& diaphragm,
               double& x0, double& y0, double dx, double dy, double xa, double xb, double r1,
               double r2, double n) {
    // No wave for a ray that starts outside the window, has no direction,
    // misses the lens or is stopped by the diaphragm before it.
    if (!insideVisibleArea(surface, x0, y0) || !hasDirection(dx, dy)) {
        return;
    }
    const SphericalLens lens{xa, xb, r1, r2, n};
    int face = 0;
    const LensHit entry = lensEntry(xa, xb, r1, r2, dx, dy, x0, y0, face);
    if (!entry.hit ||
        !lensBeforeStop(diaphragmAhead(diaphragm, x0, y0, dx, dy), x0, y0, entry.hx, entry.hy)) {
        return;
    }
    const double d0 = apostasi(x0, y0, entry.hx, entry.hy);
    const double norm = std::hypot(dx, dy);
    drawDots(surface, {x0, y0, dx / norm, dy / norm}, 0, kWavelength,
             std::min(kDotsBeforeLens, std::ceil(d0 / kWavelength)), kAirDot);
    const RefractResult bent = refractAtLensFace(entry.face, dx, dy, entry.hx, entry.hy, lens);
    if (!bent.ok) {
        return; // total internal reflection at the entry ends the ray
    }
    RecordedRay rec{.xentry = entry.hx,
                    .yentry = entry.hy,
                    .dxin = dx,
                    .dyin = dy,
                    .tentry = d0 / kSpeedScale,
                    .dxlens = bent.dirx,
                    .dylens = bent.diry};
    if (crossGlass(surface, rec, {entry.hx, entry.hy, bent.dirx, bent.diry}, entry.face, d0,
                   lens)) {
        storeRay(state, rec, x0, y0);
    }
}

} // namespace optics::spherical
