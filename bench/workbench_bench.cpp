// The workbench's redraws on the real window, drawn offscreen on a
// 1920x1080 screen.

#include "shell/application.h"
#include "shell/qtdialogs.h"
#include "windows/workbench/lentoi.h"

#include <benchmark/benchmark.h>

namespace {

struct Program {
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
    Program program;
    int side = 1;
    for (auto _ : state)
        redrawWithBundle(program.lentoi, side);
}
BENCHMARK(BM_StartPicture)->Unit(benchmark::kMillisecond);

void BM_DensestWaveBundle(benchmark::State& state) {
    Program program;
    program.lentoi.Check1->click();
    program.lentoi.desmi1->setValue(150); // 151 rays with waves
    int side = 1;
    for (auto _ : state)
        redrawWithBundle(program.lentoi, side);
}
BENCHMARK(BM_DensestWaveBundle)->Unit(benchmark::kMillisecond);

void BM_DensestFan(benchmark::State& state) {
    Program program;
    windows::Lentoi& lentoi = program.lentoi;
    lentoi.Check1->click();
    lentoi.desmi1->setValue(150);
    lentoi.arvimaton->setValue(5); // 3438 directions, rays and waves
    for (auto _ : state) {
        lentoi.Form_MouseDown(1, 1, -250, 30);
        lentoi.Form_MouseUp(1, 1, -250, 30);
    }
}
BENCHMARK(BM_DensestFan)->Unit(benchmark::kMillisecond);

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

// The longest train: step 240 of the point-source animation.
void BM_AnimationTickAtStep240(benchmark::State& state) {
    Program program;
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
BENCHMARK(BM_AnimationTickAtStep240)->Unit(benchmark::kMillisecond);

// The slowest picture to draw again for a new window size: that animation
// run to its end, its 240 frames one after the other.
void BM_RedrawFinishedAnimation(benchmark::State& state) {
    Program program;
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
BENCHMARK(BM_RedrawFinishedAnimation)->Unit(benchmark::kMillisecond);

// Dropping the upper blade inside the glass pulls it back to the surface,
// and that move redraws the lens and the 141-ray wave bundle.
void BM_DragReleaseRedraw(benchmark::State& state) {
    Program program;
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
BENCHMARK(BM_DragReleaseRedraw)->Unit(benchmark::kMillisecond);

} // namespace
