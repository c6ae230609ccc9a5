#pragma once

#include "optics/spherical/state.h"

#include <functional>
#include <optional>
#include <vector>

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

// Where the single ray meets a face, and what Snell's law makes of it there.
// Angles are degrees from the face's normal, 0 to 90.
struct FaceCrossing {
    double x = 0, y = 0;
    int face = 0;                    // 1: circle 1, 2: circle 2
    double normalX = 0, normalY = 0; // unit, outward from the circle's centre
    bool intoGlass = false;          // from the air into the glass
    double incidenceDeg = 0;
    std::optional<double> refractionDeg; // empty: totally reflected, the ray ends here
};

// The single ray's path from its start: the faces it crosses in order (at
// most five) and the direction it leaves the last one with, unless it was
// totally reflected there. No crossing when it misses the lens or has no
// direction.
struct SingleRayPath {
    std::vector<FaceCrossing> crossings;
    double dx = 0, dy = 0;
    bool reflected = false;
};
SingleRayPath singleRayPath(const SphericalLens& lens, double x0, double y0, double dx, double dy);

// The largest angle of incidence that still lets light through a face, in
// degrees: asin(1/n) inside glass of n > 1, asin(n) outside glass of n < 1.
// Empty for n = 1, or no index at all.
std::optional<double> criticalAngleDeg(double n);

// One ray through at most five faces, drawn in red to the window's edge; ends
// at a face where it is totally reflected. Writes the last face point into
// x0, y0 (the start when no face was hit).
void singleRay(canvas::Surface& surface, double& x0, double& y0, double dx, double dy, double xa,
               double xb, double r1, double r2, double n);

} // namespace optics::spherical
