#include "sahl_fixture.h"

namespace {

using namespace optics::hyperbolic;
using sahl_test::SahlTest;

class FrontsTest : public SahlTest {
  protected:
    void recordRay(int i, double px, double py, double ex, double ey, float c, float s) {
        state.eisodosX[i] = px;
        state.eisodosY[i] = py;
        state.exodosX[i] = ex;
        state.exodosY[i] = ey;
        state.exodosCos[i] = c;
        state.exodosSin[i] = s;
    }
    void expectFront(int i, int j, double x, double y) {
        EXPECT_NEAR(state.metopoX(i, j), x, 1e-9) << "front " << j;
        EXPECT_NEAR(state.metopoY(i, j), y, 1e-9) << "front " << j;
    }
};

TEST_F(FrontsTest, AlongTheAxisFifteenInAirTenInGlass) {
    // Source at 0, glass from 10 to 30, n = 1.5. Front 1: 10 in air, the
    // remaining time 5 covers 5/1.5 in glass. Front 2: 10 more in glass.
    // Front 3: 6.67 of glass take time 10, the remaining 5 go to 35.
    setSource(0, 0);
    recordRay(0, 10, 0, 30, 0, 1, 0);
    metopoPigis(state, surface, 0);
    expectFront(0, 0, 0, 0);
    expectFront(0, 1, 10 + 5 / 1.5, 0);
    expectFront(0, 2, 20 + 5 / 1.5, 0);
    expectFront(0, 3, 35, 0);
    expectFront(0, 4, 50, 0);
    expectFront(0, 30, 35 + 27 * 15, 0);
}

TEST_F(FrontsTest, ObliquePathInDenserGlass) {
    // S = (0, 0), P = (3, 4): L1 = 5. Glass up to E = (3, 16): L2 = 12. n = 2.
    // Front 1: time 10 left at P, 5 units up the glass: (3, 9).
    // Front 2: 7 units of glass (time 14) to E, time 1 along (0.6, 0.8).
    useIndex(2);
    setSource(0, 0);
    recordRay(3, 3, 4, 3, 16, 0.6f, 0.8f);
    metopoPigis(state, surface, 3);
    expectFront(3, 1, 3, 9);
    EXPECT_NEAR(state.metopoX(3, 2), 3.6, 1e-7);
    EXPECT_NEAR(state.metopoY(3, 2), 16.8, 1e-7);
    EXPECT_NEAR(state.metopoX(3, 3), 3.6 + 9, 1e-6);
    EXPECT_NEAR(state.metopoY(3, 3), 16.8 + 12, 1e-6);
}

TEST_F(FrontsTest, EntryCrossedWithinAStepLandsAtTheRemainingTimeOverN) {
    // dS = 0 at the start, L1 = 7: the front lies (15 − (7 − 0))/1.5 from P.
    setSource(0, 0);
    recordRay(0, 7, 0, 40, 0, 1, 0);
    metopoPigis(state, surface, 0);
    expectFront(0, 1, 7 + (15 - 7) / 1.5, 0);
    // From a start 14 before the entry, front 1 is still in air at 15 from S.
    metopoDesmis(state, surface, -7, 0, 0);
    expectFront(0, 0, -7, 0);
    expectFront(0, 1, 7 + (15 - 14) / 1.5, 0);
}

TEST_F(FrontsTest, StepAcrossBothFacesGoesOnAlongTheEmergingRay) {
    // Glass of 2 units only: front 1 spends 10 in air, 2·1.5 = 3 crossing the
    // glass and the remaining 2 beyond the exit, along (0.6, 0.8).
    setSource(0, 0);
    recordRay(0, 10, 0, 12, 0, 0.6f, 0.8f);
    metopoPigis(state, surface, 0);
    EXPECT_NEAR(state.metopoX(0, 1), 12 + 2 * 0.6, 1e-6);
    EXPECT_NEAR(state.metopoY(0, 1), 2 * 0.8, 1e-6);
    EXPECT_NEAR(state.metopoX(0, 2), 12 + 17 * 0.6, 1e-6);
    EXPECT_NEAR(state.metopoY(0, 2), 17 * 0.8, 1e-6);
}

TEST_F(FrontsTest, ZeroLengthPiecesStoreNothing) {
    setSource(5, 5);
    state.metopoX(0, 1) = 77;
    recordRay(0, 5, 5, 20, 5, 1, 0); // source on the entry point
    metopoPigis(state, surface, 0);
    EXPECT_EQ(state.metopoX(0, 1), 77);
    recordRay(0, 10, 5, 10, 5, 1, 0); // entry on the exit
    metopoPigis(state, surface, 0);
    EXPECT_EQ(state.metopoX(0, 1), 77);
    recordRay(0, 10, 5, 20, 5, 0, 0); // no direction
    metopoPigis(state, surface, 0);
    EXPECT_EQ(state.metopoX(0, 1), 77);
    metopoPigis(state, surface, -1); // no such ray: nothing happens
    metopoPigis(state, surface, 501);
}

TEST_F(FrontsTest, PenEndsBlackAndThin) {
    surface.ForeColor = canvas::colors::green;
    surface.DrawWidth = 7;
    setSource(0, 0);
    recordRay(0, 10, 0, 30, 0, 1, 0);
    metopoPigis(state, surface, 0);
    EXPECT_EQ(surface.ForeColor, canvas::colors::black);
    EXPECT_EQ(surface.DrawWidth, 1);
}

// Three rays whose fronts are vertical steps: ray i at height 20·i − 20.
class JoinTest : public FrontsTest {
  protected:
    JoinTest() {
        for (int i = 0; i < 3; ++i) {
            for (int j = 1; j <= 30; ++j) {
                state.metopoX(i, j) = -100 + 6 * j;
                state.metopoY(i, j) = 20.0 * i - 20;
            }
        }
        source.plithosaktinon = 3;
    }
};

TEST_F(JoinTest, PointSourceJoinLeavesRayZeroOut) {
    source.plithosaktinon = 100000; // bounded by the records
    joinFronts(state, surface, 1, canvas::colors::blue, FrontDots::None);
    EXPECT_TRUE(colorNear(-94, 10, canvas::colors::blue));
    EXPECT_FALSE(colorNear(-94, -10, canvas::colors::blue));
}

TEST_F(JoinTest, WavesMenuJoinsFromRayZeroInTheForeColor) {
    surface.ForeColor = canvas::colors::magenta;
    joinFronts(state, surface, 0, std::nullopt, FrontDots::None);
    EXPECT_TRUE(colorNear(-94, 10, canvas::colors::magenta));
    EXPECT_TRUE(colorNear(-94, -10, canvas::colors::magenta));
}

TEST_F(FrontsTest, WavesMenuRecomputesFromTheSource) {
    setSource(0, 0);
    recordRay(0, 10, 0, 30, 0, 1, 0);
    recordRay(1, 10, 10, 30, 10, 1, 0);
    source.plithosaktinon = 2;
    redrawFronts(state, surface);
    expectFront(0, 4, 50, 0);
    // Ray 1 has √200 of air: front 1 spends the rest, 15 − √200, in the glass.
    expectFront(1, 1, 10 + (15 - std::sqrt(200.0)) / 1.5, 10);
    // Front 1 of the two rays is joined in black.
    EXPECT_TRUE(colorNear(12, 5, canvas::colors::black, 2));
}

} // namespace
