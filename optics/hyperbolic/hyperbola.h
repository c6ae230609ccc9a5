#pragma once

#include <optional>

namespace optics::hyperbolic {

// Ibn Sahl's lenses are cut from the hyperbola x²/a² − y²/b² = 1 centred at
// the origin: a is the semi-transverse axis, b the semi-conjugate one.
// Lengths are user units of the ElSahl window.

constexpr double kSemiTransverse = 12; // a, the same for every lens drawn

// b = 12·√(n² − 1): the eccentricity c/a is then n, the condition under which
// a hyperbolic face turns light parallel to its axis towards the far focus.
// Empty when 12·n <= 12 (an index of 1 or less makes no lens) or n is not
// finite.
std::optional<double> semiConjugateAxis(double n);

// c = √(a² + b²): the foci lie at (±c, 0).
double focalDistance(double a, double b);

// Half the aperture of both lenses: the branch's height at x = 4a, b·√15.
double edgeHeight(double b);

// Arcsine as Atn(s / √(1 − s²)) in radians; ±π/2 at s = ±1 (grazing
// refraction); empty for |s| > 1 or NaN.
std::optional<double> toksoSahl(double s);

// Distance between (x1, y1) and (x2, y2).
double apostasiSahl(double x1, double y1, double x2, double y2);

// The larger (tomiMegali) or smaller (tomiMikri) x at which the line
// y = m·x + q meets the hyperbola. A line parallel to an asymptote meets it
// once, at −K/(2B), which both return. Empty when the line misses, when it is
// an asymptote itself (A = 0 and B = 0), when a is 0, or when the root is not
// finite.
std::optional<double> tomiMegali(double m, double q, double b, double a);
std::optional<double> tomiMikri(double m, double q, double b, double a);

// Height b·√(x²/a² − 1) of the branch above x; 0 between the vertices.
double branchHeight(double x, double a, double b);

// x of the right branch at height y: a·√(1 + y²/b²); a on the axis (also
// when b is 0 and the lens has no height).
double branchX(double y, double a, double b);

// Slope dy/dx of the curve at its point (x, y): b·x / (a²·√(x²/a² − 1)) for
// y > 0 and the negative of that otherwise. Empty where the root term is not
// positive (at a vertex the tangent is vertical).
std::optional<double> branchSlope(double x, double y, double a, double b);

} // namespace optics::hyperbolic
