#pragma once

// Exact ray optics of Ibn Sahl's lenses, written apart from the program: the
// faces as the curves (a·cosh t, b·sinh t), crossings found by bisection on
// t, Snell's law in vector form, optical paths summed along the pieces.

#include <optional>
#include <vector>

namespace exact {

struct V {
    double x = 0;
    double y = 0;
};

enum class Shape { PlanoConvex, Biconvex };

struct Glass {
    Shape shape = Shape::PlanoConvex;
    double n = 1.5;
    double a = 12;
    double b = 0;
};

Glass makeGlass(Shape shape, double n);

// The aperture stop: the line x = x, open from bottom to top.
struct Stop {
    double x = 130;
    double top = 10;
    double bottom = -10;
};

// What light does along one ray that gets through the glass.
struct Ray {
    V entry;
    V exit;
    V out; // unit direction after the lens
};

// The fan of slopes m from s, each line going to its nearest lens point; the
// stop catches a ray before the lens, and after the biconvex lens.
std::vector<Ray> fan(const Glass& glass, V s, const std::vector<double>& slopes, const Stop& stop);

// The rays of slope m through the points `through`, travelling towards −x;
// the stop as for a fan when `stop` is given.
std::vector<Ray> beam(const Glass& glass, double m, const std::vector<V>& through,
                      const std::optional<Stop>& stop);

// Where light starting at `start` on the ray's incoming line has gone after
// the optical path `path`.
V pointAtOpticalPath(const Ray& ray, V start, double path, double n);

// Distance of p from the line through q along the unit direction u.
double offLine(V p, V q, V u);

} // namespace exact
