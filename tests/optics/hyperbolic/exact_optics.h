#pragma once

// Exact ray optics of Ibn Sahl's lenses, written apart from the program: the
// faces as the curves (a·cosh t, b·sinh t), crossings found by bisection on
// t, Snell's law in vector form, optical paths summed along the pieces.

#include <optional>
#include <vector>

namespace exact {

struct V {
    double x = 0, y = 0;
    V operator+(V q) const { return {x + q.x, y + q.y}; }
    V operator-(V q) const { return {x - q.x, y - q.y}; }
    V operator*(double k) const { return {k * x, k * y}; }
    double dot(V q) const { return x * q.x + y * q.y; }
    double cross(V q) const { return x * q.y - y * q.x; }
};

enum class Shape { PlanoConvex, Biconvex };

// The lens of index n: a = 12, b = 12·√(n² − 1).
struct Glass {
    Shape shape;
    double n;
};

// The aperture stop: the line x = x, open from bottom to top.
struct Stop {
    double x = 130, top = 10, bottom = -10;
};

// What light does along one ray that gets through the glass.
struct Ray {
    V entry, exit;
    V out; // unit direction after the lens
};

// The fan of slopes m from s, each line going to its lens point nearest s
// (either way); the stop catches a ray before the lens, and after the
// biconvex lens.
std::vector<Ray> fan(Glass glass, V s, const std::vector<double>& slopes, Stop stop);

// The rays of slope m through the points `through`, travelling towards −x;
// the stop as for a fan when given.
std::vector<Ray> beam(Glass glass, double m, const std::vector<V>& through,
                      std::optional<Stop> stop);

// Where light starting at `start` on the ray's incoming line has gone after
// the optical path `path`.
V pointAtOpticalPath(const Ray& ray, V start, double path, double n);

// Distance of p from the line through q along the unit direction u.
double offLine(V p, V q, V u);

} // namespace exact
