#include "optics/lensdata/spot.h"
#include "optics/lensdata/wavefront.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using namespace optics::lensdata;

// Rays whose lines pass through (px, py) at 3-degree steps about axisDeg,
// leaving from 40 + 7k away (not on one circle), towards the point or away
// from it, with the optical paths of a perfect wave.
std::vector<ExitRay> raysThrough(double px, double py, double axisDeg, bool converging) {
    std::vector<ExitRay> rays;
    for (int k = 0; k <= 12; ++k) {
        const double angle = (axisDeg + 3.0 * (k - 6)) * std::acos(-1.0) / 180;
        const double dx = std::cos(angle), dy = std::sin(angle), rho = 40 + 7 * k;
        const double side = converging ? -1 : 1;
        rays.push_back(
            {px + side * rho * dx, py + side * rho * dy, 3 * dx, 3 * dy, 500 + side * rho, 0});
    }
    return rays;
}

TEST(SmallestSpot, RaysThroughOnePointMeetThereWithAPerfectFront) {
    const struct {
        double px, py, axisDeg;
        bool converging;
        SpotKind kind;
    } rows[] = {{120, 0, 0, true, SpotKind::Real},
                {-30, 45, 160, true, SpotKind::Real},
                {10, -5, -20, false, SpotKind::Virtual}};
    for (const auto& row : rows) {
        const Beam beam = beamOf(raysThrough(row.px, row.py, row.axisDeg, row.converging));
        const auto spot = smallestSpot(beam);
        ASSERT_TRUE(spot) << row.axisDeg;
        EXPECT_EQ(spot->kind, row.kind) << row.axisDeg;
        EXPECT_NEAR(std::hypot(spot->x - row.px, spot->y - row.py), 0, 1e-9) << row.axisDeg;
        EXPECT_NEAR(spot->diameter, 0, 1e-9) << row.axisDeg;
        EXPECT_NEAR(spot->spreadRad, 36 * std::acos(-1.0) / 180, 1e-12) << row.axisDeg;
        const auto error = wavefrontError(beam, referenceFor(beam, *spot), 25);
        ASSERT_TRUE(error) << row.axisDeg;
        EXPECT_NEAR(error->peakToValley, 0, 1e-9) << row.axisDeg;
    }
}

// Rays from heights ±5, ±10 ... ±50 at x = 0 crossing the axis at
// 100 − 0.002·h², as under spherical aberration: the spot against a scan of
// the width over the planes x = 90 .. 100, a ten-thousandth apart.
TEST(SmallestSpot, AgreesWithAScanOfTheWidthUnderSphericalAberration) {
    std::vector<ExitRay> rays;
    for (int k = -10; k <= 10; ++k) {
        const double h = 5.0 * k;
        rays.push_back({0, h, 100 - 0.002 * h * h, -h, 0, h});
    }
    double narrowest = INFINITY, where = 0;
    for (double x = 90; x <= 100; x += 1e-4) {
        double low = INFINITY, high = -INFINITY;
        for (const ExitRay& r : rays) {
            low = std::min(low, r.y + (x - r.x) * r.dy / r.dx);
            high = std::max(high, r.y + (x - r.x) * r.dy / r.dx);
        }
        if (high - low < narrowest) {
            narrowest = high - low;
            where = x;
        }
    }
    const auto spot = smallestSpot(beamOf(rays));
    ASSERT_TRUE(spot);
    EXPECT_NEAR(spot->x, where, 1e-4);
    // The width changes by at most 1 per unit along x, so the scan may miss
    // the least width by 1e-4; the spot never lies above it.
    EXPECT_LE(spot->diameter, narrowest);
    EXPECT_NEAR(spot->diameter, narrowest, 1e-4);
}

// A plane front (parallel rays of equal path from x = 0) has its spot at
// infinity and no error against a plane. Against a sphere of radius R
// touching it on the axis it lags by the sagitta s = R − √(R² − h²) at height
// h: at −h, 0, h the paths s, 0, s about their mean 2s/3 give an RMS of s·√2/3.
TEST(WavefrontError, PlaneFrontIsFlatAndLagsASphereByTheSagitta) {
    const double R = 200, h = 60, wavelength = 15, sag = R - std::sqrt(R * R - h * h);
    const Beam beam =
        beamOf(std::vector<ExitRay>{{0, -h, 1, 0, 0, 0}, {0, 0, 1, 0, 0, 0}, {0, h, 1, 0, 0, 0}});
    const auto spot = smallestSpot(beam);
    ASSERT_TRUE(spot);
    EXPECT_EQ(spot->kind, SpotKind::AtInfinity);
    EXPECT_DOUBLE_EQ(spot->diameter, 2 * h);
    EXPECT_NEAR(wavefrontError(beam, referenceFor(beam, *spot), wavelength)->peakToValley, 0,
                1e-12);
    const auto error = wavefrontError(beam, ReferenceSphere{R, 0, R}, wavelength);
    ASSERT_TRUE(error);
    EXPECT_NEAR(error->peakToValley, sag / wavelength, 1e-12);
    EXPECT_NEAR(error->rms, sag * std::sqrt(2.0) / 3 / wavelength, 1e-12);
    EXPECT_FALSE(error->withinQuarterWave);
    // A sphere about a centre farther from every ray than its radius: no answer.
    EXPECT_FALSE(wavefrontError(beam, ReferenceSphere{R, 0, 30}, wavelength));
}

TEST(SmallestSpot, StrayAndBrokenRaysAreLeftOut) {
    std::vector<ExitRay> rays = raysThrough(120, 0, 0, true);
    rays.insert(rays.end(), {{0, 80, 0, 1, 0, 0},  // across the beam
                             {0, 0, 0, 0, 0, 0},   // no direction
                             {NAN, 0, 1, 0, 0, 0}, // nowhere
                             {0, 0, 1, 0, INFINITY, 0}});
    const Beam beam = beamOf(rays);
    EXPECT_EQ(beam.leftOut, 4);
    EXPECT_NEAR(smallestSpot(beam)->diameter, 0, 1e-9);
    // One ray, or rays that cancel out, make no beam to measure.
    EXPECT_FALSE(smallestSpot(beamOf({rays.data(), 1})));
    EXPECT_TRUE(beamOf(std::vector<ExitRay>{{0, 0, 1, 0, 0, 0}, {0, 1, -1, 0, 0, 0}}).rays.empty());
}

} // namespace
