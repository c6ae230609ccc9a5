#include "optics/hyperbolic/protosfakos.h"

#include "canvas/surface.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace optics::hyperbolic;

// The ElSahl window at two thirds of a 1920-pixel screen, scaled as the lens
// choice leaves it.
struct Window {
    Window() {
        surface.Scale(-120, 120, 150, -120);
        state.nsahl = 1.5;
        source.pigiX = 108;
        source.pigiY = 25;
    }

    canvas::Surface surface{1280, 1280};
    optics::SharedSource source;
    Protosfakos state{source};
    SahlView view{surface, {}, nullptr, nullptr};
    double b = *semiConjugateAxis(1.5);
};

// The "PARALLILI  DESMH" menu on the biconvex lens at 10 degrees: 201 rays,
// 30 fronts each, joined with dots.
void BM_BiconvexBeam(benchmark::State& bench) {
    Window window;
    const double slope = std::tan(10 * std::acos(-1.0) / 180);
    for (auto _ : bench) {
        window.surface.Cls();
        amfikyrtosDesmi(window.state, window.view, 12, window.b, slope);
        benchmark::DoNotOptimize(window.surface.pixels());
    }
    bench.counters["recorded"] = window.source.plithosaktinon;
}
BENCHMARK(BM_BiconvexBeam)->Unit(benchmark::kMillisecond);

// A click on the window: Cls and the point-source fan with its fronts.
void BM_PointSourceRedraw(benchmark::State& bench, bool biconvex) {
    Window window;
    for (auto _ : bench) {
        window.surface.Cls();
        if (biconvex) {
            amfikyrtosPigi(window.state, window.view, 12, window.b, 108, 25);
        } else {
            epipedokyrtosPigi(window.state, window.view, 12, window.b, 108, 25);
        }
        benchmark::DoNotOptimize(window.surface.pixels());
    }
    bench.counters["recorded"] = window.source.plithosaktinon;
}
BENCHMARK_CAPTURE(BM_PointSourceRedraw, planoconvex, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PointSourceRedraw, biconvex, true)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
