// The workbench's redraws on the real window, drawn offscreen on a
// 1920x1080 screen. The argument is the device pixel ratio of the window's
// image: at 2 it has 3840x2160 pixels, as on a screen at 200 % scaling.

#include "shell/application.h"
#include "shell/qtdialogs.h"
#include "windows/workbench/lentoi.h"

#include <benchmark/benchmark.h>

namespace {

struct Program {
    // Each benchmark draws its picture anew at the ratio before it is timed.
    explicit Program(const benchmark::State& state) {
        lentoi.surface().setDevicePixelRatio(static_cast<double>(state.range(0)));
    }

    shell::QtDialogs dialogs;
    shell::Application app{dialogs, windows::ScreenInfo{1920, 1080, 96}};
    windows::Lentoi& lentoi = app.lentoi();
};

// HScroll1's handler is the redraw the start picture is made of: Cls, the
// lens picture and the parallel bundle.
void redrawWithBundle(windows::Lentoi& lentoi, int& side) {
    side = -side;
    lentoi.HScroll1->setValue(side);
}

void BM_StartPicture(benchmark::State& state) {
    Program program(state);
    int side = 1;
    for (auto _ : state)
        redrawWithBundle(program.lentoi, side);
}
BENCHMARK(BM_StartPicture)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_DensestWaveBundle(benchmark::State& state) {
    Program program(state);
    program.lentoi.Check1->click();
    program.lentoi.desmi1->setValue(150); // 151 rays with waves
    int side = 1;
    for (auto _ : state)
        redrawWithBundle(program.lentoi, side);
}
BENCHMARK(BM_DensestWaveBundle)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_DensestFan(benchmark::State& state) {
    Program program(state);
    windows::Lentoi& lentoi = program.lentoi;
    lentoi.Check1->click();
    lentoi.desmi1->setValue(150);
    lentoi.arvimaton->setValue(5); // 3438 directions, rays and waves
    for (auto _ : state) {
        lentoi.Form_MouseDown(1, 1, -250, 30);
        lentoi.Form_MouseUp(1, 1, -250, 30);
    }
}
BENCHMARK(BM_DensestFan)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The densest fan, close to the lens, sends more rays through it than the
// record holds: the whole record (501 rays) is in use.
bool fillRecord(windows::Lentoi& lentoi, benchmark::State& state) {
    lentoi.Check1->click();
    lentoi.desmi1->setValue(150);
    lentoi.arvimaton->setValue(5);
    lentoi.Form_MouseDown(1, 1, -150, 10);
    lentoi.Form_MouseUp(1, 1, -150, 10);
    if (lentoi.recordedRays() == optics::spherical::kMaxRecordedRay + 1)
        return true;
    state.SkipWithError("the fan did not fill the record");
    return false;
}

// The longest train: step 240 of the point-source animation with the whole
// record (501 rays) in use.
void BM_AnimationTickAtStep240(benchmark::State& state) {
    Program program(state);
    windows::Lentoi& lentoi = program.lentoi;
    if (!fillRecord(lentoi, state))
        return;
    lentoi.kymatachronika_Click();
    for (int k = 1; k < 240; ++k)
        lentoi.Timer1_Timer();
    for (auto _ : state)
        lentoi.drawAnimationStep(240);
    state.counters["rays"] = lentoi.recordedRays();
}
BENCHMARK(BM_AnimationTickAtStep240)
    ->ArgName("ratio")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond);

// The slowest picture to draw again for a new window size: that animation
// run to its end, its 240 frames one after the other.
void BM_RedrawFinishedAnimation(benchmark::State& state) {
    Program program(state);
    windows::Lentoi& lentoi = program.lentoi;
    if (!fillRecord(lentoi, state))
        return;
    lentoi.kymatachronika_Click();
    while (lentoi.Timer1.Enabled())
        lentoi.Timer1_Timer();
    for (auto _ : state)
        lentoi.drawPicture(lentoi.picture());
    state.counters["steps"] = lentoi.picture().animationSteps;
}
BENCHMARK(BM_RedrawFinishedAnimation)
    ->ArgName("ratio")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond);

// Dropping the upper blade inside the glass pulls it back to the surface,
// and that move redraws the lens and the 141-ray wave bundle.
void BM_DragReleaseRedraw(benchmark::State& state) {
    Program program(state);
    windows::Lentoi& lentoi = program.lentoi;
    lentoi.Check1->click(); // desmi1 140: 141 rays with waves
    double x = 0;
    for (auto _ : state) {
        const double tip = lentoi.Line1.X1;
        x = (x == 0) ? 10 : 0;
        lentoi.Form_MouseDown(1, 0, tip, 150);
        lentoi.Form_MouseUp(1, 0, x, 20);
    }
}
BENCHMARK(BM_DragReleaseRedraw)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
