#include "canvas/surface.h"
#include "picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace canvas {
namespace {

using testing::countOf;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(SurfaceImage, StartsInTheBackColourAsRgb32Words) {
    Surface s(4, 3, colors::systemWindow);
    EXPECT_EQ(countOf(s, colors::systemWindow), 12);
    EXPECT_EQ(s.pixels()[0], 0xFFF0F0F0u);
    s.PSet(1, 0, RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(s.pixels()[1], 0xFF123456u);
    EXPECT_EQ(s.pixel(1, 0), RGB(0x12, 0x34, 0x56));
}

TEST(SurfaceImage, PixelOutsideIsTheBackColour) {
    Surface s(4, 3, colors::cyan);
    s.Cls();
    EXPECT_EQ(s.pixel(-1, 0), colors::cyan);
    EXPECT_EQ(s.pixel(4, 0), colors::cyan);
    EXPECT_EQ(s.pixel(0, 3), colors::cyan);
}

TEST(SurfaceScale, StartsAsPixels) {
    Surface s(30, 20);
    EXPECT_EQ(s.ScaleLeft(), 0);
    EXPECT_EQ(s.ScaleTop(), 0);
    EXPECT_EQ(s.ScaleWidth(), 30);
    EXPECT_EQ(s.ScaleHeight(), 20);
    EXPECT_DOUBLE_EQ(s.toPixelX(7.25), 7.25);
    EXPECT_DOUBLE_EQ(s.toPixelY(3.5), 3.5);
}

TEST(SurfaceScale, SymmetricScaleWithYUpPutsTheOriginInTheMiddle) {
    Surface s(200, 100);
    s.Scale(-10, 5, 10, -5);
    EXPECT_EQ(s.ScaleLeft(), -10);
    EXPECT_EQ(s.ScaleTop(), 5);
    EXPECT_EQ(s.ScaleWidth(), 20);
    EXPECT_EQ(s.ScaleHeight(), -10);
    EXPECT_DOUBLE_EQ(s.toPixelX(0), 100);
    EXPECT_DOUBLE_EQ(s.toPixelY(0), 50);
    EXPECT_DOUBLE_EQ(s.toPixelY(5), 0);    // top edge
    EXPECT_DOUBLE_EQ(s.toPixelY(-5), 100); // bottom edge
    EXPECT_DOUBLE_EQ(s.toPixelY(1), 40);   // up is smaller pixel y
    s.PSet(0, 0, colors::red);
    EXPECT_EQ(s.pixel(100, 50), colors::red);
    EXPECT_EQ(countOf(s, colors::red), 1);
}

TEST(SurfaceScale, MousePositionsGrowUpwards) {
    // The hyperbolic-lens window: 270 units across, 240 down, one per pixel here.
    Surface s(270, 240);
    s.Scale(-120, 120, 150, -120);
    const UserPoint nearTop = s.toUser(10, 1);
    const UserPoint nearBottom = s.toUser(10, 239);
    EXPECT_DOUBLE_EQ(nearTop.x, -110);
    EXPECT_DOUBLE_EQ(nearTop.y, 119);
    EXPECT_DOUBLE_EQ(nearBottom.y, -119);
    EXPECT_DOUBLE_EQ(s.toPixelX(0), 120);
}

TEST(SurfaceScale, ScaleXAndScaleYConvertLengthsToPixels) {
    Surface s(300, 100);
    s.Scale(0, 0, 600, -50); // 0.5 px per unit across, 2 px per unit down
    EXPECT_DOUBLE_EQ(s.ScaleX(60), 30);
    EXPECT_DOUBLE_EQ(s.ScaleY(10), 20);
    EXPECT_DOUBLE_EQ(s.ScaleY(-10), 20);
    EXPECT_DOUBLE_EQ(s.ScaleX(-60), 30);
}

struct ScaleCase {
    const char* name;
    double x1, y1, x2, y2;
};

class DegenerateScale : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(DegenerateScale, IsIgnored) {
    const ScaleCase& c = GetParam();
    Surface s(40, 30);
    s.Scale(-4, 3, 4, -3);
    s.Scale(c.x1, c.y1, c.x2, c.y2);
    EXPECT_EQ(s.ScaleLeft(), -4);
    EXPECT_EQ(s.ScaleTop(), 3);
    EXPECT_EQ(s.ScaleWidth(), 8);
    EXPECT_EQ(s.ScaleHeight(), -6);
    EXPECT_DOUBLE_EQ(s.toPixelX(0), 20);
}

INSTANTIATE_TEST_SUITE_P(Cases, DegenerateScale,
                         ::testing::Values(ScaleCase{"ZeroWidth", 1, 0, 1, 10},
                                           ScaleCase{"ZeroHeight", 0, 5, 10, 5},
                                           ScaleCase{"NaNCorner", kNaN, 0, 10, 10},
                                           ScaleCase{"NaNEnd", 0, 0, 10, kNaN},
                                           ScaleCase{"InfiniteCorner", 0, -kInf, 10, 10},
                                           ScaleCase{"OverflowingWidth", -1.7e308, 0, 1.7e308, 10}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SurfaceResize, KeepsOldPixelsTopLeftAndFillsTheRestWithBackColor) {
    Surface s(3, 2);
    s.PSet(2, 1, colors::red);
    s.PSet(0, 0, colors::blue);
    s.resize(5, 3);
    EXPECT_EQ(testing::picture(s), testing::rows({"b....", "..r..", "....."}));
    s.resize(2, 1);
    EXPECT_EQ(testing::picture(s), testing::rows({"b."}));
}

TEST(SurfaceResize, KeepsTheScaleCornersSoUnitsStretch) {
    Surface s(100, 50);
    s.Scale(-10, 5, 10, -5);
    s.resize(200, 80);
    EXPECT_EQ(s.ScaleLeft(), -10);
    EXPECT_EQ(s.ScaleTop(), 5);
    EXPECT_EQ(s.ScaleWidth(), 20);
    EXPECT_EQ(s.ScaleHeight(), -10);
    EXPECT_DOUBLE_EQ(s.toPixelX(10), 200);
    EXPECT_DOUBLE_EQ(s.toPixelY(0), 40);
}

TEST(SurfaceResize, ToAnEmptyAreaAndBack) {
    Surface s(10, 10);
    s.resize(0, 0);
    s.Line(0, 0, 10, 10);
    s.Circle(5, 5, 3);
    s.FloodFill(0, 0, colors::black);
    EXPECT_EQ(s.pixel(0, 0), colors::white);
    s.resize(4, 1);
    EXPECT_EQ(testing::picture(s), testing::rows({"...."}));
}

TEST(SurfaceImage, ClsPaintsEverythingInTheCurrentBackColor) {
    Surface s(6, 4);
    s.Line(0, 0, 5, 3);
    s.BackColor = colors::blue;
    s.Cls();
    EXPECT_EQ(countOf(s, colors::blue), 24);
}

TEST(SurfaceImage, RevisionCountsEveryChange) {
    Surface s(8, 8);
    std::uint64_t seen = s.revision();
    const auto changed = [&] {
        const bool grew = s.revision() > seen;
        seen = s.revision();
        return grew;
    };
    s.Line(0, 0, 7, 7);
    EXPECT_TRUE(changed());
    s.Circle(4, 4, 2);
    EXPECT_TRUE(changed());
    s.PSet(1, 1);
    EXPECT_TRUE(changed());
    s.Cls();
    EXPECT_TRUE(changed());
    s.FloodFill(0, 0, colors::black);
    EXPECT_TRUE(changed());
    s.resize(9, 9);
    EXPECT_TRUE(changed());
    EXPECT_FALSE(changed());
}

} // namespace
} // namespace canvas
