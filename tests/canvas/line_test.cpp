#include "canvas/surface.h"
#include "picture.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace canvas {
namespace {

using testing::countOf;
using testing::picture;
using testing::rows;

// The default scale is the pixel grid: the user point (x, y) lies in the
// pixel (floor x, floor y).

TEST(Line, HorizontalVerticalAndDiagonal) {
    Surface s(8, 6);
    s.Line(1, 0, 6, 0);
    s.Line(0, 1, 0, 5);
    s.Line(2, 2, 5, 5, colors::red);
    EXPECT_EQ(picture(s), rows({".######.", //
                                "#.......", //
                                "#.r.....", //
                                "#..r....", //
                                "#...r...", //
                                "#....r.."}));
}

TEST(Line, ShallowLineFollowsTheNearestRow) {
    // y = 2x/5 at the column centres: 0, 0.4, 0.8, 1.2, 1.6, 2 (from the
    // centre of the first pixel), rounded to rows 0, 0, 1, 1, 2, 2.
    Surface s(6, 3);
    s.Line(0, 0, 5, 2);
    EXPECT_EQ(picture(s), rows({"##....", //
                                "..##..", //
                                "....##"}));
}

TEST(Line, SteepLineFollowsTheNearestColumn) {
    Surface s(3, 6);
    s.Line(0, 0, 2, 5);
    EXPECT_EQ(picture(s), rows({"#..", "#..", ".#.", ".#.", "..#", "..#"}));
}

TEST(Line, UsesForeColorWithoutAColour) {
    Surface s(4, 1);
    s.ForeColor = colors::green;
    s.Line(0, 0, 3, 0);
    EXPECT_EQ(picture(s), rows({"gggg"}));
}

struct SegmentCase {
    const char* name;
    double x1, y1, x2, y2;
    int width;
    PenStyle style;
};

class SwappedEnds : public ::testing::TestWithParam<SegmentCase> {};

TEST_P(SwappedEnds, PaintTheSamePixels) {
    const SegmentCase& c = GetParam();
    Surface forward(14, 12);
    Surface backward(14, 12);
    for (Surface* s : {&forward, &backward}) {
        s->DrawWidth = c.width;
        s->DrawStyle = c.style;
    }
    forward.Line(c.x1, c.y1, c.x2, c.y2);
    backward.Line(c.x2, c.y2, c.x1, c.y1);
    EXPECT_TRUE(testing::samePixels(forward, backward)) << picture(forward) << "\n"
                                                        << picture(backward);
    EXPECT_GT(countOf(forward, colors::black), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SwappedEnds,
    ::testing::Values(SegmentCase{"HalfSlopeWithTies", 0, 0, 4, 2, 1, PenStyle::Solid},
                      SegmentCase{"Falling", 1, 7, 12, 2, 1, PenStyle::Solid},
                      SegmentCase{"FractionalEnds", 3.3, 1.7, 9.8, 10.2, 1, PenStyle::Solid},
                      SegmentCase{"Dotted", 0.2, 11.1, 13.4, 0.9, 1, PenStyle::Dot},
                      SegmentCase{"ClippedBothEnds", -20, 3, 30, 9, 1, PenStyle::Solid},
                      SegmentCase{"ClippedDotted", -20.5, -7, 31, 19, 1, PenStyle::Dot},
                      SegmentCase{"Width2", 2.2, 9.7, 10.6, 1.1, 2, PenStyle::Solid},
                      SegmentCase{"Width3", 2, 2, 11, 7, 3, PenStyle::Solid},
                      SegmentCase{"Width5Clipped", -5, -5, 40, 20, 5, PenStyle::Solid}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Line, WideHorizontalLineHasRoundEnds) {
    // Width 5 around the row through y = 10.5: rows 8..12. Pixel centres
    // within 2.5 of the segment from x = 10.5 to 20.5: on the rows 1 away
    // the ends reach out by sqrt(2.5^2 - 1) = 2.29, on the rows 2 away by 1.5.
    Surface s(32, 24);
    s.DrawWidth = 5;
    s.Line(10, 10, 20, 10);
    for (int row : {8, 12}) {
        EXPECT_EQ(s.pixel(8, row), colors::white) << row;
        EXPECT_EQ(s.pixel(9, row), colors::black) << row;
        EXPECT_EQ(s.pixel(21, row), colors::black) << row;
        EXPECT_EQ(s.pixel(22, row), colors::white) << row;
    }
    for (int row : {9, 10, 11}) {
        EXPECT_EQ(s.pixel(7, row), colors::white) << row;
        EXPECT_EQ(s.pixel(8, row), colors::black) << row;
        EXPECT_EQ(s.pixel(22, row), colors::black) << row;
        EXPECT_EQ(s.pixel(23, row), colors::white) << row;
    }
    EXPECT_EQ(countOf(s, colors::black), 2 * 13 + 3 * 15);
}

struct WidthCase {
    int drawWidth;
    int rowsCovered;
};

class StraightLineThickness : public ::testing::TestWithParam<WidthCase> {};

TEST_P(StraightLineThickness, CoversDrawWidthRows) {
    Surface s(40, 80);
    s.DrawWidth = GetParam().drawWidth;
    s.Line(-100, 40.3, 140, 40.3);
    int covered = 0;
    for (int y = 0; y < 80; ++y)
        covered += s.pixel(20, y) == colors::black ? 1 : 0;
    EXPECT_EQ(covered, GetParam().rowsCovered);
    EXPECT_EQ(countOf(s, colors::black), 40 * GetParam().rowsCovered);
}

// Widths below 1 are a pen of 1; very wide pens are clamped to 64.
INSTANTIATE_TEST_SUITE_P(Widths, StraightLineThickness,
                         ::testing::Values(WidthCase{1, 1}, WidthCase{2, 2}, WidthCase{3, 3},
                                           WidthCase{8, 8}, WidthCase{10, 10}, WidthCase{0, 1},
                                           WidthCase{-7, 1}, WidthCase{1000, 64},
                                           WidthCase{std::numeric_limits<int>::max(), 64}));

TEST(Line, DottedAtWidthOneIsThreeOnThreeOff) {
    Surface s(12, 1);
    s.DrawStyle = PenStyle::Dot;
    s.Line(0, 0, 11, 0);
    EXPECT_EQ(picture(s), rows({"###...###..."}));
}

TEST(Line, DotsCountFromTheFirstEndEvenOffTheImage) {
    // The same dotted line as above, started 6 pixels (one period) further
    // left: the visible dots stay in place.
    Surface s(12, 1);
    s.DrawStyle = PenStyle::Dot;
    s.Line(-6, 0, 11, 0);
    EXPECT_EQ(picture(s), rows({"###...###..."}));
}

TEST(Line, DottedStyleIsSolidWithAWiderPen) {
    Surface s(12, 2);
    s.DrawStyle = PenStyle::Dot;
    s.DrawWidth = 2;
    s.Line(0, 1, 11, 1);
    EXPECT_EQ(picture(s), rows({"############", "############"}));
}

TEST(Line, ZeroLengthIsOnePixel) {
    Surface s(3, 3);
    s.Line(1.2, 1.7, 1.2, 1.7);
    EXPECT_EQ(picture(s), rows({"...", ".#.", "..."}));
}

TEST(Line, InAUserScaleWithYUp) {
    Surface s(11, 5);
    s.Scale(-5.5, 2.5, 5.5, -2.5); // one unit per pixel, origin in the middle pixel
    s.Line(-2, 0, 2, 2);
    // (-2, 0) is the pixel (3, 2), (2, 2) the pixel (7, 0).
    EXPECT_EQ(picture(s), rows({".......#...", //
                                ".....##....", //
                                "...##......", //
                                "...........", //
                                "..........."}));
}

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiny = std::numeric_limits<double>::min(); // 2^-1022

struct FarCase {
    const char* name;
    double x1, y1, x2, y2;
    int width;
    const char* picture; // 8 x 5, rows joined with '/'
};

class FarOutside : public ::testing::TestWithParam<FarCase> {};

TEST_P(FarOutside, IsClippedToItsVisiblePixels) {
    const FarCase& c = GetParam();
    Surface s(8, 5);
    s.DrawWidth = c.width;
    s.Line(c.x1, c.y1, c.x2, c.y2);
    EXPECT_EQ(picture(s), testing::slashedRows(c.picture));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FarOutside,
    ::testing::Values(FarCase{"HorizontalBetweenHugeEnds", -1e30, 2, 1e30, 2, 1,
                              "......../......../########/......../........"},
                      FarCase{"VerticalBetweenLargestDoubles", 3, kMax, 3, -kMax, 1,
                              "...#..../...#..../...#..../...#..../...#...."},
                      FarCase{"DiagonalBetweenHugeEnds", -1e30, -1e30, 1e30, 1e30, 1,
                              "#......./.#....../..#...../...#..../....#..."},
                      FarCase{"FromInsideToHugeEnd", 1, 4, 1e30, -1e30, 1,
                              ".....#../....#.../...#..../..#...../.#......"},
                      FarCase{"MillionsAway", 1e9, 2, -1e9, 2, 1,
                              "......../......../########/......../........"},
                      FarCase{"PassingAbove", -1e30, -3, 1e30, -3, 1,
                              "......../......../......../......../........"},
                      FarCase{"BothEndsBeyondOneCorner", 1e30, 1e30, 2e30, 3e30, 1,
                              "......../......../......../......../........"},
                      FarCase{"WideBetweenHugeEnds", -1e30, 2, 1e30, 2, 3,
                              "......../########/########/########/........"},
                      FarCase{"WideBetweenLargestDoubles", -kMax, -kMax, kMax, kMax, 2,
                              "##....../###...../.###..../..###.../...###.."},
                      FarCase{"NearEndFirst", kTiny, -15, kTiny, 3.4e38, 1,
                              "#......./#......./#......./#......./#......."},
                      FarCase{"FarEndFirst", kTiny, 3.4e38, kTiny, -15, 1,
                              "#......./#......./#......./#......./#......."}),
    [](const auto& info) { return std::string(info.param.name); });

// A wide stroke ends in round caps of its width: a dot of the same pen at
// either end adds no pixel (the wave animation relies on it), and a stroke
// drawn short (pixel by pixel) or long (row by row) is the same shape.
TEST(Line, WideStrokeCoversTheDotsAtItsEnds) {
    for (int width = 2; width <= 6; ++width)
        for (const auto& [x2, y2] : {std::pair{3.3, 1.9}, {14.2, 9.7}, {2.0, 13.5}, {7.7, 7.1}}) {
            Surface line(24, 24), withDots(24, 24);
            for (Surface* s : {&line, &withDots})
                s->DrawWidth = width;
            line.Line(5.4, 5.2, 5.4 + x2, 5.2 + y2);
            withDots.Line(5.4, 5.2, 5.4 + x2, 5.2 + y2);
            withDots.PSet(5.4, 5.2);
            withDots.PSet(5.4 + x2, 5.2 + y2);
            EXPECT_EQ(picture(line), picture(withDots)) << width << ": " << x2 << "," << y2;
        }
}

TEST(Line, ShortAndLongWideStrokesHaveTheSameShape) {
    // The same stroke, once inside an 8-pixel box and once as part of a longer
    // one that is drawn by rows: the pixels near the shared start agree.
    Surface shortStroke(40, 12), longStroke(40, 12);
    for (Surface* s : {&shortStroke, &longStroke})
        s->DrawWidth = 3;
    shortStroke.Line(3.2, 5.1, 6.2, 6.1);
    longStroke.Line(3.2, 5.1, 36.2, 16.1);
    const auto left = [](const Surface& s) {
        std::string columns;
        for (int y = 0; y < s.heightPx(); ++y)
            for (int x = 0; x < 5; ++x)
                columns += s.pixel(x, y) == colors::black ? '#' : '.';
        return columns;
    };
    EXPECT_EQ(left(shortStroke), left(longStroke));
}

} // namespace
} // namespace canvas
