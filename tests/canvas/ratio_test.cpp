#include "canvas/surface.h"
#include "picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

namespace canvas {
namespace {

using testing::countOf;
using testing::samePixels;

constexpr Color kBeige = RGB(220, 220, 195);

TEST(DeviceRatio, TheImageHasTheDeviceSizeAndTheScaleStaysLogical) {
    Surface s(10, 7, colors::white, 1.5);
    EXPECT_EQ(s.deviceWidthPx(), 15);
    EXPECT_EQ(s.deviceHeightPx(), 11); // 10.5 rounded
    s.Scale(0, 0, 5, 7);
    EXPECT_EQ(s.ScaleX(1), 2);
    EXPECT_TRUE(s.setDevicePixelRatio(2));
    EXPECT_FALSE(s.setDevicePixelRatio(2));
    EXPECT_EQ(s.deviceWidthPx(), 20);
    s.resize(12, 7);
    EXPECT_EQ(s.deviceWidthPx(), 24);
    s.setDevicePixelRatio(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(s.devicePixelRatio(), 1);
    s.setDevicePixelRatio(1e9);
    EXPECT_EQ(s.devicePixelRatio(), 8);
}

// The first and last painted device row of a device column.
struct ColumnSpan {
    int first = -1;
    int last = -1;
    int count = 0;
};

ColumnSpan spanOf(const Surface& s, int x) {
    ColumnSpan span;
    for (int y = 0; y < s.deviceHeightPx(); ++y) {
        if (s.devicePixel(x, y) != colors::black)
            continue;
        span.first = span.first < 0 ? y : span.first;
        span.last = y;
        ++span.count;
    }
    return span;
}

TEST(DeviceRatio, AWidthOneLineAtRatioTwoIsTwoDevicePixelsAcross) {
    Surface one(20, 10), two(20, 10, colors::white, 2);
    for (Surface* s : {&one, &two})
        s->Line(2, 4, 15, 4);
    EXPECT_EQ(countOf(two, colors::black), 4 * countOf(one, colors::black));
    for (int x = 0; x < two.deviceWidthPx(); ++x) {
        const ColumnSpan span = spanOf(two, x);
        if (span.count > 0) {
            EXPECT_EQ(span.last - span.first, 1) << x;
        }
        EXPECT_TRUE(span.count == 0 || span.count == 2) << x;
    }
}

// A stretched copy of the ratio-1 line would change rows only between an
// odd and an even column, and by two rows: here every step is one row, and
// steps fall on columns of both parities.
TEST(DeviceRatio, ADiagonalAtRatioTwoStepsByOneDevicePixel) {
    Surface s(40, 20, colors::white, 2);
    s.Line(1, 2, 38, 15);
    int previousTop = -1;
    bool stepAtOdd = false, stepAtEven = false;
    for (int x = 0; x < s.deviceWidthPx(); ++x) {
        const ColumnSpan span = spanOf(s, x);
        if (span.count == 0)
            continue;
        EXPECT_EQ(span.count, 2) << x;
        EXPECT_EQ(span.last - span.first, 1) << x;
        if (previousTop >= 0) {
            const int step = span.first - previousTop;
            EXPECT_TRUE(step == 0 || step == 1) << x;
            (x % 2 != 0 ? stepAtOdd : stepAtEven) |= step == 1;
        }
        previousTop = span.first;
    }
    EXPECT_TRUE(stepAtOdd);
    EXPECT_TRUE(stepAtEven);
}

TEST(DeviceRatio, DotsAreThreeLogicalPixelsOnAndOffAtRatioTwo) {
    Surface s(24, 2, colors::white, 2);
    s.DrawStyle = PenStyle::Dot;
    s.Line(0.5, 0.5, 23.5, 0.5); // through the middles of the logical pixels
    std::string row;
    for (int x = 0; x < s.deviceWidthPx(); ++x)
        row += s.devicePixel(x, 0) == colors::black ? '#' : '.';
    EXPECT_EQ(row, "######......######......######......######......");
    EXPECT_EQ(countOf(s, colors::black), 2 * 24);
}

class DotAtRatio : public ::testing::TestWithParam<double> {};

// A dot of DrawWidth 5 is a disc of 5 logical pixels: 5F device pixels
// across, with the area of that disc.
TEST_P(DotAtRatio, CoversTheAreaOfItsDiameter) {
    const double ratio = GetParam();
    Surface s(40, 40, colors::white, ratio);
    s.DrawWidth = 5;
    s.PSet(20, 20);
    const double diameter = 5 * ratio;
    const double area = std::numbers::pi * diameter * diameter / 4;
    EXPECT_NEAR(countOf(s, colors::black), area, 0.1 * area);
    int left = s.deviceWidthPx(), right = -1;
    for (int x = 0; x < s.deviceWidthPx(); ++x)
        if (spanOf(s, x).count > 0)
            left = std::min(left, x), right = std::max(right, x);
    EXPECT_NEAR(right - left + 1, diameter, 1.0);
}

// A dot of one logical pixel is never lost, wherever it falls between the
// device pixels: it covers one to ceil(F) squared of them.
TEST_P(DotAtRatio, AOnePixelDotIsAlwaysSeen) {
    const double ratio = GetParam();
    const int most = static_cast<int>(std::ceil(ratio) * std::ceil(ratio));
    for (double offset : {0.0, 0.1, 0.3, 0.5, 0.7, 0.9}) {
        Surface s(10, 10, colors::white, ratio);
        s.PSet(4 + offset, 4 + offset / 2);
        const int painted = countOf(s, colors::black);
        EXPECT_GE(painted, 1) << offset;
        EXPECT_LE(painted, most) << offset;
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, DotAtRatio, ::testing::Values(1, 1.25, 1.5, 2, 3));

class FillAtRatio : public ::testing::TestWithParam<double> {};

// The fill reaches the black ring everywhere and never passes it: every
// device pixel well inside the ring's inner edge is filled, none beyond its
// middle is.
TEST_P(FillAtRatio, FillsUpToTheOutlineWithoutLeakOrGap) {
    const double ratio = GetParam();
    Surface s(60, 60, colors::white, ratio);
    s.DrawWidth = 2;
    s.Circle(30, 30, 20);
    s.FillColor = kBeige;
    s.FloodFill(30, 30, colors::black);
    const double centre = 30 * ratio, radius = 20 * ratio, halfPen = ratio;
    for (int y = 0; y < s.deviceHeightPx(); ++y)
        for (int x = 0; x < s.deviceWidthPx(); ++x) {
            const double d = std::hypot(x + 0.5 - centre, y + 0.5 - centre);
            const bool filled = s.devicePixel(x, y) == kBeige;
            if (d < radius - halfPen - 1) {
                ASSERT_TRUE(filled) << x << "," << y;
            }
            if (d > radius) {
                ASSERT_FALSE(filled) << x << "," << y;
            }
        }
}

INSTANTIATE_TEST_SUITE_P(Ratios, FillAtRatio, ::testing::Values(1, 1.25, 1.5, 2, 3));

struct FarLineCase {
    double ratio;
    int width;
};

class FarLineAtRatio : public ::testing::TestWithParam<FarLineCase> {
  protected:
    // The middle of a 1920x1080 client area is the origin, 2.5 pixels a unit.
    FarLineAtRatio()
        : near(1920, 1080, colors::white, GetParam().ratio),
          far(1920, 1080, colors::white, GetParam().ratio) {
        for (Surface* s : {&near, &far}) {
            s->Scale(-384, 216, 384, -216);
            s->DrawWidth = GetParam().width;
        }
    }

    int paintedRows(const Surface& s) const {
        int rows = 0;
        for (int y = 0; y < s.deviceHeightPx(); ++y)
            for (int x = 0; x < s.deviceWidthPx(); ++x)
                if (s.devicePixel(x, y) == colors::black) {
                    ++rows;
                    break;
                }
        return rows;
    }

    Surface near;
    Surface far;
};

TEST_P(FarLineAtRatio, ADiagonalIsDrawnWhereItsNearTwinIs) {
    near.Line(-1e3, -1e3, 1e3, 1e3);
    EXPECT_EQ(paintedRows(near), near.deviceHeightPx());
    for (double end : {1e19, 1e300, std::numeric_limits<double>::max()}) {
        far.Cls();
        far.Line(-end, -end, end, end);
        EXPECT_TRUE(samePixels(near, far)) << end;
    }
}

TEST_P(FarLineAtRatio, AHorizontalLineBetweenTheLargestNumbersIsDrawn) {
    constexpr double kEnd = 1.79e308;
    near.Line(-1e3, 0, 1e3, 0);
    far.Line(-kEnd, 0, kEnd, 0);
    EXPECT_TRUE(samePixels(near, far));
    const int rows = paintedRows(far);
    EXPECT_NEAR(rows, GetParam().width * GetParam().ratio, 0.5);
    EXPECT_EQ(countOf(far, colors::black), rows * far.deviceWidthPx());
}

INSTANTIATE_TEST_SUITE_P(RatiosAndWidths, FarLineAtRatio,
                         ::testing::Values(FarLineCase{1, 1}, FarLineCase{1, 2}, FarLineCase{1, 3},
                                           FarLineCase{1, 10}, FarLineCase{1.5, 1},
                                           FarLineCase{1.5, 2}, FarLineCase{1.5, 3},
                                           FarLineCase{1.5, 5}, FarLineCase{2, 1},
                                           FarLineCase{2, 3}, FarLineCase{2, 4},
                                           FarLineCase{2, 10}),
                         [](const auto& info) {
                             return "Ratio" +
                                    std::to_string(static_cast<int>(info.param.ratio * 10)) +
                                    "Width" + std::to_string(info.param.width);
                         });

} // namespace
} // namespace canvas
