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

    void record(const std::vector<RayStart>& starts, sph::Diaphragm diaphragm) {
        source.plithosaktinon = 0;
        for (RayStart s : starts) {
            sph::traceWave(surface, state, diaphragm, s.x, s.y, s.dx, s.dy, kStartLens.xa,
                           kStartLens.xb, kStartLens.radius1, kStartLens.radius2,
                           kStartLens.deiktis);
        }
    }

    SphericalLensData axialBundle(double h) {
        std::vector<RayStart> starts;
        for (int k = 20; k >= -20; --k) {
            starts.push_back({-200, h * k / 20, 1, 0});
        }
        const Light beam = ParallelBeam{1, 0};
        return sphericalLensData(kStartLens, beam, traceExitRays(kStartLens, kOpen, beam, starts));
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

// Traced afresh, the rays are those the record holds, without the rounding
// of its single-precision directions: a narrow fan through the diaphragm, and
// whole fans from outside both circles, from inside one of them and from
// inside the glass, most of whose rays miss the lens or run away from it.
TEST_F(RecordedRays, FreshTraceIsTheRecordInDoublePrecision) {
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
        record(starts, row.blades);
        const auto fresh = traceExitRays(kStartLens, row.blades, light, starts);
        ASSERT_EQ(std::size_t(source.plithosaktinon), fresh.size()) << row.x;
        EXPECT_GT(fresh.size(), 50u) << row.x;
        const sph::WaveRecord& r = state.record;
        for (std::size_t i = 0; i < fresh.size(); ++i) {
            const ExitRay& f = fresh[i];
            const double path =
                airPathTo(light, r.xentry[i], r.yentry[i]) + kStartLens.deiktis * r.lenspath[i];
            EXPECT_NEAR(std::abs(r.xexit[i] - f.x) + std::abs(r.yexit[i] - f.y) +
                            std::abs(r.dxout[i] - f.dx) + std::abs(r.dyout[i] - f.dy) +
                            std::abs(path - f.opticalPath),
                        0, 1e-4)
                << row.x << " " << i;
        }
    }
}

// The lens data's rays are an exact trace of the light that gets out: a
// fine fan close to the start lens (the record's single-precision directions
// moved its spot by 1e-3), and a bundle into glass of index 0.4, which takes
// a ray in only while sin i = (its distance from the centre) / R < n: at
// h = ±40 the refracted ray would run along the face.
TEST(LensDataRays, AreAnExactTraceOfTheLightThatGetsOut) {
    const double fineStep = std::acos(-1.0) * 5 / 150;
    std::vector<RayStart> fan, bundle;
    for (int i = 0; i < sph::fanDirections(fineStep); ++i)
        if (const double t = sph::fanAngleRad(i, fineStep); std::abs(t) < 0.5) // inside the rim
            fan.push_back({-110, 0, std::cos(t), std::sin(t)});
    for (int k = 200; k >= -200; k -= 20)
        bundle.push_back({-200, double(k), 1, 0});
    const struct {
        SphericalLens lens;
        Circle front, back;
        Light light;
        const std::vector<RayStart>& starts;
    } rows[] = {{kStartLens, kFront, kBack, PointSource{-110, 0}, fan},
                {{-20, 20, 100, 100, 0.4}, {20, 100}, {-20, 100}, ParallelBeam{1, 0}, bundle}};
    for (const auto& row : rows) {
        std::vector<ExitRay> exact;
        for (const RayStart& s : row.starts) {
            const double sinI = std::abs(s.dx * s.y - s.dy * (s.x - row.front.cx)) / row.front.r;
            const auto out =
                traceLens({{s.x, s.y}, {s.dx, s.dy}}, row.front, row.back, row.lens.deiktis);
            if (out && sinI < row.lens.deiktis)
                exact.push_back({out->p.x, out->p.y, out->d.x, out->d.y, 0, s.y});
        }
        const auto expected = smallestSpot(beamOf(exact));
        const SphericalLensData data = sphericalLensData(
            row.lens, row.light, traceExitRays(row.lens, kOpen, row.light, row.starts));
        ASSERT_EQ(data.beam.rays, int(exact.size())) << row.lens.deiktis;
        ASSERT_TRUE(expected && data.beam.spot) << row.lens.deiktis;
        EXPECT_NEAR(std::abs(data.beam.spot->x - expected->x) +
                        std::abs(data.beam.spot->y - expected->y) +
                        std::abs(data.beam.spot->diameter - expected->diameter),
                    0, 1e-8)
            << row.lens.deiktis;
        const ExitRay& top = exact.front();
        if (data.axialFoci) {
            EXPECT_NEAR(*data.axialFoci->marginalFocus,
                        axisCrossing({{top.x, top.y}, {top.dx, top.dy}}), 1e-9);
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
