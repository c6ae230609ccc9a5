#include "optics/hyperbolic/protosfakos.h"
#include "optics/lensdata/lens_data.h"
#include "optics/spherical/tracer.h"

#include "canvas/surface.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

using namespace optics::lensdata;
namespace sph = optics::spherical;
namespace hyp = optics::hyperbolic;

constexpr SphericalLens kStartLens{-50, 20, 100, 90, 1.5};
constexpr sph::Diaphragm kOpen{0, 1e6, -1e6};
const Light kAlongAxis = ParallelBeam{1, 0};

// A bundle along the axis of 501 rays, the most the wave record holds, over
// the part of the start lens that lets them out (rays higher than about 67
// are totally reflected at its back face).
std::vector<RayStart> fullBundle() {
    std::vector<RayStart> starts;
    for (int k = 0; k <= sph::kMaxRecordedRay; ++k) {
        starts.push_back({-200, 65 - 0.26 * k, 1, 0});
    }
    return starts;
}

// The panel of the workbench after that bundle was drawn with its waves: the
// rays from the record, the thick lens, the foci, the spot and the front.
void BM_SphericalPanelFromRecord(benchmark::State& bench) {
    canvas::Surface surface(400, 300);
    surface.Scale(-600, 450, 600, -450);
    optics::SharedSource source;
    sph::Poreiaaktinon state(source);
    for (RayStart s : fullBundle()) {
        sph::traceWave(surface, state, kOpen, s.x, s.y, s.dx, s.dy, kStartLens.xa, kStartLens.xb,
                       kStartLens.radius1, kStartLens.radius2, kStartLens.deiktis);
    }
    for (auto _ : bench) {
        const auto rays =
            sphericalExitRays(state.record, source.plithosaktinon, kStartLens.deiktis, kAlongAxis);
        benchmark::DoNotOptimize(sphericalLensData(kStartLens, kAlongAxis, rays));
    }
    bench.counters["rays"] = source.plithosaktinon;
}
BENCHMARK(BM_SphericalPanelFromRecord)->Unit(benchmark::kMicrosecond);

// The same bundle drawn as rays only: the panel traces the 501 rays itself.
void BM_SphericalPanelTracedAfresh(benchmark::State& bench) {
    const std::vector<RayStart> starts = fullBundle();
    for (auto _ : bench) {
        const auto rays = traceExitRays(kStartLens, kOpen, kAlongAxis, starts);
        benchmark::DoNotOptimize(sphericalLensData(kStartLens, kAlongAxis, rays));
    }
}
BENCHMARK(BM_SphericalPanelTracedAfresh)->Unit(benchmark::kMicrosecond);

// ElSahl's panel after the biconvex beam at 10 degrees (201 rays traced).
void BM_SahlPanel(benchmark::State& bench) {
    canvas::Surface surface(600, 600);
    surface.Scale(-120, 120, 150, -120);
    optics::SharedSource source;
    hyp::Protosfakos state(source);
    state.nsahl = 1.5;
    hyp::SahlView view{surface, {}, nullptr, nullptr};
    const double slope = std::tan(10 * std::acos(-1.0) / 180);
    hyp::amfikyrtosDesmi(state, view, 12, *hyp::semiConjugateAxis(1.5), slope);
    for (auto _ : bench) {
        benchmark::DoNotOptimize(sahlLensData(state, ParallelBeam{-1, -slope}));
    }
    bench.counters["rays"] = source.plithosaktinon;
}
BENCHMARK(BM_SahlPanel)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
