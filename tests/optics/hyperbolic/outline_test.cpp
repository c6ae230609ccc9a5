#include "sahl_fixture.h"

#include "optics/hyperbolic/outline.h"

namespace {

using namespace optics::hyperbolic;
using canvas::colors::black;
using canvas::colors::red;
using sahl_test::SahlTest;

// The outline stops at x = 47.76, the 150th point of a/50 steps from a = 12:
// y = b·√(3.98² − 1), and the ideal rays are a tenth of 2y apart.
double lastOutlineHeight(double b) {
    return b * std::sqrt(3.98 * 3.98 - 1);
}

TEST_F(SahlTest, PlanoConvexOutlineEndsOneStepBeforeTheEdge) {
    const double h = drawPlanoConvexOutline(surface, 12, b);
    EXPECT_NEAR(h, lastOutlineHeight(b) / 5, 1e-9);
    EXPECT_EQ(surface.DrawWidth, 1);
    // The curved face through the vertex and (20, ±b·4/3), the plane face at 48.
    for (const auto& [x, y] : {std::pair{12.0, 0.0},
                               {20.0, b * 4 / 3},
                               {20.0, -b * 4 / 3},
                               {48.0, 0.0},
                               {48.0, 45.0},
                               {48.0, -45.0}}) {
        EXPECT_TRUE(colorNear(x, y, red)) << x << ", " << y;
    }
    EXPECT_FALSE(colorNear(84, 0, red, 3)); // no second face
}

TEST_F(SahlTest, BiconvexOutlineHasTwoFacesAndNoPlane) {
    const double h = drawBiconvexOutline(surface, 12, b);
    EXPECT_NEAR(h, lastOutlineHeight(b) / 5, 1e-9);
    for (const auto& [x, y] : {std::pair{12.0, 0.0},
                               {84.0, 0.0},
                               {76.0, b * 4 / 3},
                               {76.0, -b * 4 / 3},
                               {20.0, b * 4 / 3}}) {
        EXPECT_TRUE(colorNear(x, y, red)) << x << ", " << y;
    }
    EXPECT_FALSE(colorNear(48, 0, red, 3));
}

TEST_F(SahlTest, PlanoConvexIdealRaysMeetAtTheNearFocus) {
    // n = 1.25: b = 9, c = 15. The ray at height 12 meets the branch at
    // x = 20 and runs to (−15, 0).
    useIndex(1.25);
    drawPlanoConvexIdealRays(surface, 12, b, 3);
    EXPECT_TRUE(colorNear(100, 12, black));
    EXPECT_TRUE(colorNear(2.5, 6, black));     // halfway from (20, 12) to (−15, 0)
    EXPECT_TRUE(colorNear(2.5, -6, black));    // and its mirror image
    EXPECT_FALSE(colorNear(100, 13.5, black)); // between two rays
}

TEST_F(SahlTest, BiconvexIdealRaysJoinBothFoci) {
    useIndex(1.25);
    drawBiconvexIdealRays(surface, 12, b, 3);
    EXPECT_TRUE(colorNear(2.5, 6, black));  // (20, 12) to (−15, 0)
    EXPECT_TRUE(colorNear(48, 12, black));  // through the glass
    EXPECT_TRUE(colorNear(93.5, 6, black)); // (76, 12) to (111, 0)
    EXPECT_FALSE(colorNear(100, 12, black));
}

} // namespace
