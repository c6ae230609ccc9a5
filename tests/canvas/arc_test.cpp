#include "canvas/arc.h"
#include "canvas/surface.h"
#include "picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>

namespace canvas {
namespace {

using testing::countOf;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Offsets of the black pixels from the centre pixel, y up.
struct Offsets {
    int count = 0;
    int minDx = 1 << 30, maxDx = -(1 << 30);
    int minDy = 1 << 30, maxDy = -(1 << 30);
};

Offsets blackOffsets(const Surface& s, int cx, int cy) {
    Offsets o;
    for (int y = 0; y < s.heightPx(); ++y) {
        for (int x = 0; x < s.widthPx(); ++x) {
            if (s.pixel(x, y) != colors::black)
                continue;
            ++o.count;
            o.minDx = std::min(o.minDx, x - cx);
            o.maxDx = std::max(o.maxDx, x - cx);
            o.minDy = std::min(o.minDy, cy - y);
            o.maxDy = std::max(o.maxDy, cy - y);
        }
    }
    return o;
}

struct AnglesCase {
    const char* name;
    double start, end;
    bool valid;
    double startRad, sweepRad;
    bool startRadius, endRadius;
};

class ArcAnglesRead : public ::testing::TestWithParam<AnglesCase> {};

TEST_P(ArcAnglesRead, AsTheCircleStatementMeansThem) {
    const AnglesCase& c = GetParam();
    const auto angles = arcAngles(c.start, c.end);
    ASSERT_EQ(angles.has_value(), c.valid);
    if (!c.valid)
        return;
    EXPECT_NEAR(angles->startRad, c.startRad, 1e-12);
    EXPECT_NEAR(angles->sweepRad, c.sweepRad, 1e-12);
    EXPECT_EQ(angles->startRadius, c.startRadius);
    EXPECT_EQ(angles->endRadius, c.endRadius);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ArcAnglesRead,
    ::testing::Values(
        AnglesCase{"QuarterTurn", 0, std::numbers::pi / 2, true, 0, std::numbers::pi / 2, false,
                   false},
        AnglesCase{"WrapsThroughZero", 5.5, 0.5, true, 5.5, 2 * std::numbers::pi - 5, false, false},
        AnglesCase{"NegativeStartAddsItsRadius", -1, 2, true, 1, 1, true, false},
        AnglesCase{"NegativeEndAddsItsRadius", 1, -2, true, 1, 1, false, true},
        AnglesCase{"ZeroToFullTurn", 0, 2 * std::numbers::pi, true, 0, 2 * std::numbers::pi, false,
                   false},
        AnglesCase{"EqualEndsAreTheWholeCircle", 1, 1, true, 1, 2 * std::numbers::pi, false, false},
        AnglesCase{"SinglePrecisionFullTurn", 0, 6.2831855, true, 0, 2 * std::numbers::pi, false,
                   false},
        AnglesCase{"StartBeyondFullTurn", 7, 1, false, 0, 0, false, false},
        AnglesCase{"EndBelowMinusFullTurn", 1, -6.3, false, 0, 0, false, false},
        AnglesCase{"NaNStart", kNaN, 1, false, 0, 0, false, false},
        AnglesCase{"InfiniteEnd", 1, std::numeric_limits<double>::infinity(), false, 0, 0, false,
                   false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Arc, AcrossAngleZeroIsTheShortArcOnTheRight) {
    // Start 5.5, end 0.5: from 0.78 below the +x axis up to 0.5 above it.
    Surface s(41, 41);
    s.Circle(20, 20, 15, colors::black, 5.5, 0.5);
    const Offsets o = blackOffsets(s, 20, 20);
    EXPECT_GT(o.count, 15);
    EXPECT_GE(o.minDx, 10); // cos(0.78) * 15 = 10.6
    EXPECT_EQ(o.maxDx, 15);
    EXPECT_EQ(o.maxDy, 7);   // sin(0.5) * 15 = 7.2
    EXPECT_EQ(o.minDy, -10); // -sin(2pi - 5.5) * 15 = -10.6
    EXPECT_EQ(s.pixel(35, 20), colors::black);
}

TEST(Arc, RunsCounterClockwiseAsSeenOnTheScreen) {
    Surface s(41, 41);
    s.Circle(20, 20, 15, colors::black, 0,
             std::numbers::pi / 2); // from +x up to +y: the upper right
    const Offsets o = blackOffsets(s, 20, 20);
    EXPECT_GE(o.minDx, 0);
    EXPECT_GE(o.minDy, 0);
    EXPECT_EQ(o.maxDx, 15);
    EXPECT_EQ(o.maxDy, 15);
}

TEST(Arc, SameOnAScaleWithYDown) {
    // The angles are the screen's, whatever the sign of the scale.
    Surface yUp(41, 41);
    yUp.Scale(-20.5, 20.5, 20.5, -20.5);
    yUp.Circle(0, 0, 15, colors::black, 0, std::numbers::pi / 2);
    Surface yDown(41, 41);
    yDown.Circle(20, 20, 15, colors::black, 0, std::numbers::pi / 2);
    EXPECT_TRUE(testing::samePixels(yUp, yDown));
}

TEST(Arc, NegativeAnglesAddRadiusLinesToTheirEnds) {
    // Arc from pi/2 (straight up) to pi (left), radii to both ends.
    Surface s(41, 41);
    s.Circle(20, 20, 15, colors::black, -std::numbers::pi / 2, -std::numbers::pi);
    for (int k = 0; k <= 15; ++k) {
        EXPECT_EQ(s.pixel(20, 20 - k), colors::black) << "up " << k;
        EXPECT_EQ(s.pixel(20 - k, 20), colors::black) << "left " << k;
    }
    EXPECT_EQ(s.pixel(21, 19), colors::white);

    Surface startOnly(41, 41);
    startOnly.Circle(20, 20, 15, colors::black, -std::numbers::pi / 2, std::numbers::pi);
    EXPECT_EQ(startOnly.pixel(20, 10), colors::black);
    EXPECT_EQ(startOnly.pixel(10, 20), colors::white);

    Surface none(41, 41);
    none.Circle(20, 20, 15, colors::black, std::numbers::pi / 2, std::numbers::pi);
    EXPECT_EQ(none.pixel(20, 10), colors::white);
    EXPECT_EQ(none.pixel(10, 20), colors::white);
}

TEST(Arc, AnglesOutOfRangeDrawNothing) {
    Surface s(41, 41);
    s.Circle(20, 20, 15, colors::black, 7, 1);
    s.Circle(20, 20, 15, colors::black, 1, -6.3);
    s.Circle(20, 20, 15, colors::black, kNaN, 1);
    s.Circle(20, 20, 15, colors::black, 1, kNaN);
    EXPECT_EQ(countOf(s, colors::black), 0);
}

TEST(Arc, IsNeverFilled) {
    Surface s(41, 41);
    s.FillStyle = FillMode::Solid;
    s.FillColor = colors::red;
    s.Circle(20, 20, 15, colors::black, 0, std::numbers::pi);
    EXPECT_EQ(countOf(s, colors::red), 0);
    EXPECT_GT(countOf(s, colors::black), 0);
}

TEST(Arc, FullTurnIsTheWholeCircle) {
    Surface arc(41, 41);
    arc.Circle(20, 20, 15, colors::black, 0, 2 * std::numbers::pi);
    Surface circle(41, 41);
    circle.Circle(20, 20, 15, colors::black);
    EXPECT_TRUE(testing::samePixels(arc, circle));
}

TEST(Arc, DottedWithAPenOfWidthOne) {
    Surface solid(81, 81);
    solid.Circle(40, 40, 30, colors::black, 0, std::numbers::pi);
    Surface dotted(81, 81);
    dotted.DrawStyle = PenStyle::Dot;
    dotted.Circle(40, 40, 30, colors::black, 0, std::numbers::pi);
    const int all = countOf(solid, colors::black);
    const int dots = countOf(dotted, colors::black);
    EXPECT_GT(dots, all * 35 / 100);
    EXPECT_LT(dots, all * 65 / 100);
}

} // namespace
} // namespace canvas
