#include "optics/lensdata/object_image.h"

#include "exact_trace.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace optics::lensdata;
using namespace lensdata_test;
using Kind = ObjectImage::Kind;

// (x, m) of the image by the product of the paraxial matrices in (height,
// angle): the image plane is where the height no longer depends on the
// angle. Light towards −x is worked in the mirror x → −x.
Vec byMatrices(const Circle& front, const Circle& back, double n, double x, int travel) {
    const double v1 = travel > 0 ? front.cx - front.r : -(back.cx + back.r);
    const double v2 = travel > 0 ? back.cx + back.r : -(front.cx - front.r);
    const double r1 = travel > 0 ? front.r : back.r, r2 = travel > 0 ? -back.r : -front.r;
    double a = 1, b = v1 - travel * x, c = 0, d = 1; // to the first vertex
    const auto refract = [&](double power, double before, double after) {
        c = (before * c - power * a) / after; // angle' = (n·angle − P·height)/n'
        d = (before * d - power * b) / after;
    };
    refract((n - 1) / r1, 1, n);
    a += (v2 - v1) * c; // across the glass
    b += (v2 - v1) * d;
    refract((1 - n) / r2, n, 1);
    const double beyond = -b / d;
    return {travel * (v2 + beyond), a + beyond * c};
}

// Where two rays from the tip 1e-5 either side of the axis's direction meet
// after an exact trace, their lines extended for a virtual image.
Vec exactImage(const Circle& front, const Circle& back, double n, Vec tip, int travel) {
    Ray out[2];
    for (int k = 0; k < 2; ++k) {
        const double slope = k == 0 ? 1e-5 : -1e-5, norm = std::hypot(1.0, slope);
        const Ray in{tip, {travel / norm, slope / norm}};
        out[k] = *(travel > 0 ? traceLens(in, front, back, n) : traceLens(in, back, front, n));
    }
    const Ray &p = out[0], &q = out[1];
    const double t =
        ((q.p.x - p.p.x) * q.d.y - (q.p.y - p.p.y) * q.d.x) / (p.d.x * q.d.y - p.d.y * q.d.x);
    return Vec{p.p.x + t * p.d.x, p.p.y + t * p.d.y};
}

// The image against the matrices and an exact trace near the axis (the tip
// 1e-4 above it), and the places where there is no image to draw.
TEST(ObjectImage, MatchesTheMatricesAndAnExactTraceNearTheAxis) {
    const struct {
        double xa, xb, r1, r2, n;
        Circle front, back;
    } lenses[] = {
        {-50, 20, 100, 90, 1.5, {20, 90}, {-50, 100}},   // the start lens
        {-80, 30, 120, 70, 0.4, {30, 70}, {-80, 120}},   // index 0.4: diverging
        {0, 0, 80, 80, 1.8, {0, 80}, {0, 80}},           // a ball
        {-99, 99, 100, 100, 1.5, {99, 100}, {-99, 100}}, // thin
    };
    const struct {
        const char* name;
        int lens;
        double x, y;
        Kind kind;
    } rows[] = {
        {"far object", 0, -300, 40, Kind::Real},     {"inside F", 0, -100, 30, Kind::Virtual},
        {"from the right", 0, 320, -20, Kind::Real}, {"diverging", 1, -200, 30, Kind::Virtual},
        {"ball lens", 2, -300, 10, Kind::Real},      {"thin lens, at 2f", 3, -201, 5, Kind::Real},
    };
    for (const auto& row : rows) {
        const auto& l = lenses[row.lens];
        const auto image = objectImage(*thickLens({l.xa, l.xb, l.r1, l.r2, l.n}), {row.x, row.y});
        ASSERT_TRUE(image) << row.name;
        EXPECT_EQ(image->kind, row.kind) << row.name;
        const int travel = row.x < 0 ? 1 : -1;
        const Vec matrix = byMatrices(l.front, l.back, l.n, row.x, travel);
        EXPECT_NEAR(image->imageTip.x, matrix.x, 1e-9 * std::abs(image->focalLength)) << row.name;
        EXPECT_NEAR(image->imageTip.y, matrix.y * row.y, 1e-9 * std::abs(row.y)) << row.name;
        const Vec traced = exactImage(l.front, l.back, l.n, {row.x, 1e-4}, travel);
        EXPECT_NEAR(image->imageTip.x, traced.x, 1e-3 * std::abs(image->focalLength)) << row.name;
        EXPECT_NEAR(image->magnification, traced.y / 1e-4, 1e-3) << row.name;
    }
    // Nothing false to draw: the object at a focus, in the glass, before a
    // lens without power, far off or not a number.
    const auto start = *thickLens({-50, 20, 100, 90, 1.5});
    EXPECT_EQ(objectImage(start, {start.foci->frontFocus, 30})->kind, Kind::AtInfinity);
    EXPECT_EQ(objectImage(start, {0, 30})->kind, Kind::InLens);
    EXPECT_EQ(objectImage(*thickLens({-50, 20, 100, 90, 1}), {-300, 30})->kind, Kind::NoFoci);
    const auto far = objectImage(start, {-1e300, 1e300});
    EXPECT_EQ(far->kind, Kind::Real);
    EXPECT_NEAR(far->imageTip.x, start.foci->backFocus, 1e-9);
    EXPECT_FALSE(objectImage(start, {NAN, 30}));
    EXPECT_FALSE(objectImage(start, {-300, INFINITY}));
}

} // namespace
