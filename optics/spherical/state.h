#pragma once

#include "optics/shared/source.h"
#include "optics/spherical/lens.h"

#include <array>

namespace optics::spherical {

constexpr int kMaxRecordedRay = 500;  // the wave record holds rays 0..500
constexpr int kMaxRecordedStart = 50; // and start points 0..50 in repeat mode

// Where each recorded ray goes, written by traceWave and read by the
// workbench's animation. Index i is the value of plithosaktinon when the ray
// was recorded.
struct WaveRecord {
    using Rays = std::array<double, kMaxRecordedRay + 1>;
    using Starts = std::array<double, kMaxRecordedStart + 1>;
    Rays xentry{}, yentry{}; // entry point into the lens
    Rays dxin{}, dyin{};     // direction before the lens, as passed in
    Rays tentry{};           // distance from the start to the entry / 250
    Rays dxlens{}, dylens{}; // unit direction inside the lens
    Rays xexit{}, yexit{};   // exit point from the lens
    Rays lenspath{};         // path length inside the lens
    Rays dxout{}, dyout{};   // unit direction after the lens
    Starts xstart{}, ystart{};
};

// The module state of the one spherical lens that both spherical windows
// show. Lengths are user units of the lens windows, angles radians.
struct Poreiaaktinon {
    explicit Poreiaaktinon(SharedSource& source) : shared(source) {}

    double radius1 = 0; // circle 1: centre (xa, 0)
    double radius2 = 0; // circle 2: centre (xb, 0)
    double xa = 0;
    double xb = 0;
    double deiktis = 0;        // index of the glass relative to the surroundings
    bool isepanalipsi = false; // the workbench's fixed-angle repeat mode
    double anglestep = 0;      // degrees between neighbouring rays of a fan

    SphericalLens lens() const { return {xa, xb, radius1, radius2, deiktis}; }
    void setLens(const SphericalLens& lens) {
        xa = lens.xa;
        xb = lens.xb;
        radius1 = lens.radius1;
        radius2 = lens.radius2;
        deiktis = lens.deiktis;
    }

    // The lens outline as the animation last drew it.
    double arc1start = 0, arc1end = 0, arc2start = 0, arc2end = 0;
    double xchord = 0, hchord = 0;

    WaveRecord record;
    SharedSource& shared; // plithosaktinon, pigiX, pigiY
};

// Result records. "No answer" is found/ok/hit == false with zero values.
struct LensCrossing {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool found = false;
};

struct RefractResult {
    float dirx = 0, diry = 0; // unit vector when ok
    bool ok = false;          // false: total internal reflection
};

struct PointF {
    float x = 0, y = 0;
};

struct LensHit {
    double hx = 0, hy = 0;
    bool hit = false;
    int face = 0; // 1: circle 1, 2: circle 2
};

// The workbench's diaphragm as the tracers read it: the x of the blades and
// the inner ends of the upper (top) and lower (bottom) blade.
struct Diaphragm {
    double x = 0;
    double top = 0;
    double bottom = 0;
};

} // namespace optics::spherical
