// The wave field on the real workbench, drawn offscreen: how long after a
// redraw its field is shown, and what a frame of the wave's animation costs
// (the colours from the stored field, then the picture composited). The
// arguments are the screen (0: 1280x800, 1: 1920x1080) and the device pixel
// ratio of the window's image.

#include "shell/application.h"
#include "shell/qtdialogs.h"
#include "tests/support/controls.h"
#include "windows/workbench/lentoi.h"

#include <benchmark/benchmark.h>

namespace {

struct Program {
    explicit Program(const benchmark::State& state)
        : app{dialogs, state.range(0) == 0 ? windows::ScreenInfo{1280, 800, 96}
                                           : windows::ScreenInfo{1920, 1080, 96}} {
        app.Main();
        lentoi.surface().setDevicePixelRatio(static_cast<double>(state.range(1)));
        lentoi.drawPicture(lentoi.picture());
    }

    shell::QtDialogs dialogs;
    shell::Application app;
    windows::Lentoi& lentoi = app.lentoi();
};

// The diaphragm moves sideways by one step each time, which draws the start
// bundle again through a diaphragm a little elsewhere: each redraw asks for
// a field of its own.
void BM_FieldAfterRedraw(benchmark::State& state) {
    Program program(state);
    windows::WaveFieldLayer& field = program.lentoi.waveField();
    field.setMode(windows::WaveFieldMode::Intensity);
    field.waitForField();
    for (auto _ : state) {
        QScrollBar* bar = scrollBar(program.lentoi, "HScroll1");
        bar->setValue(bar->value() == 0 ? 1 : 0);
        field.waitForField();
        if (!field.shownField())
            state.SkipWithError("no field was shown");
    }
}
BENCHMARK(BM_FieldAfterRedraw)
    ->ArgNames({"screen", "ratio"})
    ->Args({0, 1})
    ->Args({1, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_WaveFrame(benchmark::State& state) {
    Program program(state);
    windows::WaveFieldLayer& field = program.lentoi.waveField();
    field.setMode(windows::WaveFieldMode::Wave);
    field.waitForField();
    for (auto _ : state) {
        field.setPhase(field.phase() + 0.04);
        QImage frame = program.lentoi.canvasWidget().picture();
        benchmark::DoNotOptimize(frame.constBits());
    }
}
// Its rows are shared among threads: the time on the clock counts, and
// the processor time of all of them beside it.
BENCHMARK(BM_WaveFrame)
    ->ArgNames({"screen", "ratio"})
    ->Args({0, 1})
    ->Args({1, 2})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

} // namespace
