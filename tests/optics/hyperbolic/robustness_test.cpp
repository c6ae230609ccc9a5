#include "sahl_fixture.h"

#include <limits>

namespace {

using namespace optics::hyperbolic;
using namespace sahl_test;

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

class RobustnessTest : public SahlTest {
  protected:
    // Every recorded ray and its fronts hold finite numbers.
    void expectFiniteRecords() {
        ASSERT_GE(source.plithosaktinon, 0);
        ASSERT_LE(source.plithosaktinon, 201);
        for (int i = 0; i < source.plithosaktinon; ++i) {
            for (const double v :
                 {state.eisodosX[i], state.eisodosY[i], state.exodosX[i], state.exodosY[i],
                  double(state.exodosCos[i]), double(state.exodosSin[i])}) {
                EXPECT_TRUE(std::isfinite(v)) << "ray " << i;
            }
            for (int j = 0; j <= 30; ++j) {
                EXPECT_TRUE(std::isfinite(state.metopoX(i, j)) &&
                            std::isfinite(state.metopoY(i, j)))
                    << "ray " << i << " front " << j;
            }
        }
    }

    void drawAll(double lensB, double slope, double xs, double ys) {
        epipedokyrtosPigi(state, view, kA, lensB, xs, ys);
        expectFiniteRecords();
        amfikyrtosPigi(state, view, kA, lensB, xs, ys);
        expectFiniteRecords();
        epipedokyrtosDesmi(state, view, kA, lensB, slope);
        expectFiniteRecords();
        amfikyrtosDesmi(state, view, kA, lensB, slope);
        expectFiniteRecords();
        redrawFronts(state, surface);
    }
};

TEST_F(RobustnessTest, IndexOneIsRefusedAndStillDrawsSafely) {
    EXPECT_FALSE(semiConjugateAxis(1.0));
    useIndex(1.0);
    ASSERT_EQ(b, 0);
    for (const auto& [xs, ys] : {std::pair{108.0, 25.0}, {108.0, 0.0}, {-30.0, 0.0}, {0.0, 0.0}}) {
        setSource(xs, ys);
        drawAll(0, 0, xs, ys);
    }
}

TEST_F(RobustnessTest, AnyBeamSlopeIsSafe) {
    for (const double m :
         {kInf, -kInf, 1e300, -1e300, std::tan(std::acos(-1.0) / 2), 1e9, -3e12, kNaN}) {
        epipedokyrtosDesmi(state, view, kA, b, m);
        expectFiniteRecords();
        amfikyrtosDesmi(state, view, kA, b, m);
        expectFiniteRecords();
    }
}

TEST_F(RobustnessTest, AnySourceIsSafe) {
    for (const auto& [xs, ys] : {std::pair{kNaN, 0.0},
                                 {0.0, kInf},
                                 {-kInf, kNaN},
                                 {1e300, 1e300},
                                 {-1e300, 5.0},
                                 {0.0, 0.0},
                                 {12.0, 0.0},
                                 {84.0, 0.0},
                                 {48.0, 40.0}}) {
        setSource(xs, ys);
        epipedokyrtosPigi(state, view, kA, b, xs, ys);
        if (std::isfinite(xs) && std::isfinite(ys)) {
            expectFiniteRecords();
        }
        amfikyrtosPigi(state, view, kA, b, xs, ys);
        redrawFronts(state, surface);
    }
}

TEST_F(RobustnessTest, IndicesThatMakeNoLensRecordNothing) {
    for (const double index : {0.0, -1.5, kNaN}) {
        state.nsahl = index;
        drawAll(b, 0, 108, 25);
        EXPECT_EQ(source.plithosaktinon, 0) << index;
    }
}

TEST_F(RobustnessTest, SharedCountBeyondTheRecordsRecordsNothing) {
    source.plithosaktinon = 9999;
    aktinaAmfikyrtou(state, view, kA, b, 130, 5, 0, 5);
    EXPECT_EQ(state.aktinaKatagrafi, 0);
    redrawFronts(state, surface);
}

TEST_F(RobustnessTest, WindowWithoutServicesIsFine) {
    SahlView bare{surface, {}, nullptr, nullptr};
    EXPECT_NO_THROW(epipedokyrtosPigi(state, bare, kA, b, 108, 25));
    EXPECT_NO_THROW(amfikyrtosDesmi(state, bare, kA, b, 0.1));
}

} // namespace
