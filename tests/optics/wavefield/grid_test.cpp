// The fast single-precision grid against the double-precision field point by
// point, its cancelling, and set-ups it refuses.

#include "optics/wavefield/focus.h"
#include "optics/wavefield/grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

namespace wf = optics::wavefield;

// The start workbench picture on a 1280x800 screen: 1.5 units a pixel, the
// blades at x = 0 held at the glass's surface, √(100² − 50²) from the axis.
wf::Setup startPicture() {
    wf::Setup s;
    s.lens = optics::lensdata::SphericalLens{-50, 20, 100, 90, 1.5};
    s.light = wf::Beam{1, 0, -210, 210};
    s.screen = wf::Screen{0, -std::sqrt(7500.0), std::sqrt(7500.0)};
    s.region = {-960, -600, 960, 600};
    return s;
}

TEST(WaveFieldGrid, EveryPixelWithinOnePercentOfThePeakOfTheExactField) {
    wf::Setup fan = startPicture();
    fan.light = optics::lensdata::PointSource{-200, 0};
    const wf::Grid grid{-959.25, 599.25, 1.5, -1.5, 1280, 800};
    for (const wf::Setup& s : {startPicture(), fan}) {
        const wf::Field field(s);
        const std::optional<std::vector<wf::ComplexF>> fast = wf::computeGrid(field, grid);
        ASSERT_TRUE(fast);
        double worst = 0, peak = 0;
        for (int j = 3; j < grid.rows; j += 37) {
            for (int i = 0; i < grid.columns; ++i) {
                const double exact =
                    std::norm(field.at(grid.x0 + i * grid.dx, grid.y0 + j * grid.dy));
                const wf::ComplexF u = (*fast)[static_cast<std::size_t>(j) * grid.columns + i];
                peak = std::max(peak, exact);
                worst = std::max(worst, std::abs(exact - std::norm(std::complex<double>(u))));
            }
        }
        EXPECT_LE(worst, 0.01 * peak) << worst / peak;
    }
    const wf::Field field(startPicture());
    std::atomic<bool> cancel{true};
    EXPECT_FALSE(wf::computeGrid(field, grid, 2, &cancel));
    EXPECT_FALSE(wf::findFocus(field, {55, -40, 200, 40}, 64, 101, &cancel));
}

TEST(WaveFieldGrid, RefusesWhatItCannotCompute) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<wf::Setup> bad(7, startPicture());
    bad[0].wavelength = nan;
    bad[1].wavelength = -25;
    bad[2].light = wf::Beam{0, 0, -1, 1};
    bad[3].light = optics::lensdata::PointSource{inf, 0};
    bad[4].lens = optics::lensdata::SphericalLens{-50, 20, -100, 90, 1.5};
    bad[5].screen = wf::Screen{nan, -10, 10};
    bad[6].light = optics::lensdata::PointSource{-200, 0};
    bad[6].region = {-1e306, -1e306, 1e306, 1e306};
    for (const wf::Setup& s : bad) {
        const wf::Field f(s);
        EXPECT_FALSE(f.error().empty());
        EXPECT_EQ(f.at(100, 0), wf::Complex{});
    }
    const wf::Field good(startPicture());
    EXPECT_EQ(good.at(nan, 0), wf::Complex{});
    EXPECT_FALSE(wf::computeGrid(good, {0, 0, 1, 1, 1 << 14, 1 << 14}));
}

} // namespace
