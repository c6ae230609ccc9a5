// The wave field of the start workbench picture (the 0° bundle through the
// start lens) on a 1280x800 screen at ratio 1, against a straightforward
// per-pixel double-precision loop over the same wavelets.

#include "optics/wavefield/grid.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

namespace wf = optics::wavefield;

// The workbench's scale on a 1280x800 client area: 1200 units across the
// shorter side; the bundle's rays start at heights 200 down to −200, and the
// blades at x = 0 are held at the glass's surface, √(100² − 50²) from the axis.
constexpr int kWidth = 1280, kHeight = 800;
constexpr double kUnit = 1200.0 / kHeight;

wf::Setup startPicture() {
    wf::Setup s;
    s.lens = optics::lensdata::SphericalLens{-50, 20, 100, 90, 1.5};
    s.light = wf::Beam{1, 0, -210, 210};
    s.screen = wf::Screen{0, -std::sqrt(7500.0), std::sqrt(7500.0)};
    s.wavelength = 25;
    s.region = {-kWidth * kUnit / 2, -kHeight * kUnit / 2, kWidth * kUnit / 2, kHeight * kUnit / 2};
    return s;
}

// The pixels' centres of a picture whose top left corner is (left, top): 1
// for the 1280x800 screen at ratio 1, 2 for 1920x1080 at ratio 2 (3840x2160
// device pixels).
wf::Grid deviceGrid(double left, double top, double width, double height, int ratio) {
    const int columns = ratio == 1 ? kWidth : 3840, rows = ratio == 1 ? kHeight : 2160;
    const double dx = width / columns, dy = -height / rows;
    return {left + dx / 2, top + dy / 2, dx, dy, columns, rows};
}

wf::Grid screen() {
    return deviceGrid(-kWidth * kUnit / 2, kHeight * kUnit / 2, kWidth * kUnit, kHeight * kUnit, 1);
}

// The set-up's field built and computed on the grid, on state.range(0) threads.
void fieldOnGrid(benchmark::State& state, const wf::Setup& s, const wf::Grid& g) {
    const int threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        wf::Field f(s);
        auto grid = wf::computeGrid(f, g, threads);
        benchmark::DoNotOptimize(grid->data());
    }
}

void BM_FieldSetup(benchmark::State& state) {
    const wf::Setup s = startPicture();
    for (auto _ : state) {
        wf::Field f(s);
        benchmark::DoNotOptimize(f.boundaries().data());
    }
}
BENCHMARK(BM_FieldSetup)->Unit(benchmark::kMillisecond);

void BM_StartPictureFast(benchmark::State& state) {
    fieldOnGrid(state, startPicture(), screen());
}
BENCHMARK(BM_StartPictureFast)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StartPictureYardstick(benchmark::State& state) {
    const wf::Setup s = startPicture();
    const wf::Grid g = screen();
    std::vector<wf::Complex> out(static_cast<std::size_t>(g.columns) * g.rows);
    for (auto _ : state) {
        wf::Field f(s);
        for (int j = 0; j < g.rows; ++j) {
            for (int i = 0; i < g.columns; ++i) {
                out[static_cast<std::size_t>(j) * g.columns + i] =
                    f.at(g.x0 + i * g.dx, g.y0 + j * g.dy);
            }
        }
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_StartPictureYardstick)->Unit(benchmark::kMillisecond)->Iterations(2);

// The workbench's fan from the start source point (−200, 0), and Ibn Sahl's
// biconvex lens (n = 1.5) under its beam of 201 rays from x = 130 at heights
// 100 to −100, travelling left, in ElSahl's scale (−120..150 across, 120
// down to −120), both whole on the 1280x800 screen.
// Arguments: threads, then the ratio (deviceGrid).

void BM_StartFan(benchmark::State& state) {
    wf::Setup s = startPicture();
    s.light = optics::lensdata::PointSource{-200, 0};
    const int ratio = static_cast<int>(state.range(1));
    // 1200 units across the shorter side at either size.
    const double w = ratio == 1 ? 1920 : 1200.0 * 1920 / 1080;
    s.region = {-w / 2, -600, w / 2, 600};
    fieldOnGrid(state, s, deviceGrid(-w / 2, 600, w, 1200, ratio));
}
BENCHMARK(BM_StartFan)
    ->Args({1, 1})
    ->Args({2, 1})
    ->Args({2, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_SahlBiconvexBeam(benchmark::State& state) {
    wf::Setup s;
    const double a = 12, n = 1.5;
    s.lens = wf::SahlLens{a, a * std::sqrt(n * n - 1), n, true};
    s.light = wf::Beam{-1, 0, -100, 100};
    s.wavelength = 15;
    s.region = {-120, -120, 150, 120};
    fieldOnGrid(state, s, deviceGrid(-120, 120, 270, 240, static_cast<int>(state.range(1))));
}
BENCHMARK(BM_SahlBiconvexBeam)
    ->Args({1, 1})
    ->Args({2, 1})
    ->Args({2, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
