#include "optics/lensdata/lens_data.h"

#include "optics/hyperbolic/protosfakos.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace optics::lensdata;
namespace hyp = optics::hyperbolic;

class SahlLensData : public ::testing::Test {
  protected:
    SahlLensData() { surface.Scale(-120, 120, 150, -120); }

    // The index, and the semi-axis b and focal distance c that follow from it.
    void useIndex(double n) {
        state.nsahl = n;
        b = *hyp::semiConjugateAxis(n);
        c = std::hypot(12, b);
    }

    BeamData biconvexFrom(double x, double y) {
        source.pigiX = x; // where the fronts start
        source.pigiY = y;
        hyp::amfikyrtosPigi(state, view, 12, b, x, y);
        return sahlLensData(state, PointSource{x, y});
    }

    // The beam comes from the right, travelling towards −x.
    BeamData planoConvexBeam(double slope) {
        hyp::epipedokyrtosDesmi(state, view, 12, b, slope);
        return sahlLensData(state, ParallelBeam{-1, -slope});
    }

    canvas::Surface surface{600, 600};
    optics::SharedSource source;
    hyp::Protosfakos state{source};
    hyp::SahlView view{surface, {}, nullptr, nullptr};
    double b = 0, c = 0;
};

// Ibn Sahl's lesson: the biconvex lens images F2 on F1, the plano-convex lens
// brings a beam along its axis to F1, with no blur and a perfect front. A
// beam's paths start from a plane across it, so they do not depend on where
// its rays were started, nor on whether the axis ray is among them.
TEST_F(SahlLensData, HyperbolicFacesFocusPerfectly) {
    for (double n : {1.2, 1.5, 2.0, 2.5}) {
        useIndex(n);
        for (const bool biconvex : {true, false}) {
            const BeamData data = biconvex ? biconvexFrom(8 * 12 + c, 0) : planoConvexBeam(0);
            ASSERT_TRUE(data.spot && data.wavefront) << n << biconvex;
            EXPECT_GT(data.rays, 20) << n << biconvex;
            EXPECT_EQ(data.spot->kind, SpotKind::Real) << n << biconvex;
            EXPECT_NEAR(std::hypot(data.spot->x + c, data.spot->y), 0, 1e-3) << n << biconvex;
            EXPECT_LT(data.spot->diameter, 1e-3) << n << biconvex;
            EXPECT_LT(data.wavefront->peakToValley, 1e-3) << n << biconvex;
        }
    }
}

// Off its foci the same lens blurs: light from the start source (108, 25)
// and a beam at 5 degrees.
TEST_F(SahlLensData, OffTheFociTheLightBlurs) {
    useIndex(1.5);
    for (const BeamData& data :
         {biconvexFrom(108, 25), planoConvexBeam(std::tan(5 * std::acos(-1.0) / 180))}) {
        ASSERT_TRUE(data.spot && data.wavefront);
        EXPECT_GT(data.spot->diameter, 10);
        EXPECT_FALSE(data.wavefront->withinQuarterWave);
    }
}

} // namespace
