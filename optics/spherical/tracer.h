#pragma once

#include "optics/spherical/state.h"

#include <functional>

namespace canvas {
class Surface;
}

namespace optics::spherical {

// Draws one ray from (x0, y0) along (dx, dy) through the lens as straight
// segments, each coloured by what ends it. Writes the last lens point it
// reached into x0, y0. Records nothing.
void traceRay(canvas::Surface& surface, const Diaphragm& diaphragm, double& x0, double& y0,
              double dx, double dy, double xa, double xb, double r1, double r2, double n);

// Draws one ray's dots of equal phase (25 apart in air, 25/n in glass) and,
// when it gets through the lens, records it at index plithosaktinon and
// advances that index. Rays beyond the record's capacity are drawn but not
// recorded.
void traceWave(canvas::Surface& surface, Poreiaaktinon& state, const Diaphragm& diaphragm,
               double& x0, double& y0, double dx, double dy, double xa, double xb, double r1,
               double r2, double n);

// What the fan reads from the workbench.
struct BundleControls {
    Diaphragm diaphragm;
    bool check1 = false;  // "SHOW WAVES AND RAYS"
    bool check2 = false;  // "SHOW ONLY WAVES"
    int indexValue = 150; // the index scroll bar; n = value / 100
};

// The workbench's ideal-image mark, called once per ray of a fan.
using IdealImageMark =
    std::function<void(double x00, double y00, double xa, double xb, double r1, double r2)>;

// A fan anglestep degrees apart has Int(360 / anglestep) + 1 directions,
// ray i leaving at −180 + i·anglestep degrees (in radians here).
int fanDirections(double anglestep);
double fanAngleRad(int i, double anglestep);

// The fan of rays from (x0, y0) in all directions, anglestep degrees apart.
void pointBundle(canvas::Surface& surface, Poreiaaktinon& state, const BundleControls& controls,
                 const IdealImageMark& aktinaideal, double xa, double xb, double r1, double r2,
                 double& x0, double& y0);

// One ray through at most five faces, drawn in red to the window's edge; ends
// at a face where it is totally reflected. Writes the last face point into
// x0, y0 (the start when no face was hit).
void singleRay(canvas::Surface& surface, double& x0, double& y0, double dx, double dy, double xa,
               double xb, double r1, double r2, double n);

} // namespace optics::spherical
