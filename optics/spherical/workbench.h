#pragma once

// The workbench's geometry that needs no window: where its parallel bundle
// starts, the arcs of the lens faces, which handle lies under the pointer
// and where the fill of the lens body starts.

#include "canvas/controls.h"
#include "optics/shared/point.h"
#include "optics/spherical/state.h"

#include <optional>
#include <vector>

namespace canvas {
class Surface;
}

namespace optics::spherical {

// The start points of the bundle at angle (radians) from the axis: for
// k = 200, 200 − 400/spacings, ... down to −200, the point
// (−200 − k·tan(angle), k/cos(angle)), evenly spaced on one line through
// (−200, 0). A start at infinity (a right angle or more) is left out.
std::vector<Point> bundleStarts(double angle, int spacings);

// The faces as arcs from start to end (radians, counter-clockwise): face 1
// on circle 1 right of the rim, face 2 on circle 2 left of it. rim is the
// lens's xordi.
struct FaceArcs {
    double arc1start = 0, arc1end = 0, arc2start = 0, arc2end = 0;
};
FaceArcs faceArcs(const SphericalLens& lens, const LensCrossing& rim);

// The drag handles, in the order they are tested: the first that lies
// under (x, y) wins. A blade is grabbed within 1/120 of the scale from its
// line, a centre within a twentieth of its radius, a vertex within 5 % of
// the radius across.
enum class Handle { None, UpperBlade, LowerBlade, Centre1, Centre2, Vertex1, Vertex2 };
Handle handleAt(const canvas::Surface& view, const canvas::LineControl& upperBlade,
                const canvas::LineControl& lowerBlade, const SphericalLens& lens, double x,
                double y);

// A pixel of the surface strictly inside the lens body, the overlap of the
// two discs, clear of its black outline, as near the middle of its visible
// part on the axis as there is. Across the axis the overlap is widest, so if
// no pixel of the axis inside it is visible, none of the lens is.
struct Pixel {
    int x = 0;
    int y = 0;
};
std::optional<Pixel> lensSeed(const canvas::Surface& view, const SphericalLens& lens);

} // namespace optics::spherical
