#include "canvas/clip.h"

#include <gtest/gtest.h>

#include <limits>

namespace canvas {
namespace {

constexpr Box kBox{0, 0, 20, 10};
constexpr double kMax = std::numeric_limits<double>::max();

void expectSegment(const std::optional<Segment>& got, Segment expected) {
    ASSERT_TRUE(got.has_value());
    EXPECT_NEAR(got->a.x, expected.a.x, 1e-9);
    EXPECT_NEAR(got->a.y, expected.a.y, 1e-9);
    EXPECT_NEAR(got->b.x, expected.b.x, 1e-9);
    EXPECT_NEAR(got->b.y, expected.b.y, 1e-9);
}

TEST(ClipSegment, InsideIsReturnedUnchanged) {
    const Segment s{{1.1, 2.3}, {19.7, 9.9}};
    const auto got = clipSegment(s, kBox);
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(got->a.x, s.a.x);
    EXPECT_EQ(got->a.y, s.a.y);
    EXPECT_EQ(got->b.x, s.b.x);
    EXPECT_EQ(got->b.y, s.b.y);
}

TEST(ClipSegment, CutsAtTheEdges) {
    expectSegment(clipSegment({{-10, 5}, {30, 5}}, kBox), {{0, 5}, {20, 5}});
    expectSegment(clipSegment({{-10, -10}, {30, 30}}, kBox), {{0, 0}, {10, 10}});
    expectSegment(clipSegment({{5, 5}, {5, -40}}, kBox), {{5, 5}, {5, 0}});
}

TEST(ClipSegment, MissesGiveNothing) {
    EXPECT_FALSE(clipSegment({{-10, 15}, {30, 15}}, kBox).has_value());
    EXPECT_FALSE(clipSegment({{25, -5}, {40, 30}}, kBox).has_value());
    EXPECT_FALSE(
        clipSegment({{-5, 1}, {1, -5}}, kBox).has_value()); // passes outside the corner (0, 0)
    EXPECT_FALSE(clipSegment({{1e30, 1e30}, {1e30, 1e30}}, kBox).has_value());
}

TEST(ClipSegment, HugeEndsKeepTheVisiblePartPrecise) {
    expectSegment(clipSegment({{-1e30, -1e30}, {1e30, 1e30}}, kBox), {{0, 0}, {10, 10}});
    expectSegment(clipSegment({{-kMax, 5}, {kMax, 5}}, kBox), {{0, 5}, {20, 5}});
    expectSegment(clipSegment({{2, 8}, {2 + 1e30, 8 - 1e30}}, kBox), {{2, 8}, {10, 0}});
    expectSegment(clipSegment({{-kMax, -kMax}, {kMax, kMax}}, kBox), {{0, 0}, {10, 10}});
}

TEST(ClipSegment, APointIsKeptWhenInside) {
    expectSegment(clipSegment({{3, 4}, {3, 4}}, kBox), {{3, 4}, {3, 4}});
    expectSegment(clipSegment({{20, 10}, {20, 10}}, kBox), {{20, 10}, {20, 10}});
}

} // namespace
} // namespace canvas
