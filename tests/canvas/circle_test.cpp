#include "canvas/surface.h"
#include "picture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace canvas {
namespace {

using testing::countOf;
using testing::picture;
using testing::rows;

// Distance of the centre of pixel (x, y) from the point (cx, cy) in pixels.
double distanceOfPixel(int x, int y, double cx, double cy) {
    return std::hypot(x + 0.5 - cx, y + 0.5 - cy);
}

TEST(Circle, SmallCircleIsRound) {
    // Radius 3 around the centre of pixel (4, 4): the pixel centres at a
    // distance in (2.5, 3.5], worked out row by row.
    Surface s(9, 9);
    s.Circle(4, 4, 3);
    EXPECT_EQ(picture(s), rows({".........", //
                                "...###...", //
                                "..#...#..", //
                                ".#.....#.", //
                                ".#.....#.", //
                                ".#.....#.", //
                                "..#...#..", //
                                "...###...", //
                                "........."}));
}

TEST(Circle, RadiusIsInHorizontalUnitsAndTheFigureStaysRound) {
    Surface s(40, 20);
    s.Scale(0, 10, 20, -10); // 2 px per unit across, 1 px per unit down
    s.Circle(10, 0, 4);      // centre pixel (20, 10), radius 8 px
    EXPECT_EQ(s.pixel(28, 10), colors::black);
    EXPECT_EQ(s.pixel(12, 10), colors::black);
    EXPECT_EQ(s.pixel(20, 2), colors::black);
    EXPECT_EQ(s.pixel(20, 18), colors::black);
    EXPECT_EQ(s.pixel(20, 6), colors::white); // where radius 4 in vertical units would end
    int inColumn = 0;
    for (int y = 0; y < 20; ++y)
        inColumn += s.pixel(20, y) == colors::black ? 1 : 0;
    EXPECT_EQ(inColumn, 2);
}

TEST(Circle, CentreOffTheSurfaceDrawsItsVisiblePart) {
    Surface whole(40, 30);
    whole.Circle(15, 15, 8);
    Surface cut(20, 30); // the same circle with its centre 5 pixels left of the image
    cut.Circle(-5, 15, 8);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(cut.pixel(x, y), whole.pixel(x + 20, y)) << x << "," << y;
    }
    EXPECT_EQ(cut.pixel(3, 15), colors::black); // the rightmost point of the ring
    EXPECT_GT(countOf(cut, colors::black), 5);
}

TEST(Circle, HugeRadiusCrossingTheImageIsAStraightColumn) {
    // Radius 1e12 pixels with the centre 1e12 pixels to the left: within 30
    // rows the ring bends by 15^2 / 2e12 of a pixel, so it is column 20.
    Surface s(40, 30);
    s.Circle(20.5 - 1e12, 15, 1e12);
    EXPECT_EQ(countOf(s, colors::black), 30);
    for (int y = 0; y < 30; ++y)
        EXPECT_EQ(s.pixel(20, y), colors::black) << y;
}

TEST(Circle, HugeRadiusTouchingTheImageFromBelowIsARow) {
    Surface s(40, 30);
    s.Circle(20, 15 + 1e12, 1e12);
    EXPECT_EQ(countOf(s, colors::black), 40);
    EXPECT_EQ(s.pixel(0, 15), colors::black);
    EXPECT_EQ(s.pixel(39, 15), colors::black);
}

TEST(Circle, HugeRadiusAroundTheImageDrawsNothing) {
    Surface s(40, 30);
    s.Circle(20, 15, 1e12);
    s.Circle(1e15, -1e15, 1e12);
    EXPECT_EQ(countOf(s, colors::black), 0);
}

TEST(Circle, SolidFillPaintsTheInsideAndLeavesTheOutsideUntouched) {
    Surface s(30, 30);
    s.FillStyle = FillMode::Solid;
    s.FillColor = colors::red;
    s.Circle(15, 15, 10); // centre (15.5, 15.5), ring at distances (9.5, 10.5]
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            const double d = distanceOfPixel(x, y, 15.5, 15.5);
            const Color expected = d > 10.5 ? colors::white : d > 9.5 ? colors::black : colors::red;
            ASSERT_EQ(s.pixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST(Circle, TransparentFillLeavesTheInside) {
    Surface s(30, 30);
    s.FillColor = colors::red;
    s.Circle(15, 15, 10);
    EXPECT_EQ(countOf(s, colors::red), 0);
    EXPECT_EQ(s.pixel(15, 15), colors::white);
}

TEST(Circle, NegativeRadiusIsItsSize) {
    Surface negative(30, 30);
    Surface positive(30, 30);
    negative.Circle(12, 14, -7);
    positive.Circle(12, 14, 7);
    EXPECT_TRUE(testing::samePixels(negative, positive));
}

TEST(Circle, ZeroRadiusIsADotOfThePenWidth) {
    Surface s(5, 5);
    s.Circle(2, 2, 0);
    EXPECT_EQ(picture(s), rows({".....", ".....", "..#..", ".....", "....."}));
    s.DrawWidth = 3;
    s.Circle(2, 2, 0, colors::red);
    EXPECT_EQ(picture(s), rows({".....", ".rrr.", ".rrr.", ".rrr.", "....."}));
}

TEST(Circle, WidePenRingIsThatManyPixelsThick) {
    Surface s(30, 30);
    s.DrawWidth = 3;
    s.Circle(15, 15, 8); // distances (6.5, 9.5]: offsets 7, 8, 9 on the axes
    EXPECT_EQ(picture(s).substr(15 * 31, 31), "......###.............###.....\n");
}

TEST(Circle, DottedOnlyWithAPenOfWidthOne) {
    Surface solid(80, 80);
    solid.Circle(40, 40, 30);
    Surface dotted(80, 80);
    dotted.DrawStyle = PenStyle::Dot;
    dotted.Circle(40, 40, 30);
    const int all = countOf(solid, colors::black);
    const int dots = countOf(dotted, colors::black);
    EXPECT_GT(dots, all * 35 / 100);
    EXPECT_LT(dots, all * 65 / 100);

    Surface wideSolid(80, 80);
    wideSolid.DrawWidth = 2;
    wideSolid.Circle(40, 40, 30);
    Surface wideDotted(80, 80);
    wideDotted.DrawWidth = 2;
    wideDotted.DrawStyle = PenStyle::Dot;
    wideDotted.Circle(40, 40, 30);
    EXPECT_TRUE(testing::samePixels(wideSolid, wideDotted));
}

} // namespace
} // namespace canvas
