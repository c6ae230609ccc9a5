#pragma once

#include "optics/hyperbolic/lens.h"

#include <optional>

namespace optics::hyperbolic {

// A lens face: the part of one branch of the hyperbola between its vertex and
// the lens edge (|x − shift| from a to 4a), the right branch (side +1) or the
// left one (side −1), moved right by shift.
struct Face {
    int side = 1;
    double shift = 0;
};

// The right branch, face 1 of both lenses (the curved face of the
// plano-convex one); the left branch moved by 8a, face 2 of the biconvex.
Face rightFace();
Face leftFace(const Lens& lens);

// Where the line y = m·x + q crosses the face, the crossing nearer to from
// when there are two (a line steeper than the asymptotes can meet one branch
// twice, once beyond the lens edge). Empty when it crosses the face nowhere.
std::optional<Point> faceCrossing(const Lens& lens, Face face, double m, double q, Point from);

// The face's slope dy/dx at its point p; empty at the vertex.
std::optional<double> faceSlope(const Lens& lens, Face face, Point p);

} // namespace optics::hyperbolic
