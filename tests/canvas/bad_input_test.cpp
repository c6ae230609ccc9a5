#include "canvas/surface.h"
#include "picture.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

// Every primitive gets NaN, infinities, huge and tiny values in every
// argument. Each call must return at once without writing outside the image
// (the sanitizer build checks the writes), and the surface must keep working.

namespace canvas {
namespace {

using testing::countOf;

const std::vector<double>& badValues() {
    static const std::vector<double> values{std::numeric_limits<double>::quiet_NaN(),
                                            std::numeric_limits<double>::infinity(),
                                            -std::numeric_limits<double>::infinity(),
                                            std::numeric_limits<double>::max(),
                                            -std::numeric_limits<double>::max(),
                                            std::numeric_limits<double>::denorm_min(),
                                            1e300,
                                            -1e30,
                                            1e15,
                                            -2147483649.0,
                                            5};
    return values;
}

bool isNonFinite(double v) {
    return !std::isfinite(v);
}

// The surface is still sound: a known line lands where it should.
void expectStillDrawing(Surface& s) {
    s.Cls();
    s.DrawWidth = 1;
    s.DrawStyle = PenStyle::Solid;
    s.Line(0, 3, 15, 3, colors::green);
    EXPECT_EQ(countOf(s, colors::green), 16);
}

TEST(BadInput, LinesWithAnyEnds) {
    Surface s(16, 12);
    for (int width : {1, 3}) {
        s.DrawWidth = width;
        for (double x1 : badValues())
            for (double y1 : badValues())
                for (double x2 : badValues())
                    for (double y2 : badValues()) {
                        s.Cls();
                        s.Line(x1, y1, x2, y2);
                        if (isNonFinite(x1) || isNonFinite(y1) || isNonFinite(x2) ||
                            isNonFinite(y2)) {
                            ASSERT_EQ(countOf(s, colors::black), 0)
                                << x1 << " " << y1 << " " << x2 << " " << y2;
                        }
                    }
    }
    expectStillDrawing(s);
}

TEST(BadInput, DottedLinesWithHugeEnds) {
    Surface s(16, 12);
    s.DrawStyle = PenStyle::Dot;
    for (double v : badValues()) {
        s.Line(v, 5, -v, 6);
        s.Line(3, v, 4, -v);
    }
    expectStillDrawing(s);
}

TEST(BadInput, CirclesAndArcsWithAnyNumbers) {
    Surface s(16, 12);
    s.FillStyle = FillMode::Solid;
    s.FillColor = colors::red;
    const double angles[] = {
        std::numeric_limits<double>::quiet_NaN(), -7, -2 * std::numbers::pi, -1, 0, 3, 6.3};
    for (double x : badValues())
        for (double y : badValues())
            for (double r : badValues()) {
                s.Circle(x, y, r);
                s.DrawStyle = PenStyle::Dot;
                for (double a : angles)
                    s.Circle(x, y, r, colors::blue, a, -a / 2);
                s.DrawStyle = PenStyle::Solid;
            }
    expectStillDrawing(s);
}

TEST(BadInput, NonFiniteCirclesDrawNothing) {
    Surface s(16, 12);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    s.Circle(nan, 5, 3);
    s.Circle(5, inf, 3);
    s.Circle(5, 5, nan);
    s.Circle(5, 5, -inf);
    s.Circle(5, 5, inf, colors::black, 0, 1);
    EXPECT_EQ(countOf(s, colors::black), 0);
}

TEST(BadInput, PointsAndFillsAnywhere) {
    Surface s(16, 12);
    for (int width : {INT_MIN, -1, 0, 1, 7, 100, INT_MAX}) {
        s.DrawWidth = width;
        for (double x : badValues())
            for (double y : badValues())
                s.PSet(x, y);
    }
    for (int x : {INT_MIN, -1, 0, 15, 16, INT_MAX})
        for (int y : {INT_MIN, -1, 0, 11, 12, INT_MAX})
            s.FloodFill(x, y, colors::black);
    expectStillDrawing(s);
}

TEST(BadInput, ScaleWithAbsurdNumbersKeepsDrawingSafe) {
    Surface s(16, 12);
    s.Scale(-1e-300, 1e-300, 1e-300, -1e-300); // valid but absurdly small units
    s.Line(0, 0, 1, 1);
    s.Circle(0, 0, 1);
    s.PSet(1e-301, 0);
    s.Scale(-1e300, 1e300, 1e300, -1e300); // absurdly large units
    s.Line(-1, -1, 1, 1);
    s.Circle(0, 0, 1e305);
    s.Scale(0, 0, 16, 12);
    expectStillDrawing(s);
}

} // namespace
} // namespace canvas
