#include "optics/lensdata/thick_lens.h"

#include "exact_trace.h"
#include "optics/spherical/geometry.h"

#include <gtest/gtest.h>

namespace {

using namespace optics::lensdata;
using namespace lensdata_test;

// Effective, back and front focal lengths and the principal planes against an
// exact trace of a ray at height 1e-4 parallel to the axis, each way. The
// circles bounding the glass on the axis are worked by hand.
TEST(ThickLens, FociMatchAnExactTraceOfARayNearTheAxis) {
    const struct {
        const char* name;
        double xa, xb, r1, r2, n;
        Circle front, back;
        bool ball;
    } rows[] = {
        {"thin", -99, 99, 100, 100, 1.5, {99, 100}, {-99, 100}, false},
        {"workbench start", -50, 20, 100, 90, 1.5, {20, 90}, {-50, 100}, false},
        {"deep, nearly a disc", -50, 0, 100, 60, 1.5, {0, 60}, {-50, 100}, false},
        {"thick, index 2.5", -60, 60, 100, 100, 2.5, {60, 100}, {-60, 100}, false},
        {"index 0.4", -80, 30, 120, 70, 0.4, {30, 70}, {-80, 120}, false},
        {"ball inside circle 1", -20, 0, 200, 50, 1.5, {0, 50}, {0, 50}, true},
        {"one circle twice", 0, 0, 80, 80, 1.8, {0, 80}, {0, 80}, true},
    };
    for (const auto& row : rows) {
        const auto lens = thickLens({row.xa, row.xb, row.r1, row.r2, row.n});
        ASSERT_TRUE(lens && lens->foci) << row.name;
        const auto forward = traceLens({{-1000, 1e-4}, {1, 0}}, row.front, row.back, row.n);
        const auto backward = traceLens({{1000, 1e-4}, {-1, 0}}, row.back, row.front, row.n);
        ASSERT_TRUE(forward && backward) << row.name;
        const auto& foci = *lens->foci;
        const double f = foci.focalLength, tolerance = 1e-6 * std::abs(f);
        EXPECT_NEAR(f, -1e-4 * forward->d.x / forward->d.y, tolerance) << row.name;
        EXPECT_NEAR(foci.backFocalLength, axisCrossing(*forward) - row.back.cx - row.back.r,
                    tolerance)
            << row.name;
        EXPECT_NEAR(foci.frontFocalLength, row.front.cx - row.front.r - axisCrossing(*backward),
                    tolerance)
            << row.name;
        EXPECT_NEAR(foci.backPrincipal, axisCrossing(*forward) - f, tolerance) << row.name;
        EXPECT_NEAR(foci.frontPrincipal, axisCrossing(*backward) + f, tolerance) << row.name;
        EXPECT_EQ(lens->ballLens, row.ball) << row.name;
    }
}

// Moving the circles apart until the lens is a sliver: the focal length tends
// to the thin lens's, the gap shrinking with the thickness.
TEST(ThickLens, ThinLensIsTheLimitOfVanishingThickness) {
    const double r1 = 100, r2 = 80, n = 1.6, thin = *optics::spherical::estiaki(r1, r2, n);
    double previous = INFINITY;
    for (double thickness : {10.0, 1.0, 1e-2, 1e-4}) {
        const auto lens = thickLens({-r1 + thickness / 2, r2 - thickness / 2, r1, r2, n});
        ASSERT_TRUE(lens && lens->foci) << thickness;
        const double gap = std::abs(lens->foci->focalLength - thin) / thin;
        EXPECT_LT(gap, std::min(previous, thickness / (r1 + r2))) << thickness;
        previous = gap;
    }
}

TEST(ThickLens, NoLensWhereTheDiscsShareNoGlass) {
    const double none[][5] = {
        {-200, 200, 100, 100, 1.5}, // apart
        {-100, 100, 100, 100, 1.5}, // touching
        {-50, 20, 100, 0, 1.5},     // a radius of 0
        {-50, 20, 100, 90, 0},      // no index
        {-50, 20, 100, 90, NAN},    {-INFINITY, 20, 100, 90, 1.5},
    };
    for (const auto& v : none) {
        EXPECT_FALSE(thickLens({v[0], v[1], v[2], v[3], v[4]})) << v[0] << " " << v[2];
    }
    // An index of 1 makes glass that bends nothing: a lens without foci.
    const auto plain = thickLens({-50, 20, 100, 90, 1});
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain->foci);
}

} // namespace
