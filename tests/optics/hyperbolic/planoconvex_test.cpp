#include "sahl_fixture.h"

namespace {

using namespace optics::hyperbolic;
using namespace sahl_test;
using namespace canvas::colors;

class PlanoConvexTest : public SahlTest {
  protected:
    // The outline's last point is x = 47.76 (= 12·3.98); the ideal rays are a
    // tenth of its double height apart.
    double idealRaySpacing() const { return b * std::sqrt(3.98 * 3.98 - 1) / 5; }
    void draw() { epipedokyrtosPigi(state, view, kA, b, source.pigiX, source.pigiY); }
};

TEST_F(PlanoConvexTest, RaysOnlyMissesRunFarInBlue) {
    view.controls.onlyRays = true;
    draw();
    EXPECT_EQ(countColor(magenta), 0);
    // The rays m = −0.45 and −0.87 pass above the lens edge and run on to
    // the window's border: y = 25 + m·(x − 108).
    for (const double x : {40.0, 0.0, -40.0, -90.0})
        EXPECT_TRUE(colorNear(x, 25 - 0.45 * (x - 108), blue)) << "m = −0.45 at " << x;
    for (const double x : {40.0, 20.0, 5.0})
        EXPECT_TRUE(colorNear(x, 25 - 0.87 * (x - 108), blue)) << "m = −0.87 at " << x;
    // The ideal rays, black, right of the source.
    EXPECT_TRUE(colorNear(115, 2 * idealRaySpacing(), black));
    EXPECT_TRUE(colorNear(115, -4 * idealRaySpacing(), black));
}

TEST_F(PlanoConvexTest, StopSplitsTheFanAtTheOpening) {
    // From (150, 5): x = 130 is crossed at 5 − 20·m. Outside −10..10 for
    // m = 0.90 .. 0.78 (5 rays) and m = −0.27 .. −0.87 (21 rays). Of the rest,
    // the plane face is met inside ±51.96 (at 5 − 102·m) for m = 0.54 .. −0.24:
    // 27 rays.
    setSource(150, 5);
    draw();
    EXPECT_EQ(source.plithosaktinon, 27);
    EXPECT_TRUE(colorNear(130, 5 - 20 * 0.9, magenta));
    EXPECT_TRUE(colorNear(130, 5 + 20 * 0.87, magenta));
    EXPECT_FALSE(colorNear(130, 5, magenta, 3));
}

TEST_F(PlanoConvexTest, FanFromTheNearFocusKeepsEveryRayAndItsFronts) {
    // n = 1.25 (b = 9, c = 15): from F1 = (−15, 0) the lens edge (48, ±34.86)
    // is seen at slopes ±0.553, so m = 0.54 .. −0.54 (37 rays) pass through,
    // m = 0 by the vertex, where the normal is the axis. All leave parallel to
    // the axis, and their fronts, lines across that beam, are joined.
    useIndex(1.25);
    setSource(-15, 0);
    draw();
    ASSERT_EQ(source.plithosaktinon, 37);
    EXPECT_DOUBLE_EQ(state.eisodosX[18], 12);
    EXPECT_DOUBLE_EQ(state.eisodosY[18], 0);
    EXPECT_EQ(state.exodosSin[18], 0);
    EXPECT_TRUE(colorNear(100, 0, green));
    EXPECT_GT(countColor(blue, 55, -35, 150, 35), 0);
    EXPECT_GT(countColor(green, -120, -120, 150, -1), 0); // rays below the axis
}

TEST_F(PlanoConvexTest, SteepInsideRaysLeaveThroughTheLensFace) {
    // At n = 1.2 the asymptotes have slope 0.66 and the steepest inside rays
    // meet the branch twice, once beyond the plane face: the exit is the
    // crossing on the lens.
    useIndex(1.2);
    draw();
    ASSERT_GT(source.plithosaktinon, 20);
    expectSnellThroughPlanoConvex(state, source, b, n);
}

TEST_F(PlanoConvexTest, OnlyWavesDrawsNoRayButKeepsFrontsAndMarks) {
    view.controls.onlyWaves = true;
    draw();
    EXPECT_EQ(source.plithosaktinon, 45);
    EXPECT_EQ(countColor(green), 0);
    EXPECT_EQ(countColor(cyan), 0);
    EXPECT_GT(countColor(blue), 0);         // the fronts
    EXPECT_TRUE(colorNear(108, 26, black)); // the source mark, radius 1
    EXPECT_FALSE(colorNear(115, 2 * idealRaySpacing(), black));
}

} // namespace
