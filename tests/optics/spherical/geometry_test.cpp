#include "optics/spherical/geometry.h"
#include "optics/spherical/workbench.h"

#include "drawing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace optics::spherical;
using namespace spherical_test;

TEST(SphericalGeometry, ArcsineFocalLengthAndCrossings) {
    EXPECT_DOUBLE_EQ(*toksimitono(1), std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(*toksimitono(-1), -std::numbers::pi / 2);
    EXPECT_FALSE(toksimitono(1.2) || toksimitono(-1.2) || toksimitono(NAN));
    EXPECT_NEAR(*estiaki(100, 90, 1.5), 1800.0 / 19, 1e-12); // 1/f = 0.5 (1/100 + 1/90)
    EXPECT_FALSE(estiaki(100, 90, 1) || estiaki(0, 90, 1.5) || estiaki(100, -100, 1.5));
    const LensCrossing c = kykloikykloi(5, 4, 3); // the 3-4-5 triangle
    EXPECT_TRUE(c.found && c.x1 == 3.2 && c.y1 == 2.4 && c.y2 == -2.4);
    EXPECT_FALSE(kykloikykloi(0, 4, 4).found || kykloikykloi(10, 3, 4).found);
    const LensCrossing rim = xordi(xa, xb, r1, r2); // a = ((100^2 - 90^2)/70 + 70)/2 = 340/7
    EXPECT_TRUE(rim.found);
    EXPECT_NEAR(rim.x1, -10.0 / 7, 1e-12);
    EXPECT_NEAR(rim.y2, -87.41176309016203, 1e-9);
    EXPECT_FALSE(xordi(20, 20, r1, r2).found || xordi(0, 500, r1, r2).found);
    const PointF u = unitDirection(3, 4, 0, 0, 0);
    EXPECT_TRUE(u.x == 0 && u.y == 0); // d = 0
}

TEST(SphericalGeometry, LineAndCircle) {
    struct {
        const char* name;
        double xc, r, dx, dy, x0, y0;
        bool found;
        double x1, y1, x2, y2;
    } const cases[] = {
        {"chord, larger x first", 0, 5, -2, 0, -10, 3, true, 4, 3, -4, 3},
        {"vertical through centre", 20, 90, 0, 1, 20, -200, true, 20, 90, 20, -90},
        {"diagonal", 0, 5, 3, 4, 0, 0, true, 3, 4, -3, -4},
        {"tangent is a miss", 0, 5, 1, 0, -10, 5, false, -10, 5, -10, 5},
        {"no direction", 0, 5, 0, 0, 1, 1, false, 0, 0, 0, 0},
    };
    for (const auto& t : cases) {
        const LensCrossing c = eytheiakyklos(t.xc, 0, t.r, t.dx, t.dy, t.x0, t.y0);
        EXPECT_EQ(c.found, t.found) << t.name;
        EXPECT_NEAR(std::hypot(c.x1 - t.x1, c.y1 - t.y1), 0, 1e-12) << t.name;
        EXPECT_NEAR(std::hypot(c.x2 - t.x2, c.y2 - t.y2), 0, 1e-12) << t.name;
    }
}

TEST(SphericalGeometry, DiaphragmAndBorder) {
    struct {
        double y0, dx, dy;
        bool stopped;
        float x, y;
    } const stops[] = {{0, 1, 0, false, -200, 0},   // through the opening: the start back
                       {0, 1, 0.5, true, -150, 25}, // meets the line at 25, above 5
                       {50, 0, 1, true, -150, 50}};
    for (const auto& c : stops) {
        const DiaphragmResult r = diaphragmStop(-150, 5, -5, -200, c.y0, c.dx, c.dy);
        EXPECT_TRUE(r.stopped == c.stopped && r.x == c.x && r.y == c.y) << c.y0 << " " << c.dy;
    }
    canvas::Surface surface(400, 200);
    surface.Scale(-200, 100, 200, -100);
    struct {
        double dx, dy;
        float x, y;
    } const exits[] = {{2, 1, 200, 100}, // the corner: on the vertical edge
                       {-1, 1, -100, 100},
                       {-4, -1, -200, -50},
                       {0, -3, 0, -100},
                       {0, 0, 0, 0}};
    for (const auto& c : exits) {
        const PointF p = borderExit(surface, 0, 0, c.dx, c.dy);
        EXPECT_TRUE(p.x == c.x && p.y == c.y) << c.dx << "," << c.dy << ": " << p.x << "," << p.y;
    }
    const PointF corner = screenPoint(surface, -200, 100), q = screenPoint(surface, 100, -50);
    EXPECT_TRUE(corner.x == 0 && corner.y == 1 && q.x == 0.75f && q.y == 0.25f);
}

TEST(SphericalGeometry, BladeClampPullsATipInsideTheGlassToTheSurface) {
    canvas::Surface surface(400, 300);
    // Upper: Value = Int(200 s / -400); lower, whose bar spans the whole height:
    // Int(100 s / -400), so that its handler puts the tip back at s.
    surface.Scale(-300, 200, 300, -200);
    struct {
        double X, Y;
        int upper, lower;
        double s; // sqrt(100^2 - 50^2) right of the rim, sqrt(90^2 - 40^2) left of it
    } const cases[] = {{0, 10, -44, 21, 86.60254037844386}, {-20, 0, -41, 20, 80.62257748298549}};
    for (const auto& c : cases) {
        const auto upper = clampUpperBlade(surface, c.X, c.Y, {xa, xb, r1, r2});
        const auto lower = clampLowerBlade(surface, c.X, c.Y, {xa, xb, r1, r2});
        ASSERT_TRUE(upper && lower) << c.X;
        EXPECT_EQ(upper->scrollValue, c.upper);
        EXPECT_EQ(lower->scrollValue, c.lower);
        EXPECT_NEAR(upper->tipY, c.s, 1e-9);
        EXPECT_NEAR(lower->tipY, -c.s, 1e-9);
    }
    EXPECT_FALSE(clampUpperBlade(surface, 0, 95, {xa, xb, r1, r2})); // above the glass
    // Circle 1 (radius 20 about 0) inside circle 2: the glass is its disc.
    const auto nested = clampUpperBlade(surface, -5, 0, {0, 50, 20, 100});
    ASSERT_TRUE(nested);
    EXPECT_NEAR(nested->tipY, std::sqrt(20 * 20 - 5 * 5), 1e-9);
}

// The workbench's own geometry: each face's arc runs between the rim points,
// also when the rim lies beyond circle 2's centre (face 2 more than half its
// circle); the bundle's starts are evenly spaced on one line through
// (−200, 0); the fill seed lies inside both discs, or there is none.
TEST(SphericalGeometry, WorkbenchFaceArcsBundleStartsAndFillSeed) {
    for (const SphericalLens lens :
         {SphericalLens{xa, xb, r1, r2}, SphericalLens{0, 30, 100, 80}}) {
        const LensCrossing rim = xordi(lens.xa, lens.xb, lens.radius1, lens.radius2);
        const FaceArcs arcs = faceArcs(lens, rim);
        const auto expectRimAt = [&](double xc, double r, double angle, double y) {
            EXPECT_TRUE(angle >= 0 && angle <= 2 * std::numbers::pi) << angle;
            EXPECT_NEAR(xc + r * std::cos(angle), rim.x1, 1e-9) << lens.xb;
            EXPECT_NEAR(r * std::sin(angle), y, 1e-9) << lens.xb;
        };
        expectRimAt(lens.xa, lens.radius1, arcs.arc1end, rim.y1);
        expectRimAt(lens.xa, lens.radius1, arcs.arc1start, -rim.y1);
        expectRimAt(lens.xb, lens.radius2, arcs.arc2start, rim.y1);
        expectRimAt(lens.xb, lens.radius2, arcs.arc2end, -rim.y1);
    }
    const std::vector<optics::Point> starts = bundleStarts(0.3, 8);
    ASSERT_EQ(starts.size(), 9u); // both ends kept
    EXPECT_NEAR(starts[4].x, -200, 1e-12);
    EXPECT_NEAR(starts[4].y, 0, 1e-12);
    for (std::size_t i = 1; i < starts.size(); ++i) {
        EXPECT_NEAR(starts[i].x - starts[i - 1].x, starts[1].x - starts[0].x, 1e-9);
        EXPECT_NEAR(starts[i].y - starts[i - 1].y, starts[1].y - starts[0].y, 1e-9);
    }
    const canvas::Surface surface = workbenchSurface(600, 600);
    const std::optional<Pixel> seed = lensSeed(surface, {xa, xb, r1, r2});
    ASSERT_TRUE(seed);
    const canvas::UserPoint p = surface.toUser(seed->x + 0.5, seed->y + 0.5);
    EXPECT_LT(std::hypot(p.x - xa, p.y), r1 - 2);
    EXPECT_LT(std::hypot(p.x - xb, p.y), r2 - 2);
    EXPECT_FALSE(lensSeed(surface, {950, 1020, 100, 90})); // wholly right of the window
}

// Which drag handle lies under the pointer, on a 600 × 600 workbench
// (blades grabbed within 5 units, the centres within r/20, the vertices
// within r/20 across).
TEST(SphericalGeometry, HandleUnderThePointer) {
    const canvas::Surface surface = workbenchSurface(600, 600);
    const canvas::LineControl upper{-100, 200, -100, 80}, lower{-100, -200, -100, -80};
    const struct {
        double x, y;
        Handle handle;
    } cases[] = {{-100, 100, Handle::UpperBlade}, {-96, -150, Handle::LowerBlade},
                 {-100, 0, Handle::None},         {-50, 4.9, Handle::Centre1},
                 {-50, 5.1, Handle::None},        {20, -4, Handle::Centre2},
                 {50, 30, Handle::Vertex1},       {-70, 60, Handle::Vertex2},
                 {-94, 100, Handle::None},        {20, 4.6, Handle::None}};
    for (const auto& c : cases)
        EXPECT_EQ(handleAt(surface, upper, lower, {xa, xb, r1, r2}, c.x, c.y), c.handle)
            << c.x << "," << c.y;
}

} // namespace
