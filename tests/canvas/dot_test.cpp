#include "canvas/surface.h"
#include "picture.h"

#include <gtest/gtest.h>

#include <string>

namespace canvas {
namespace {

using testing::countOf;
using testing::picture;
using testing::rows;

struct DotCase {
    int drawWidth;
    int pixels;
};

class DotSize : public ::testing::TestWithParam<DotCase> {};

// Odd widths centre on a pixel: width 5 is the 5 x 5 square less its four
// corners (2^2 + 2^2 > 2.5^2). Even widths centre on a pixel corner: width 4
// is 4 x 4 less the corners, width 10 counted by hand in one quadrant
// (5 + 5 + 4 + 4 + 2) times four.
TEST_P(DotSize, IsAFilledDiscOfThatDiameter) {
    Surface s(30, 30);
    s.DrawWidth = GetParam().drawWidth;
    s.PSet(15, 15);
    EXPECT_EQ(countOf(s, colors::black), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Widths, DotSize,
                         ::testing::Values(DotCase{1, 1}, DotCase{2, 4}, DotCase{3, 9},
                                           DotCase{4, 12}, DotCase{5, 21}, DotCase{8, 52},
                                           DotCase{10, 80}));

TEST(PSet, OnePixelWhereThePointLies) {
    Surface s(4, 3);
    s.PSet(2.9, 1.1);
    s.PSet(0, 2, colors::red);
    EXPECT_EQ(picture(s), rows({"....", "..#.", "r..."}));
}

TEST(PSet, UsesForeColor) {
    Surface s(2, 1);
    s.ForeColor = colors::blue;
    s.PSet(1, 0);
    EXPECT_EQ(picture(s), rows({".b"}));
}

struct PlacementCase {
    const char* name;
    int drawWidth;
    double x, y;
    const char* picture; // 5 x 5, rows joined with '/'
};

class DotPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(DotPlacement, CoversThePixelsAroundThePoint) {
    const PlacementCase& c = GetParam();
    Surface s(5, 5);
    s.DrawWidth = c.drawWidth;
    s.PSet(c.x, c.y);
    EXPECT_EQ(picture(s), testing::slashedRows(c.picture));
}

// Odd widths centre on the pixel holding the point, even ones on the
// nearest pixel corner.
INSTANTIATE_TEST_SUITE_P(Cases, DotPlacement,
                         ::testing::Values(PlacementCase{"WidthThreeAroundItsPixel", 3, 2.2, 2.8,
                                                         "...../.###./.###./.###./....."},
                                           PlacementCase{"WidthTwoOnTheNearestCorner", 2, 2.8, 2.2,
                                                         "...../..##./..##./...../....."},
                                           PlacementCase{"ClippedAtTheEdge", 3, 0, 4,
                                                         "...../...../...../##.../##..."}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PSet, FarOutsideDrawsNothing) {
    Surface s(5, 5);
    s.DrawWidth = 10;
    s.PSet(1e30, 2);
    s.PSet(-7, -7);
    s.PSet(2, -1e300);
    EXPECT_EQ(countOf(s, colors::black), 0);
}

} // namespace
} // namespace canvas
