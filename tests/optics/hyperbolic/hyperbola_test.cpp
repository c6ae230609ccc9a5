#include "optics/hyperbolic/hyperbola.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

namespace {

using namespace optics::hyperbolic;

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

TEST(SemiConjugateAxis, FollowsTheIndex) {
    // n = 1.25: n² − 1 = 0.5625 = 0.75², so b = 9 and c = √(144 + 81) = 15 = 12·n.
    ASSERT_TRUE(semiConjugateAxis(1.25));
    EXPECT_DOUBLE_EQ(*semiConjugateAxis(1.25), 9);
    EXPECT_DOUBLE_EQ(focalDistance(12, 9), 15);
    // n = 1.5: b² = 144·1.25 = 180.
    EXPECT_NEAR(*semiConjugateAxis(1.5), std::sqrt(180.0), 1e-12);
    EXPECT_NEAR(focalDistance(12, std::sqrt(180.0)), 18, 1e-12);
    // n = 2.5, the scroll bar's end: the edge b·√15 ≈ 106.49 stays inside ±120.
    EXPECT_NEAR(edgeHeight(*semiConjugateAxis(2.5)), 106.4894, 1e-4);
}

TEST(SemiConjugateAxis, RefusesIndicesOfOneOrLess) {
    for (const double n : {1.0, 0.99, 0.0, -1.5, kNaN, kInf}) {
        EXPECT_FALSE(semiConjugateAxis(n)) << n;
    }
}

TEST(ToksoSahl, IsTheArcsine) {
    EXPECT_NEAR(*toksoSahl(0.5), std::numbers::pi / 6, 1e-15);
    EXPECT_NEAR(*toksoSahl(-std::sqrt(0.5)), -std::numbers::pi / 4, 1e-15);
    EXPECT_DOUBLE_EQ(*toksoSahl(0), 0);
    EXPECT_DOUBLE_EQ(*toksoSahl(1), std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(*toksoSahl(-1), -std::numbers::pi / 2);
    for (const double s : {1.0000001, -1.5, kNaN, kInf}) {
        EXPECT_FALSE(toksoSahl(s)) << s;
    }
}

TEST(ApostasiSahl, IsTheEuclideanDistance) {
    EXPECT_DOUBLE_EQ(apostasiSahl(1, 2, 4, 6), 5);
    EXPECT_DOUBLE_EQ(apostasiSahl(-3, 0, 0, -4), 5);
}

// Lines against x²/144 − y²/81 = 1 (n = 1.25), whose rational points
// (±12, 0), (13, ±3.75), (15, ±6.75), (±20, ±12) make exact crossings.
struct LineCase {
    const char* name;
    double m, q;
    double larger, smaller;
};

const LineCase kLines[] = {
    {"axis", 0, 0, 12, -12},
    {"horizontal at 12", 0, 12, 20, -20},
    {"both branches", 0.25, 7, 20, -13},      // through (−13, 3.75) and (20, 12)
    {"right branch twice", 1.05, -9, 20, 15}, // through (15, 6.75) and (20, 12)
    {"steep on right", 2.25, -33, 20, 13},    // through (13, −3.75) and (20, 12)
};

TEST(TomiMegaliMikri, FindTheCrossingsWorkedByHand) {
    for (const LineCase& c : kLines) {
        const auto larger = tomiMegali(c.m, c.q, 9, 12);
        const auto smaller = tomiMikri(c.m, c.q, 9, 12);
        ASSERT_TRUE(larger && smaller) << c.name;
        EXPECT_NEAR(*larger, c.larger, 1e-12) << c.name;
        EXPECT_NEAR(*smaller, c.smaller, 1e-12) << c.name;
    }
}

TEST(TomiMegaliMikri, LineParallelToAnAsymptoteMeetsOnce) {
    // Slope b/a = 0.75 with q = 3: A = 0, B = 2.25, K = 9 + 81, so x = −90/4.5 = −20,
    // and indeed (−20, −12) lies on the curve.
    ASSERT_TRUE(tomiMegali(0.75, 3, 9, 12));
    EXPECT_DOUBLE_EQ(*tomiMegali(0.75, 3, 9, 12), -20);
    EXPECT_DOUBLE_EQ(*tomiMikri(0.75, 3, 9, 12), -20);
}

TEST(TomiMegaliMikri, MissesAndTheAsymptoteItselfAreEmpty) {
    EXPECT_FALSE(tomiMegali(2, 0, 9, 12)); // through the centre, steeper than the asymptotes
    EXPECT_FALSE(tomiMikri(2, 0, 9, 12));
    EXPECT_FALSE(tomiMegali(0.75, 0, 9, 12)); // the asymptote y = 0.75·x
    EXPECT_FALSE(tomiMikri(-0.75, 0, 9, 12));
    EXPECT_FALSE(tomiMegali(0.5, 1, 9, 0)); // no curve without a
    EXPECT_FALSE(tomiMegali(kNaN, 1, 9, 12));
    EXPECT_FALSE(tomiMegali(1e300, 1e300, 9, 12));
}

TEST(Branch, HeightSlopeAndX) {
    EXPECT_DOUBLE_EQ(branchHeight(20, 12, 9), 12);
    EXPECT_DOUBLE_EQ(branchHeight(-15, 12, 9), 6.75);
    EXPECT_DOUBLE_EQ(branchHeight(5, 12, 9), 0);
    EXPECT_DOUBLE_EQ(branchX(12, 12, 9), 20);
    EXPECT_DOUBLE_EQ(branchX(0, 12, 0), 12);
    // dy/dx by a central difference of the branch height.
    const double h = 1e-6;
    const double numeric = (branchHeight(20 + h, 12, 9) - branchHeight(20 - h, 12, 9)) / (2 * h);
    EXPECT_NEAR(*branchSlope(20, 12, 12, 9), numeric, 1e-6);
    EXPECT_NEAR(*branchSlope(20, -12, 12, 9), -numeric, 1e-6);
    EXPECT_NEAR(*branchSlope(-20, 12, 12, 9), -numeric, 1e-6);
    EXPECT_FALSE(branchSlope(12, 0, 12, 9)); // vertical tangent at the vertex
}

} // namespace
