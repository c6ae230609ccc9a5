#include "optics/lensdata/object_image.h"

#include "exact_trace.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace optics::lensdata;
using namespace lensdata_test;
using Kind = ObjectImage::Kind;

// The image by the product of the paraxial matrices in (height, angle) from
// the object to the first vertex, across the glass and out: the image plane
// is where the height no longer depends on the angle, and the magnification
// is the matrix's first element there. Light towards −x is worked in the
// mirror x → −x, where the back face comes first.
struct MatrixImage {
    double x, m;
};
MatrixImage byMatrices(const Circle& front, const Circle& back, double n, double x, int travel) {
    const double v1 = travel > 0 ? front.cx - front.r : -(back.cx + back.r);
    const double v2 = travel > 0 ? back.cx + back.r : -(front.cx - front.r);
    const double r1 = travel > 0 ? front.r : back.r, r2 = travel > 0 ? -back.r : -front.r;
    double a = 1, b = v1 - travel * x, c = 0, d = 1; // to the first vertex
    const auto refract = [&](double power, double before, double after) {
        c = (before * c - power * a) / after; // angle' = (n·angle − P·height)/n'
        d = (before * d - power * b) / after;
    };
    const auto travelIn = [&](double length) {
        a += length * c;
        b += length * d;
    };
    refract((n - 1) / r1, 1, n);
    travelIn(v2 - v1);
    refract((1 - n) / r2, n, 1);
    const double beyond = -b / d;
    return {travel * (v2 + beyond), a + beyond * c};
}

// Where two rays from the tip, a hundredth of a milliradian either side of
// the axis's direction, meet after an exact trace: lines, so a virtual
// image is where their extensions meet.
std::optional<Vec> exactImage(const Circle& front, const Circle& back, double n, Vec tip,
                              int travel) {
    std::optional<Ray> out[2];
    for (int k = 0; k < 2; ++k) {
        const double slope = k == 0 ? 1e-5 : -1e-5, norm = std::hypot(1.0, slope);
        const Ray in{tip, {travel / norm, slope / norm}};
        out[k] = travel > 0 ? traceLens(in, front, back, n) : traceLens(in, back, front, n);
        if (!out[k])
            return std::nullopt;
    }
    const Ray& p = *out[0];
    const Ray& q = *out[1];
    const double t =
        ((q.p.x - p.p.x) * q.d.y - (q.p.y - p.p.y) * q.d.x) / (p.d.x * q.d.y - p.d.y * q.d.x);
    return Vec{p.p.x + t * p.d.x, p.p.y + t * p.d.y};
}

// The image of the thick lens against the matrices and an exact trace near
// the axis (the tip 1e-4 above it there, the magnification as a ratio), and
// the places where there is no image to draw.
TEST(ObjectImage, MatchesTheMatricesAndAnExactTraceNearTheAxis) {
    const struct {
        const char* name;
        double xa, xb, r1, r2, n;
        Circle front, back;
        double x, y;
        Kind kind;
    } rows[] = {
        {"start lens, far object",
         -50,
         20,
         100,
         90,
         1.5,
         {20, 90},
         {-50, 100},
         -300,
         40,
         Kind::Real},
        {"start lens, inside F: virtual",
         -50,
         20,
         100,
         90,
         1.5,
         {20, 90},
         {-50, 100},
         -100,
         30,
         Kind::Virtual},
        {"start lens, from the right",
         -50,
         20,
         100,
         90,
         1.5,
         {20, 90},
         {-50, 100},
         320,
         -20,
         Kind::Real},
        {"index 0.4 diverges",
         -80,
         30,
         120,
         70,
         0.4,
         {30, 70},
         {-80, 120},
         -200,
         30,
         Kind::Virtual},
        {"ball lens", 0, 0, 80, 80, 1.8, {0, 80}, {0, 80}, -300, 10, Kind::Real},
        {"thin lens, at 2f", -99, 99, 100, 100, 1.5, {99, 100}, {-99, 100}, -201, 5, Kind::Real},
    };
    for (const auto& row : rows) {
        const auto lens = thickLens({row.xa, row.xb, row.r1, row.r2, row.n});
        ASSERT_TRUE(lens) << row.name;
        const auto image = objectImage(*lens, {row.x, row.y});
        ASSERT_TRUE(image) << row.name;
        EXPECT_EQ(image->kind, row.kind) << row.name;
        const int travel = row.x < 0 ? 1 : -1;
        EXPECT_EQ(image->direction, travel) << row.name;
        const MatrixImage matrix = byMatrices(row.front, row.back, row.n, row.x, travel);
        const double tolerance = 1e-9 * std::abs(image->focalLength);
        EXPECT_NEAR(image->imageTip.x, matrix.x, tolerance) << row.name;
        EXPECT_NEAR(image->magnification, matrix.m, 1e-9) << row.name;
        EXPECT_NEAR(image->imageTip.y, matrix.m * row.y, 1e-9 * std::abs(row.y)) << row.name;
        EXPECT_NEAR(1 / image->objectDistance + 1 / image->imageDistance, 1 / image->focalLength,
                    1e-12)
            << row.name;
        const auto traced = exactImage(row.front, row.back, row.n, {row.x, 1e-4}, travel);
        ASSERT_TRUE(traced) << row.name;
        EXPECT_NEAR(image->imageTip.x, traced->x, 1e-3 * std::abs(image->focalLength)) << row.name;
        EXPECT_NEAR(image->magnification, traced->y / 1e-4, 1e-3) << row.name;
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
