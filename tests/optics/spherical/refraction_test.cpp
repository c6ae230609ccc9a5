#include "optics/spherical/refraction.h"

#include "drawing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace optics::spherical;
using namespace spherical_test;

// Circle of radius 10 about the origin; at (10, 0) the outward normal is
// (1, 0), so the sine to the normal is |dy| of a unit ray: entering
// sin2 = sin1 / n, leaving sin2 = n sin1, total reflection above 1.
TEST(SphericalRefraction, SnellAtAFaceWorkedByHand) {
    struct {
        const char* name;
        double dx, dy, xp, yp, n;
        bool ok;
        float x, y;
    } const cases[] = {
        {"normal incidence", -1, 0, 10, 0, 1.5, true, -1, 0},
        {"in, sin 0.6 -> 0.4, any length", -8, 6, 10, 0, 1.5, true, -0.916515139f, 0.4f},
        {"in at the top", 0.6, -0.8, 0, 10, 1.5, true, 0.4f, -0.916515139f},
        {"out, sin 0.6 -> 0.9", 0.8, 0.6, 10, 0, 1.5, true, 0.435889894f, 0.9f},
        {"out, 0.8 * 1.5 > 1", 0.6, 0.8, 10, 0, 1.5, false, 0, 0},
        {"in, n 0.5: 0.8 / 0.5 > 1", -0.6, 0.8, 10, 0, 0.5, false, 0, 0},
        {"n 1 goes straight", -0.6, 0.8, 10, 0, 1, true, -0.6f, 0.8f},
    };
    for (const auto& c : cases) {
        const RefractResult r = refractAtFace(c.dx, c.dy, c.xp, c.yp, 0, 0, 10, c.n);
        EXPECT_EQ(r.ok, c.ok) << c.name;
        EXPECT_NEAR(std::hypot(r.dirx - c.x, r.diry - c.y), 0, 1e-6) << c.name;
    }
}

// Points worked outside the module: vertices, circle crossings, and for the
// steep ray a bisection for the first point inside both discs.
TEST(SphericalRefraction, LensEntryFindsTheFirstCrossingAhead) {
    struct {
        const char* name;
        double xa, x0, y0, dx, dy;
        bool hit;
        double hx, hy;
        int face; // 7: left alone
    } const cases[] = {
        {"axis from the left", xa, -200, 0, 1, 0, true, -70, 0, 2},
        {"axis from the right", xa, 200, 0, -1, 0, true, 50, 0, 1},
        {"steep, left of the rim", xa, -10, 300, 40, -220, true, 34.9541489508209,
         52.75218077048507, 1},
        {"on face 2, inwards", xa, -70, 0, 1, 0, true, 50, 0, 1},
        {"far side, pointing away", xa, 200, 0, 1, 0, false, 200, 0, 7},
        {"lens behind the start", xa, -200, 0, -1, 0, false, -200, 0, 7},
        {"misses circle 2, crosses circle 1", xa, -200, 95, 1, 0, false, -200, 95, 7},
        {"concentric: the inner disc", xb, -200, 0, 1, 0, true, -70, 0, 2},
        {"circles apart: no lens", -300, -500, 0, 1, 0, false, -500, 0, 7},
        {"a vertex exactly at (0, 0) is hit", -100, 100, 0, -1, 0, true, 0, 0, 1},
    };
    for (const auto& c : cases) {
        int face = 7;
        const LensHit h = lensEntry(c.xa, xb, r1, r2, c.dx, c.dy, c.x0, c.y0, face);
        EXPECT_EQ(h.hit, c.hit) << c.name;
        EXPECT_NEAR(std::hypot(h.hx - c.hx, h.hy - c.hy), 0, 1e-9) << c.name;
        EXPECT_EQ(face, c.face) << c.name;
    }
}

TEST(SphericalRefraction, NextHitIsNeverTheStartAndNothingOnceOut) {
    for (int degrees = -20; degrees <= 20; degrees += 5) {
        const double dx = std::cos(degrees * std::numbers::pi / 180),
                     dy = std::sin(degrees * std::numbers::pi / 180);
        int face = 0;
        const LensHit in = lensEntry(xa, xb, r1, r2, dx, dy, -200, 0, face);
        const LensHit out = nextHit({xa, xb, r1, r2}, dx, dy, in.hx, in.hy, in.face);
        ASSERT_TRUE(in.hit && out.hit) << degrees;
        EXPECT_GT(std::hypot(out.hx - in.hx, out.hy - in.hy), 50) << degrees;
        EXPECT_EQ(out.face, 1) << degrees;
        EXPECT_FALSE(nextHit({xa, xb, r1, r2}, dx, dy, out.hx, out.hy, out.face).hit) << degrees;
    }
}

} // namespace
