#include "optics/spherical/tracer.h"

#include "drawing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace optics::spherical;
using namespace spherical_test;

// One unit a pixel, x from -1200 to 1200, so that dots can be measured.
class SphericalWave : public ::testing::Test {
  protected:
    SphericalWave() { surface.Scale(-1200, 150, 1200, -150); }
    void trace(double x0, double y0, double dx, double dy, double n, Diaphragm d = kOpen) {
        traceWave(surface, state, d, x0, y0, dx, dy, xa, xb, r1, r2, n);
    }
    canvas::Surface surface{2400, 300};
    optics::SharedSource source;
    int& recorded = source.plithosaktinon;
    Poreiaaktinon state{source};
    const WaveRecord& rec = state.record;
};

// Faces found by bisection for the first point inside both discs, directions
// by the vector form of Snell's law: n2 t = n1 i + (n1 cos1 - n2 cos2) normal.
TEST_F(SphericalWave, RecordsThePathOfEachRay) {
    const double c10 = std::cos(std::numbers::pi / 18), s10 = std::sin(std::numbers::pi / 18),
                 t = 160.0 / 220;
    const double rays[][10] = {
        // x0, y0, dx, dy, entry, exit, direction out
        {-200, 0, 1, 0, -70, 0, 50, 0, 1, 0},
        {-200, 0, c10, s10, -66.88544094967679, 23.471688285682163, 46.53736922999252,
         26.087091485102228, 0.9948016256329499, -0.10183184982135704},
        {-10 + 40 * t, 140, 40, -220, 34.9541489508209, 52.75218077048507, -14.117334279807352,
         -83.28269629184723, -0.31918830577429025,
         -0.9476913133805525}}; // from (-10, 300), in by face 1
    state.isepanalipsi = true;
    for (int i = 0; i < 3; ++i) {
        const double* r = rays[i];
        trace(r[0], r[1], r[2], r[3], 1.5);
        ASSERT_EQ(recorded, i + 1);
        EXPECT_NEAR(std::hypot(rec.xentry[i] - r[4], rec.yentry[i] - r[5]), 0, 1e-6) << i;
        EXPECT_NEAR(rec.tentry[i], std::hypot(r[4] - r[0], r[5] - r[1]) / 250, 1e-9) << i;
        EXPECT_NEAR(std::hypot(rec.xexit[i] - r[6], rec.yexit[i] - r[7]), 0, 1e-4) << i;
        EXPECT_NEAR(rec.lenspath[i], std::hypot(r[6] - r[4], r[7] - r[5]), 1e-4) << i;
        EXPECT_NEAR(std::hypot(rec.dxout[i] - r[8], rec.dyout[i] - r[9]), 0, 1e-6) << i;
        EXPECT_TRUE(rec.dxin[i] == r[2] && rec.xstart[i] == r[0] && rec.ystart[i] == r[1]) << i;
    }
}

double sinToNormal(double dx, double dy, double px, double py, double cx) {
    return std::abs(dx * py - dy * (px - cx)) / (std::hypot(dx, dy) * std::hypot(px - cx, py));
}

// At both faces the sines of the angles to the normal are in the ratio n.
TEST_F(SphericalWave, SnellsLawOnTheTracedPoints) {
    const double rays[][6] = {// x0, y0, degrees, n, centre of the entry face, of the exit face
                              {-200, 20, 0, 1.5, xb, xa},  {-200, 70, 0, 1.2, xb, xa},
                              {-200, 0, 15, 1.5, xb, xa},  {-200, 0, -5, 2.5, xb, xa},
                              {-200, -30, 0, 2.0, xb, xa}, {200, 40, 180, 1.5, xa, xb},
                              {-200, 0, 12, 1.0, xb, xa}};
    for (const auto& r : rays) {
        recorded = 0;
        const double a = r[2] * std::numbers::pi / 180;
        trace(r[0], r[1], std::cos(a), std::sin(a), r[3]);
        ASSERT_EQ(recorded, 1) << r[1] << " " << r[2];
        const double in = sinToNormal(rec.dxin[0], rec.dyin[0], rec.xentry[0], rec.yentry[0], r[4]);
        const double glassIn =
            sinToNormal(rec.dxlens[0], rec.dylens[0], rec.xentry[0], rec.yentry[0], r[4]);
        const double glassOut =
            sinToNormal(rec.dxlens[0], rec.dylens[0], rec.xexit[0], rec.yexit[0], r[5]);
        const double out =
            sinToNormal(rec.dxout[0], rec.dyout[0], rec.xexit[0], rec.yexit[0], r[5]);
        EXPECT_GT(in, 0.05);
        EXPECT_NEAR(in, r[3] * glassIn, 1e-6) << r[1] << " " << r[2];
        EXPECT_NEAR(out, r[3] * glassOut, 1e-6) << r[1] << " " << r[2];
        EXPECT_TRUE(r[3] != 1 || std::abs(rec.dyout[0] - std::sin(a)) < 1e-6); // n 1: straight
    }
}

// One circle inside the other: the glass is the inner disc, so a ray enters
// and leaves it on the inner circle, Snell's law holding at both points, and
// gets glass dots. Along y = 10 into the disc of radius 50 about x = 20 the
// sine to the normal is 10/50 at (20 − √2400, 10), 0.2/1.5 inside, and the
// chord 100·cos r long: the ray leaves at (69.89, 3.30).
TEST_F(SphericalWave, NestedCirclesRefractAtTheInnerDisc) {
    struct Nested {
        double xa, xb, radius1, radius2;
        double centre, radius; // of the inner disc
    };
    const Nested lenses[] = {{0, 20, 100, 50, 20, 50}, // circle 2 inside circle 1
                             {0, 50, 20, 100, 0, 20},  // circle 1 inside circle 2
                             {5, 5, 80, 30, 5, 30}};   // concentric
    for (const Nested& l : lenses) {
        for (const double y0 : {10.0, -14.0, 0.0}) {
            recorded = 0;
            surface.Cls();
            double x = -400, y = y0;
            traceWave(surface, state, kOpen, x, y, 1, 0, l.xa, l.xb, l.radius1, l.radius2, 1.5);
            ASSERT_EQ(recorded, 1) << l.centre << " " << y0;
            const double px = rec.xentry[0], py = rec.yentry[0], ex = rec.xexit[0],
                         ey = rec.yexit[0];
            EXPECT_NEAR(px, l.centre - std::sqrt(l.radius * l.radius - y0 * y0), 1e-9);
            EXPECT_NEAR(std::hypot(ex - l.centre, ey), l.radius, 1e-4);
            EXPECT_NEAR(sinToNormal(1, 0, px, py, l.centre),
                        1.5 * sinToNormal(rec.dxlens[0], rec.dylens[0], px, py, l.centre), 1e-6);
            EXPECT_NEAR(sinToNormal(rec.dxout[0], rec.dyout[0], ex, ey, l.centre),
                        1.5 * sinToNormal(rec.dxlens[0], rec.dylens[0], ex, ey, l.centre), 1e-6);
            EXPECT_GT(countColor(surface, kGlassDot), 0);
        }
    }
    recorded = 0;
    double x = -400, y = 10;
    traceWave(surface, state, kOpen, x, y, 1, 0, 0, 20, 100, 50, 1.5);
    EXPECT_NEAR(rec.xentry[0], -28.99, 0.005);
    EXPECT_NEAR(rec.xexit[0], 69.89, 0.005);
    EXPECT_NEAR(rec.yexit[0], 3.30, 0.005);
}

// Dots on the axis worked by hand: the face at -70 lies d0 from the start,
// the glass dots go on with the phase left at the face, 25/n apart; 19 after.
TEST_F(SphericalWave, DotsOnTheAxisAtTheirPhase) {
    const double cases[][8] = {// x0, n, air dots, glass dots, first air, last air, glass, after
                               {-200, 1.5, 6, 7, -200, -75, -70 + 40.0 / 3, 65}, // rho 5, f 0.4
                               {-130, 1.5, 3, 7, -130, -80, -60, 60}, // d0 60: 15/n inside
                               {-1070, 1.5, 20, 7, -1070, -595, -70 + 25 / 1.5, 70}, // 20 only
                               {-200, 1, 6, 5, -200, -75, -50, 75},                  // all 25 apart
                               {-200, 2.5, 6, 12, -200, -75, -62, 70}};              // s0 8, f 0.2
    for (const auto& c : cases) {
        surface.Cls();
        trace(c[0], 0, 1, 0, c[1]);
        const auto air = runCentres(surface, 0, kAirDot), glass = runCentres(surface, 0, kGlassDot),
                   after = runCentres(surface, 0, kOutDot);
        ASSERT_TRUE(air.size() == c[2] && glass.size() == c[3] && after.size() == 19) << c[0];
        EXPECT_NEAR(air.front(), c[4], 1) << c[0];
        EXPECT_NEAR(air.back(), c[5], 1) << c[0];
        EXPECT_NEAR(glass.front(), c[6], 1) << c[0];
        EXPECT_NEAR(glass.back() - glass.front(), (c[3] - 1) * 25 / c[1], 1) << c[0];
        EXPECT_NEAR(after.front(), c[7], 1) << c[0];
        EXPECT_NEAR(after.back() - after.front(), 18 * 25, 1) << c[0];
    }
}

TEST_F(SphericalWave, RaysThatDoNotGetThroughLeaveNoRecord) {
    struct {
        const char* name;
        double x0, y0, n;
        Diaphragm diaphragm;
        bool airDots, glassDots;
    } const cases[] = {
        {"stopped before the lens", -200, 50, 1.5, {-150, 5, -5}, false, false},
        {"misses the lens", -200, 120, 1.5, kOpen, false, false},
        {"starts outside the window", -1300, 0, 1.5, kOpen, false, false},
        {"reflected at the entry: sin 60/90 > 0.5", -200, 60, 0.5, kOpen, true, false},
        {"reflected at the exit: sin 0.847 > 1/1.2", -200, 80, 1.2, kOpen, true, true},
    };
    for (const auto& c : cases) {
        surface.Cls();
        trace(c.x0, c.y0, 1, 0, c.n, c.diaphragm);
        EXPECT_EQ(recorded, 0) << c.name;
        EXPECT_EQ(countColor(surface, kAirDot) > 0, c.airDots) << c.name;
        EXPECT_EQ(countColor(surface, kGlassDot) > 0, c.glassDots) << c.name;
        EXPECT_EQ(countColor(surface, kOutDot), 0) << c.name;
    }
    trace(-200, 50, 1, 0, 1.5, {-300, 5, -5}); // diaphragm behind the start
    trace(-200, 50, 1, 0, 1.5, {100, 5, -5});  // diaphragm beyond the lens
    EXPECT_EQ(recorded, 2);
}

TEST_F(SphericalWave, RecordHoldsRays0To500AndStarts0To50) {
    state.isepanalipsi = true;
    recorded = 50;
    trace(-200, 10, 1, 0, 1.5);
    trace(-190, 20, 1, 0, 1.5); // ray 51: its start is not kept
    EXPECT_TRUE(rec.xstart[50] == -200 && std::abs(rec.yentry[51] - 20) < 1e-9);
    recorded = 500;
    trace(-200, 0, 1, 0, 1.5);
    surface.Cls();
    trace(-200, 30, 1, 0, 1.5); // beyond the record: drawn, not kept
    EXPECT_EQ(recorded, 501);
    EXPECT_NEAR(rec.yentry[500], 0, 1e-9);
    EXPECT_EQ(runCentres(surface, 30, kAirDot).size(), 6u);
    EXPECT_GT(countColor(surface, kOutDot), 0);
}

} // namespace
