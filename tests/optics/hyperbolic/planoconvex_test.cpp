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

    // Snell's law at the plane face (entry) and the curved face (exit).
    void expectSnellThroughPlaneEntry(int i) {
        const Vec s{source.pigiX, source.pigiY};
        const Vec p{state.eisodosX[i], state.eisodosY[i]};
        const Vec e{state.exodosX[i], state.exodosY[i]};
        const Vec glass{e.x - p.x, e.y - p.y};
        EXPECT_DOUBLE_EQ(p.x, 48);
        EXPECT_NEAR(e.x * e.x / 144 - e.y * e.y / (b * b), 1, 1e-9) << "exit off the curve";
        EXPECT_GE(e.x, 12);
        EXPECT_LE(e.x, 48);
        expectSnell({p.x - s.x, p.y - s.y}, glass, {1, 0}, 1, n);
        expectSnell(glass, {state.exodosCos[i], state.exodosSin[i]}, hyperbolaNormal(e.x, e.y, b),
                    n, 1);
    }

    void expectSnellForEveryRay() {
        for (int i = 0; i < source.plithosaktinon; ++i) {
            expectSnellThroughPlaneEntry(i);
        }
    }
};

TEST_F(PlanoConvexTest, DefaultPictureRefractsEveryRayBySnellsLaw) {
    draw();
    ASSERT_EQ(captions.size(), 1u);
    EXPECT_EQ(captions[0], "Επιπεδόκυρτος φακός του Ιμπν Σαχλ ");
    // From (108, 25) the plane face is met at y = 25 − 60·m, inside the edge
    // b·√15 = 51.96 for m = 0.90 .. −0.42: 45 of the 60 rays.
    ASSERT_EQ(source.plithosaktinon, 45);
    expectSnellForEveryRay();
}

TEST_F(PlanoConvexTest, DefaultStopCutsNoRayAndMissesRunFarInBlue) {
    view.controls.onlyRays = true;
    draw();
    EXPECT_EQ(countColor(magenta), 0);
    // The rays m = −0.45 and −0.87 pass above the lens edge and run on to
    // the window's border: y = 25 + m·(x − 108).
    for (const auto& [m, x] : {std::pair{-0.45, 40.0},
                               {-0.45, 0.0},
                               {-0.45, -40.0},
                               {-0.45, -90.0},
                               {-0.87, 40.0},
                               {-0.87, 20.0},
                               {-0.87, 5.0}}) {
        EXPECT_TRUE(colorNear(x, 25 + m * (x - 108), blue)) << m << " at " << x;
    }
    // The ideal rays, black, right of the source.
    EXPECT_TRUE(colorNear(115, 2 * idealRaySpacing(), black));
    EXPECT_TRUE(colorNear(115, -4 * idealRaySpacing(), black));
    // A wide-open stop lets through no more rays.
    const int recorded = source.plithosaktinon;
    view.controls.stopTop = 1e6;
    view.controls.stopBottom = -1e6;
    draw();
    EXPECT_EQ(source.plithosaktinon, recorded);
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
    expectSnellForEveryRay();
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
