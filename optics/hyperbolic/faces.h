#pragma once

#include "optics/hyperbolic/lens.h"

#include <array>
#include <optional>

namespace optics::hyperbolic {

// A lens face: the part of one branch of the hyperbola between its vertex and
// the lens edge (|x − shift| from a to 4a), the right branch (side +1) or the
// left one (side −1), moved right by shift; or the plano-convex lens's plane
// face x = 4a, as high as the edge.
struct Face {
    enum class Kind { Curved, Plane };
    Kind kind = Kind::Curved;
    int side = 1;
    double shift = 0;
};

// Whether the face is the right branch: face 1 of both lenses, the curved
// face of the plano-convex one.
bool isRightFace(Face face);

// The two faces that bound the glass: the right branch and the plane face, or
// the right branch and the left one moved by 8a. The glass of either lens is
// convex, so a straight line meets its surface at most twice: in, then out.
using LensFaces = std::array<Face, 2>;
LensFaces planoConvexFaces(const Lens& lens);
LensFaces biconvexFaces(const Lens& lens);

struct FacePoint {
    Point at;
    Face face;
};

// The crossing of the line y = m·x + q with the lens surface nearest to from,
// on whichever side of it, the second face's on a tie. A line steeper than
// the asymptotes can meet one branch twice, once beyond the lens edge; only
// crossings on the faces count. Empty when the line misses the lens.
std::optional<FacePoint> nearestSurfacePoint(const Lens& lens, const LensFaces& faces, double m,
                                             double q, Point from);

// The first crossing of the lens surface strictly ahead of from along the
// unit direction (dirX, dirY), from itself not counted (a ray that has just
// entered finds where it leaves). Empty when there is none.
std::optional<FacePoint> nextSurfacePoint(const Lens& lens, const LensFaces& faces, Point from,
                                          double dirX, double dirY);

// Angle with +x of the face's normal at its point p, in (−π/2, π/2]: from the
// slope of a curved face, Atn(−1/s); the axis at a vertex, where the slope
// has no value, and on the plane face.
double faceNormalAngle(const Lens& lens, Face face, Point p);

} // namespace optics::hyperbolic
