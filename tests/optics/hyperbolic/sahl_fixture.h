#pragma once

#include "optics/hyperbolic/protosfakos.h"

#include "canvas/surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace sahl_test {

using optics::hyperbolic::Protosfakos;
using optics::hyperbolic::SahlView;

constexpr double kA = optics::hyperbolic::kSemiTransverse;

// b = 12·√(n² − 1) worked for the indices the tests use.
inline double bFor(double n) {
    return 12 * std::sqrt(n * n - 1);
}

// The ElSahl window as the lens choice leaves it: square, scaled
// (−120, 120)−(150, −120), index 1.5, source (108, 25), stop at x = 130
// with the opening −10..10.
class SahlTest : public ::testing::Test {
  protected:
    SahlTest();

    void useIndex(double n);
    void setSource(double x, double y);

    // The colour is found within radiusPx pixels of the user point.
    bool colorNear(double x, double y, canvas::Color color, int radiusPx = 1) const;
    // Pixels of exactly this colour in the user rectangle [x0, x1] x [y0, y1].
    int countColor(canvas::Color color, double x0, double y0, double x1, double y1) const;
    int countColor(canvas::Color color) const;

    canvas::Surface surface{600, 600};
    optics::SharedSource source;
    Protosfakos state{source};
    std::vector<std::string> captions;
    std::vector<std::string> messages;
    SahlView view{surface,
                  {},
                  [this](const std::string& c) { captions.push_back(c); },
                  [this](const std::string& m) { messages.push_back(m); }};
    double n = 1.5;
    double b = bFor(1.5);
};

struct Vec {
    double x;
    double y;
};

Vec unit(Vec v);

// Snell's law where a ray going along `in` crosses a face with normal
// `normal` from index nIn into index nOut: the sines of the angles to the
// normal, signed, satisfy nIn·sin(in) = nOut·sin(out), and the ray goes on
// through the face.
void expectSnell(Vec in, Vec out, Vec normal, double nIn, double nOut, double tolerance = 2e-6);

// Gradient of x²/a² − y²/b² at (x − shift, y): the normal of a face.
Vec hyperbolaNormal(double x, double y, double b, double shift = 0);

// Snell's law at both faces of every ray recorded from the source: through
// the biconvex lens's two branches (face 2 moved by 8a = 96), entering
// either, or through the plano-convex lens's plane face at x = 48 and out of
// its curved face.
void expectSnellThroughBiconvex(const Protosfakos& state, const optics::SharedSource& source,
                                double b, double n);
void expectSnellThroughPlanoConvex(const Protosfakos& state, const optics::SharedSource& source,
                                   double b, double n);

// Whether front j of ray i lies where light from start reaches in time 15·j:
// 15·j along the ray in air, the glass part counting n times its length.
void expectEqualTimeFronts(const Protosfakos& state, int i, Vec start, double n);

} // namespace sahl_test
