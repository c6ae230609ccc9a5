#include "optics/lensdata/lens_data.h"

#include "canvas/surface.h"
#include "exact_trace.h"
#include "optics/spherical/tracer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using namespace optics::lensdata;
using namespace lensdata_test;
namespace sph = optics::spherical;

constexpr sph::Diaphragm kOpen{0, 1e6, -1e6};
// The workbench's start lens; circle 2 bounds its glass in front.
constexpr SphericalLens kStartLens{-50, 20, 100, 90, 1.5};
constexpr Circle kFront{20, 90}, kBack{-50, 100};

// The rays as the workbench's wave tracer records them.
class RecordedRays : public ::testing::Test {
  protected:
    RecordedRays() { surface.Scale(-600, 450, 600, -450); }

    std::vector<ExitRay> trace(const std::vector<RayStart>& starts, const Light& light,
                               sph::Diaphragm diaphragm = kOpen) {
        source.plithosaktinon = 0;
        for (RayStart s : starts) {
            sph::traceWave(surface, state, diaphragm, s.x, s.y, s.dx, s.dy, kStartLens.xa,
                           kStartLens.xb, kStartLens.radius1, kStartLens.radius2,
                           kStartLens.deiktis);
        }
        return sphericalExitRays(state.record, source.plithosaktinon, kStartLens.deiktis, light);
    }

    SphericalLensData axialBundle(double h) {
        std::vector<RayStart> starts;
        for (int k = 20; k >= -20; --k) {
            starts.push_back({-200, h * k / 20, 1, 0});
        }
        return sphericalLensData(kStartLens, ParallelBeam{1, 0}, trace(starts, ParallelBeam{1, 0}));
    }

    canvas::Surface surface{400, 300};
    optics::SharedSource source;
    sph::Poreiaaktinon state{source};
};

// Third-order spherical aberration: the marginal focus, where an exact trace
// of the outermost ray crosses the axis, moves from the paraxial one as the
// square of the height; the circle of least confusion lies 3/4 of the way to
// it and grows as the cube, the wave-front error as the fourth power.
TEST_F(RecordedRays, SphericalAberrationGrowsAsTheSquareOfTheAperture) {
    const auto paraxial = traceLens({{-200, 1e-4}, {1, 0}}, kFront, kBack, kStartLens.deiktis);
    for (double h : {8.0, 4.0}) {
        const SphericalLensData wide = axialBundle(h), narrow = axialBundle(h / 2);
        const auto marginal = traceLens({{-200, h}, {1, 0}}, kFront, kBack, kStartLens.deiktis);
        ASSERT_TRUE(wide.axialFoci && narrow.axialFoci && marginal && wide.beam.spot) << h;
        const double lsa = *wide.axialFoci->sphericalAberration;
        EXPECT_NEAR(*wide.axialFoci->marginalFocus, axisCrossing(*marginal), 2e-4) << h;
        EXPECT_NEAR(lsa, axisCrossing(*marginal) - axisCrossing(*paraxial), 2e-4) << h;
        EXPECT_NEAR(lsa / *narrow.axialFoci->sphericalAberration, 4, 4 * 0.05) << h;
        EXPECT_NEAR(wide.beam.spot->x, axisCrossing(*paraxial) + 0.75 * lsa, 0.02 * -lsa) << h;
        EXPECT_NEAR(wide.beam.spot->diameter / narrow.beam.spot->diameter, 8, 8 * 0.05) << h;
        EXPECT_NEAR(wide.beam.wavefront->peakToValley / narrow.beam.wavefront->peakToValley, 16,
                    16 * 0.05)
            << h;
    }
}

// Rays drawn as lines only are not recorded; tracing them afresh gives the
// rays the record would have held: a narrow fan through the diaphragm, and
// whole fans from outside both circles, from inside one of them and from
// inside the glass, most of whose rays miss the lens or run away from it.
TEST_F(RecordedRays, FreshTraceAgreesWithTheRecord) {
    const struct {
        double x, y;
        double firstRad, stepRad;
        int rays;
        sph::Diaphragm blades;
    } rows[] = {{-300, 40, -0.5, 0.005, 201, {-150, 30, -60}},
                {-150, 10, -3.14159, 0.01, 629, kOpen},
                {-120, 0, -3.14159, 0.01, 629, kOpen},
                {60, 20, -3.14159, 0.01, 629, kOpen},
                {0, 5, -3.14159, 0.02, 315, kOpen}};
    for (const auto& row : rows) {
        std::vector<RayStart> starts;
        for (int k = 0; k < row.rays; ++k) {
            const double angle = row.firstRad + k * row.stepRad;
            starts.push_back({row.x, row.y, std::cos(angle), std::sin(angle)});
        }
        const Light light = PointSource{row.x, row.y};
        const auto recorded = trace(starts, light, row.blades);
        const auto fresh = traceExitRays(kStartLens, row.blades, light, starts);
        ASSERT_EQ(recorded.size(), fresh.size()) << row.x;
        EXPECT_GT(recorded.size(), 50u) << row.x;
        for (std::size_t i = 0; i < fresh.size(); ++i) {
            const ExitRay &r = recorded[i], &f = fresh[i];
            EXPECT_NEAR(std::abs(r.x - f.x) + std::abs(r.y - f.y) + std::abs(r.dx - f.dx) +
                            std::abs(r.dy - f.dy) + std::abs(r.opticalPath - f.opticalPath),
                        0, 1e-9)
                << row.x << " " << i;
        }
    }
}

// The cross, worked by hand for radii 100 about ±99: the rim is at x = 0 and
// estiaki gives 100.
TEST(IdealImage, ThinLensImageOfTheCross) {
    const struct {
        Light light;
        double x, y;
    } rows[] = {{PointSource{-300, 20}, 150, -10},
                {PointSource{300, 20}, -150, -10},
                {ParallelBeam{10, 1}, 100, 10},
                {ParallelBeam{-10, 1}, -100, 10}};
    for (const auto& row : rows) {
        const auto image = idealImage(row.light, {-99, 99, 100, 100, 1.5});
        ASSERT_TRUE(image) << row.x;
        EXPECT_NEAR(std::hypot(image->x - row.x, image->y - row.y), 0, 1e-9) << row.x;
    }
    EXPECT_FALSE(idealImage(PointSource{-100, 5}, {-99, 99, 100, 100, 1.5})) << "at the focus";
    EXPECT_FALSE(idealImage(PointSource{0, 5}, {-99, 99, 100, 100, 1.5})) << "at x = 0";
    EXPECT_FALSE(idealImage(PointSource{-300, 5}, {-99, 99, 100, 100, 1})) << "no focal length";
    EXPECT_FALSE(idealImage(ParallelBeam{0, 1}, {-99, 99, 100, 100, 1.5})) << "across the axis";
    // A source between x = 0 and the rim line, here at −237.5 with f = 1/21
    // of a thousand: u = 187.5, v = f·u/(u − f) = 63.83 on the far side of
    // the lens from the source, whatever the sign of its x.
    const auto across = idealImage(PointSource{-50, 30}, {-300, 0, 100, 250, 2.5});
    ASSERT_TRUE(across);
    EXPECT_NEAR(across->x, -301.3298, 1e-4);
    EXPECT_NEAR(across->y, -10.2128, 1e-4);
}

} // namespace
