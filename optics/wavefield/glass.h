#pragma once

// The glass of a lens as the wave field sees it: the part common to two
// convex regions, each bounded by a conic (a circle, a hyperbola's branch or
// a straight line). Both of the program's lenses are of this kind, so one
// exact tracer serves them. The frame may be mirrored in x so that the light
// always travels towards +x inside the wave field's computation.

#include <array>
#include <optional>

namespace optics::wavefield {

// The region A·x² + B·y² + C·x + E ≤ 0 that also satisfies side·(x − x0) ≥ 0
// (side 0: no such condition).
struct Conic {
    double A = 0, B = 0, C = 0, E = 0;
    int side = 0;
    double x0 = 0;

    double value(double x, double y) const { return A * x * x + B * y * y + C * x + E; }
    Conic mirrored() const { return {A, B, -C, E, -side, -x0}; }
};

// A stretch of a line x0 + t·dx, y0 + t·dy; from and to are the conics that
// bound it at each end (−1: none, the stretch runs to infinity there).
struct Stretch {
    double t0 = 0, t1 = 0;
    int from = -1, to = -1;
};

struct Vec {
    double x = 0, y = 0;
};

class Glass {
  public:
    Glass(const Conic& first, const Conic& second, double index);

    double index() const { return n_; }
    Glass mirrored() const { return Glass(faces_[0].mirrored(), faces_[1].mirrored(), n_); }

    // The stretch of the line inside the glass; empty when it misses.
    std::optional<Stretch> through(Vec p, Vec d) const;
    // The glass's rows: at height y it runs from left to right (empty above
    // the rim).
    std::optional<Stretch> row(double y) const { return through({0, y}, {1, 0}); }
    bool contains(double x, double y) const;

    // The outward unit normal of face i at (x, y).
    Vec outwardNormal(int face, double x, double y) const;

    // Half the height of the glass, where its two faces meet, and the x there.
    double rimHeight() const { return rimHeight_; }
    double rimX() const { return rimX_; }
    double leftmost() const { return left_; }
    double rightmost() const { return right_; }

  private:
    std::array<Conic, 2> faces_;
    double n_;
    double rimHeight_ = 0, rimX_ = 0, left_ = 0, right_ = 0;
};

// The common part of the discs about (xa, 0) of radius r1 and (xb, 0) of
// radius r2.
Glass sphericalGlass(double xa, double xb, double r1, double r2, double n);
// Ibn Sahl's lenses cut from x²/a² − y²/b² = 1, with the faces the
// window's drawing and tracers give them.
Glass sahlGlass(double a, double b, double n, bool biconvex);

// Snell's law at a face whose unit normal (either way) is normal, from index
// n1 into n2. Empty on total internal reflection.
struct Refracted {
    Vec d;            // unit direction after the face
    double power = 1; // Fresnel power transmittance for the field normal to the plane
};
std::optional<Refracted> refract(Vec d, Vec normal, double n1, double n2);

} // namespace optics::wavefield
