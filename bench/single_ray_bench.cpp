// The single-ray window's aim: the redraw a Shift-release asks for (Cls, the
// aiming line, the outline with its marks and the ray through the lens), on
// the real window at 1920 x 1080, offscreen.

#include "bench/benchdialogs.h"
#include "shell/application.h"
#include "tests/support/controls.h"
#include "windows/single_ray/moniaktina.h"

#include <benchmark/benchmark.h>

namespace {

struct Aim {
    double x, y;
};

void aimRedraw(benchmark::State& state, Aim (*aimOf)(const windows::Moniaktina&)) {
    BenchDialogs dialogs; // no box ever opens while aiming
    shell::Application app(dialogs, windows::ScreenInfo{1920, 1080, 96});
    app.openSingleRay();
    windows::Moniaktina& window = app.moniaktina();
    const Aim aim = aimOf(window);
    for (auto _ : state) {
        window.Form_MouseUp(canvas::LeftButton, canvas::ShiftKey, aim.x, aim.y);
        benchmark::DoNotOptimize(window.surface().pixels()[0]);
    }
}

// The start aim: from the mark to halfway between the origin and its corner,
// through both faces near the axis.
void BM_AimStartRay(benchmark::State& state) {
    aimRedraw(state, [](const windows::Moniaktina& w) {
        return Aim{w.sourceMark().Left / 2, w.sourceMark().Top / 2};
    });
}
BENCHMARK(BM_AimStartRay)->Unit(benchmark::kMicrosecond);

// A ray that misses the lens: the outline and one long segment.
void BM_AimPastTheLens(benchmark::State& state) {
    aimRedraw(state, [](const windows::Moniaktina& w) {
        return Aim{w.sourceMark().Left + 400, w.sourceMark().Top};
    });
}
BENCHMARK(BM_AimPastTheLens)->Unit(benchmark::kMicrosecond);

} // namespace
