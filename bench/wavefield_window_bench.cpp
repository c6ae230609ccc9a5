// The wave field on the real workbench, drawn offscreen: how long after a
// redraw its field is shown, and what a frame of the wave's animation costs
// (the colours from the stored field, then the picture composited), and how
// long a drag waits for the preview of its field. The
// arguments are the screen (0: 1280x800, 1: 1920x1080) and the device pixel
// ratio of the window's image.

#include "shell/application.h"
#include "shell/qtdialogs.h"
#include "tests/support/controls.h"
#include "windows/workbench/lentoi.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

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

// Each case on the smaller screen at ratio 1 and on the larger at ratio 2.
void onBothScreens(benchmark::internal::Benchmark* bench) {
    bench->ArgNames({"screen", "ratio"})->Args({0, 1})->Args({1, 2})->Unit(benchmark::kMillisecond);
}

// The workbench's start picture with its field shown.
windows::WaveFieldLayer& fieldOn(Program& program, windows::WaveFieldMode mode) {
    windows::WaveFieldLayer& field = program.lentoi.waveField();
    field.setMode(mode);
    field.waitForField();
    return field;
}

// The diaphragm moves sideways by one step each time, which draws the start
// bundle again through a diaphragm a little elsewhere: each redraw asks for
// a field of its own.
void BM_FieldAfterRedraw(benchmark::State& state) {
    Program program(state);
    windows::WaveFieldLayer& field = fieldOn(program, windows::WaveFieldMode::Intensity);
    for (auto _ : state) {
        QScrollBar* bar = scrollBar(program.lentoi, "HScroll1");
        bar->setValue(bar->value() == 0 ? 1 : 0);
        field.waitForField();
        if (!field.shownField())
            state.SkipWithError("no field was shown");
    }
}
BENCHMARK(BM_FieldAfterRedraw)->Apply(onBothScreens)->UseRealTime();

// While a blade is dragged, each move asks for a new field: the time from
// the redraw until its coarse preview is shown (the full field it starts is
// cancelled by the next move).
void BM_PreviewAfterRedraw(benchmark::State& state) {
    Program program(state);
    windows::WaveFieldLayer& field = fieldOn(program, windows::WaveFieldMode::Intensity);
    for (auto _ : state) {
        QScrollBar* bar = scrollBar(program.lentoi, "HScroll1");
        bar->setValue(bar->value() == 0 ? 1 : 0);
        const auto start = std::chrono::steady_clock::now();
        // Only the field's own deliveries: the window's repaint in between
        // is the picture's time, not the preview's.
        while (!field.shownField()) {
            std::this_thread::sleep_for(std::chrono::microseconds(50));
            QCoreApplication::sendPostedEvents(&field, QEvent::MetaCall);
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (field.shownField()->step == 1)
            state.SkipWithError("the full field came before the preview");
    }
}
BENCHMARK(BM_PreviewAfterRedraw)->Apply(onBothScreens)->UseManualTime();

void BM_WaveFrame(benchmark::State& state) {
    Program program(state);
    windows::WaveFieldLayer& field = fieldOn(program, windows::WaveFieldMode::Wave);
    for (auto _ : state) {
        field.setPhase(field.phase() + 0.04);
        QImage frame = program.lentoi.canvasWidget().picture();
        benchmark::DoNotOptimize(frame.constBits());
    }
}
// Its rows are shared among threads: the time on the clock counts, and
// the processor time of all of them beside it.
BENCHMARK(BM_WaveFrame)->Apply(onBothScreens)->MeasureProcessCPUTime()->UseRealTime();

} // namespace
