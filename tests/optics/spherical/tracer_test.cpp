#include "optics/spherical/tracer.h"

#include "drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

namespace {

using namespace optics::spherical;
using namespace spherical_test;

// 400 x 301 pixels in the workbench's scale: about 1.7 units a pixel, the
// axis through the middle of pixel row 150.
class SphericalTracers : public ::testing::Test {
  protected:
    canvas::Surface surface = workbenchSurface(400, 301);
    optics::SharedSource source;
    Poreiaaktinon state{source};
};

// Horizontal rays: each piece in the colour of what ends it.
TEST_F(SphericalTracers, RayPiecesInTheirColours) {
    struct {
        const char* name;
        double x0, y0, n;
        Diaphragm diaphragm;
        double probeX, probeY;
        canvas::Color probe;
        std::vector<canvas::Color> present, absent;
        double endCentre, endRadius; // x0, y0 end on this circle; radius 0: at the start
    } const cases[] = {
        // clang-format off
        {"through the lens", -200, 10, 1.5, kOpen, -150, 10, kMagenta, {kRed, kPink},
         {kBlack, kBlue}, xa, r1},
        {"missing it", -200, 150, 1.5, kOpen, 300, 150, kBlack, {}, {kRed, kMagenta, kPink}, 0, 0},
        {"stopped", -200, 50, 1.5, {-150, 5, -5}, -175, 50, kBlue, {}, {kMagenta, kRed, kBlack},
         0, 0},
        {"lens before the diaphragm", -200, 50, 1.5, {100, 5, -5}, -150, 50, kBlue, {},
         {kMagenta, kRed}, xa, r1},
        {"reflected entering n 0.5", -200, 60, 0.5, kOpen, -150, 60, kMagenta, {}, {kRed, kPink},
         xb, r2},
        {"from inside the glass", 0, 5, 1.5, kOpen, 25, 5, kRed, {kPink}, {kMagenta}, xa, r1},
        {"start outside the window", -400, 0, 1.5, kOpen, 0, 0, kWhite, {},
         {kRed, kMagenta, kPink, kBlack}, 0, 0},
        // clang-format on
    };
    for (const auto& c : cases) {
        surface.Cls();
        double x = c.x0, y = c.y0;
        traceRay(surface, c.diaphragm, x, y, 1, 0, xa, xb, r1, r2, c.n);
        EXPECT_EQ(colorAt(surface, c.probeX, c.probeY), c.probe) << c.name;
        EXPECT_EQ(colorAt(surface, c.x0 - 30, c.y0), kWhite) << c.name; // nothing behind
        for (canvas::Color color : c.present) {
            EXPECT_GT(countColor(surface, color), 40) << c.name;
        }
        for (canvas::Color color : c.absent) {
            EXPECT_EQ(countColor(surface, color), 0) << c.name;
        }
        const double end =
            c.endRadius > 0 ? std::hypot(x - c.endCentre, y) - c.endRadius : x - c.x0;
        EXPECT_NEAR(end, 0, 1e-6) << c.name;
    }
}

TEST_F(SphericalTracers, SingleRay) {
    double x = -200, y = 0;
    singleRay(surface, x, y, 1, 0, xa, xb, r1, r2, 1.5); // along the axis, to the edge
    EXPECT_EQ(x, 50);                                    // through both faces
    const int from = static_cast<int>(surface.toPixelX(-200)) + 1;
    for (int px = from; px < surface.widthPx(); ++px) {
        ASSERT_EQ(surface.pixel(px, 150), kRed) << px;
    }
    EXPECT_EQ(countColor(surface, kRed), surface.widthPx() - from + 1);
    // n 2.5 at height 50: inside, face 1 is met at (49.484, 10.146) with sin
    // 0.4498 to its normal, above 1/2.5. Nothing is drawn beyond.
    surface.Cls();
    x = -200;
    y = 50;
    singleRay(surface, x, y, 1, 0, xa, xb, r1, r2, 2.5);
    EXPECT_NEAR(std::hypot(x - 49.48400887075711, y - 10.145539857647819), 0, 1e-5);
    int beyond = 0;
    for (int px = static_cast<int>(surface.toPixelX(53)); px < surface.widthPx(); ++px) {
        for (int py = 0; py < surface.heightPx(); ++py) {
            beyond += surface.pixel(px, py) == kRed;
        }
    }
    EXPECT_EQ(beyond, 0);
    EXPECT_GT(countColor(surface, kRed), 100);
    surface.Cls();
    singleRay(surface, x, y, 0, 0, xa, xb, r1, r2, 1.5); // no direction
    EXPECT_EQ(countColor(surface, kWhite), 400 * 301);
}

// The angles at each face of the single ray, measured on its path alone:
// the chords that arrive at and leave a hit against the radius there, and
// Snell's law n_in·sin(i) = n_out·sin(r) between them. A ray is totally
// reflected where it would leave the denser medium beyond the critical angle.
TEST_F(SphericalTracers, SingleRayAnglesFollowSnellsLaw) {
    const struct {
        const char* name;
        double y0, dy, n;
        std::size_t faces;
        bool reflected;
    } rows[] = {
        {"along the axis", 0, 0, 1.5, 2, false},          {"parallel at 40", 40, 0, 1.5, 2, false},
        {"slanting down", 60, -0.3, 1.5, 2, false},       {"no glass at n 1", 30, 0.1, 1, 2, false},
        {"glass thinner than air", 20, 0, 0.6, 2, false}, {"reflected inside", 50, 0, 2.5, 2, true},
        {"reflected entering", 60, 0, 0.5, 1, true},
    };
    constexpr double kDeg = 180 / std::numbers::pi;
    for (const auto& row : rows) {
        const SingleRayPath path = singleRayPath({xa, xb, r1, r2, row.n}, -200, row.y0, 1, row.dy);
        ASSERT_EQ(path.crossings.size(), row.faces) << row.name;
        EXPECT_EQ(path.reflected, row.reflected) << row.name;
        const std::optional<double> critical = criticalAngleDeg(row.n);
        EXPECT_EQ(critical.has_value(), row.n != 1) << row.name;
        double x = -200, y = row.y0;
        for (std::size_t k = 0; k < path.crossings.size(); ++k) {
            const FaceCrossing& c = path.crossings[k];
            const double cx = c.face == 1 ? xa : xb;
            const auto toRadius = [&](double ux, double uy) {
                const double cosine =
                    (ux * (c.x - cx) + uy * c.y) / std::hypot(ux, uy) / std::hypot(c.x - cx, c.y);
                return std::acos(std::min(1.0, std::abs(cosine))) * kDeg;
            };
            EXPECT_NEAR(c.incidenceDeg, toRadius(c.x - x, c.y - y), 1e-4) << row.name << k;
            const bool last = k + 1 == path.crossings.size();
            if (!last) {
                const FaceCrossing& next = path.crossings[k + 1];
                EXPECT_NEAR(*c.refractionDeg, toRadius(next.x - c.x, next.y - c.y), 1e-4) << k;
            }
            const double nIn = c.intoGlass ? 1 : row.n, nOut = c.intoGlass ? row.n : 1;
            const double sinIn = nIn * std::sin(c.incidenceDeg / kDeg);
            EXPECT_EQ(!c.refractionDeg, row.reflected && last) << row.name << k;
            EXPECT_EQ(!c.refractionDeg, sinIn > nOut) << row.name << k;
            EXPECT_EQ(!c.refractionDeg, nIn > nOut && c.incidenceDeg > critical.value_or(90)) << k;
            if (c.refractionDeg) {
                EXPECT_NEAR(sinIn, nOut * std::sin(*c.refractionDeg / kDeg), 1e-6) << row.name << k;
            }
            x = c.x;
            y = c.y;
        }
    }
}

TEST_F(SphericalTracers, PointBundleSendsInt360OverStepPlusOneRays) {
    const double cases[][2] = {
        {5, 73},  {std::numbers::pi * 30 / 20, 77}, {360, 2}, {400, 1}, {0, 0}, {-5, 0}, {NAN, 0},
        {1e-9, 0}};
    for (const auto& c : cases) {
        state.anglestep = c[0];
        int calls = 0, away = 0;
        const IdealImageMark mark = [&](double x00, double y00, double, double, double, double) {
            ++calls;
            away += x00 != -200 || y00 != 30;
        };
        double x = -200, y = 30;
        pointBundle(surface, state, {kOpen, false, false, 150}, mark, xa, xb, r1, r2, x, y);
        EXPECT_EQ(calls, c[1]) << c[0];
        EXPECT_TRUE(away == 0 && x == -200 && y == 30); // every ray from the source
    }
    // Only waves from (-200, 0): the rim lies 23.8 degrees off the axis and
    // circle 2 is missed beyond 24.2, so the nine rays -20..20 get through.
    surface.Cls();
    state.anglestep = 5;
    source.plithosaktinon = 40;
    double x = -200, y = 0;
    pointBundle(surface, state, {kOpen, false, true, 150}, {}, xa, xb, r1, r2, x, y);
    EXPECT_EQ(source.plithosaktinon, 9);
    EXPECT_EQ(countColor(surface, kMagenta) + countColor(surface, kBlack), 0); // no rays
}

// Huge, infinite and NaN numbers anywhere end promptly with nothing recorded.
TEST_F(SphericalTracers, AnyNumberIsSafe) {
    state.anglestep = 30;
    for (double v : {double(NAN), double(INFINITY), -1e300, 1e300, 1e-300}) {
        double x = v, y = 0;
        traceRay(surface, kOpen, x, y, 1, 0, xa, xb, r1, r2, 1.5);
        traceWave(surface, state, kOpen, x, y, v, 1, v, xb, v, r2, v);
        singleRay(surface, x, y, v, v, xa, xb, r1, r2, v);
        pointBundle(surface, state, {kOpen, true, false, 150}, {}, xa, v, r1, v, x, y);
        EXPECT_EQ(source.plithosaktinon, 0) << v;
    }
    double x = -200, y = 5;
    traceWave(surface, state, kOpen, x, y, 1, 0, xa, xb, r1, r2, 1.5); // still working
    EXPECT_EQ(source.plithosaktinon, 1);
}

} // namespace
