#include "canvas/surface.h"
#include "picture.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

namespace canvas {
namespace {

using testing::countOf;
using testing::picture;

constexpr Color kBeige = RGB(220, 220, 195);

TEST(FloodFill, FillsTheInsideOfABlackCircleOnly) {
    Surface s(40, 40);
    s.Circle(20, 20, 12); // ring at distances (11.5, 12.5] from (20.5, 20.5)
    s.FillColor = kBeige;
    s.FloodFill(20, 20, colors::black);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const double d = std::hypot(x + 0.5 - 20.5, y + 0.5 - 20.5);
            const Color expected = d > 12.5 ? colors::white : d > 11.5 ? colors::black : kBeige;
            ASSERT_EQ(s.pixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST(FloodFill, SeedOutsideTheImageDoesNothing) {
    Surface s(10, 10);
    s.FillColor = colors::red;
    for (const auto& [x, y] :
         {std::pair{-1, 5}, {10, 0}, {0, 10}, {INT_MIN, INT_MIN}, {INT_MAX, 3}})
        s.FloodFill(x, y, colors::black);
    EXPECT_EQ(countOf(s, colors::red), 0);
}

struct Stroke {
    double x1, y1, x2, y2;
    Color color;
};

struct FillCase {
    const char* name;
    std::vector<Stroke> strokes; // drawn first on a 7 x 4 surface
    int seedX, seedY;
    Color fill;
    const char* picture; // rows joined with '/'
};

class FillRegion : public ::testing::TestWithParam<FillCase> {};

TEST_P(FillRegion, EndsAtTheBoundaryColour) {
    const FillCase& c = GetParam();
    Surface s(7, 4);
    for (const Stroke& k : c.strokes)
        s.Line(k.x1, k.y1, k.x2, k.y2, k.color);
    s.FillColor = c.fill;
    s.FloodFill(c.seedX, c.seedY, colors::black);
    EXPECT_EQ(picture(s), testing::slashedRows(c.picture));
}

constexpr Color kNearBlack = RGB(5, 0, 0);

INSTANTIATE_TEST_SUITE_P(
    Cases, FillRegion,
    ::testing::Values(
        FillCase{"SeedOnTheBoundaryDoesNothing",
                 {{0, 2, 6, 2, colors::black}},
                 3,
                 2,
                 colors::red,
                 "......./......./#######/......."},
        FillCase{"SeedOfTheFillColourDoesNothing",
                 {{0, 0, 0, 0, colors::red}},
                 0,
                 0,
                 colors::red,
                 "r....../......./......./......."},
        FillCase{"OnlyExactlyTheBoundaryStopsIt",
                 {{2, 0, 2, 3, kNearBlack}, {4, 0, 4, 3, colors::black}},
                 0,
                 1,
                 colors::blue,
                 "bbbb#../bbbb#../bbbb#../bbbb#.."},
        FillCase{"PassesThroughPixelsOfTheFillColour",
                 {{2, 0, 2, 3, colors::red}, {5, 0, 5, 3, colors::black}},
                 0,
                 1,
                 colors::red,
                 "rrrrr#./rrrrr#./rrrrr#./rrrrr#."},
        // The diagonal wall has only corner gaps: a 4-connected fill stays on its side.
        FillCase{"IsFourConnected",
                 {{0, 0, 3, 3, colors::black}, {4, 3, 6, 3, colors::black}},
                 6,
                 0,
                 colors::blue,
                 "#bbbbbb/.#bbbbb/..#bbbb/...####"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FloodFill, WindingCorridorIsFilledToTheEnd) {
    // Walls on every odd row with the opening at alternate ends: one corridor
    // that turns 99 times, the worst case for a fill that recursed.
    const int size = 200;
    Surface s(size, size);
    for (int y = 1; y < size; y += 2) {
        const bool openLeft = (y / 2) % 2 == 1;
        s.Line(openLeft ? 1 : 0, y, openLeft ? size - 1 : size - 2, y);
    }
    const int walls = countOf(s, colors::black);
    s.FillColor = colors::green;
    s.FloodFill(0, 0, colors::black);
    EXPECT_EQ(countOf(s, colors::green), size * size - walls);
    EXPECT_EQ(s.pixel(size - 1, size - 2), colors::green);
}

} // namespace
} // namespace canvas
