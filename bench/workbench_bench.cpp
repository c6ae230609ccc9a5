// The workbench's redraws on the real window, drawn offscreen on a
// 1920x1080 screen. The argument is the device pixel ratio of the window's
// image: at 2 it has 3840x2160 pixels, as on a screen at 200 % scaling.

#include "shell/application.h"
#include "shell/qtdialogs.h"
#include "tests/support/controls.h"
#include "windows/common/picturefile.h"
#include "windows/lens_data/lensdatapanel.h"
#include "windows/workbench/lentoi.h"

#include <QImage>
#include <QPainter>
#include <QSignalBlocker>

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
    scrollBar(lentoi, "HScroll1")->setValue(side);
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
    checkBox(program.lentoi, "Check1")->click();
    scrollBar(program.lentoi, "desmi1")->setValue(150); // 151 rays with waves
    int side = 1;
    for (auto _ : state)
        redrawWithBundle(program.lentoi, side);
}
BENCHMARK(BM_DensestWaveBundle)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The densest fan a Shift-click sends: 3438 directions, rays and waves.
void densestFan(windows::Lentoi& lentoi) {
    checkBox(lentoi, "Check1")->click();
    scrollBar(lentoi, "desmi1")->setValue(150);
    scrollBar(lentoi, "arvimaton")->setValue(5);
}

void BM_DensestFan(benchmark::State& state) {
    Program program(state);
    windows::Lentoi& lentoi = program.lentoi;
    densestFan(lentoi);
    for (auto _ : state) {
        lentoi.Form_MouseDown(1, 1, -250, 30);
        lentoi.Form_MouseUp(1, 1, -250, 30);
    }
}
BENCHMARK(BM_DensestFan)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The densest fan, close to the lens, sends more rays through it than the
// record holds: the whole record (501 rays) is in use.
bool fillRecord(windows::Lentoi& lentoi, benchmark::State& state) {
    densestFan(lentoi);
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
        lentoi.drawAnimationStep(240, 1.5); // the start index
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
    while (formTimer(lentoi, "Timer1")->Enabled())
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

// One zoom step (Ctrl+= or Ctrl+-) draws the picture again at the new
// scale: the start picture, or the densest fan drawn by a Shift-click.
void zoomStep(windows::Lentoi& lentoi, int& step) {
    step = -step;
    lentoi.zoomAtMiddle(step);
}

void BM_ZoomStepStartPicture(benchmark::State& state) {
    Program program(state);
    int step = -1;
    for (auto _ : state)
        zoomStep(program.lentoi, step);
}
BENCHMARK(BM_ZoomStepStartPicture)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_ZoomStepDensestFan(benchmark::State& state) {
    Program program(state);
    windows::Lentoi& lentoi = program.lentoi;
    densestFan(lentoi);
    lentoi.Form_MouseDown(1, 1, -250, 30);
    lentoi.Form_MouseUp(1, 1, -250, 30);
    int step = -1;
    for (auto _ : state)
        zoomStep(lentoi, step);
}
BENCHMARK(BM_ZoomStepDensestFan)->ArgName("ratio")->Arg(1)->Unit(benchmark::kMillisecond);

// Dropping the upper blade inside the glass pulls it back to the surface,
// and that move redraws the lens and the 141-ray wave bundle.
void BM_DragReleaseRedraw(benchmark::State& state) {
    Program program(state);
    windows::Lentoi& lentoi = program.lentoi;
    checkBox(lentoi, "Check1")->click(); // desmi1 140: 141 rays with waves
    double x = 0;
    for (auto _ : state) {
        const double tip = lentoi.upperBlade().X1;
        x = (x == 0) ? 10 : 0;
        lentoi.Form_MouseDown(1, 0, tip, 150);
        lentoi.Form_MouseUp(1, 0, x, 20);
    }
}
BENCHMARK(BM_DragReleaseRedraw)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// One step of a drag of the object's tip over the start picture: the
// bundle, the tip's fan (rays and waves) and the image drawn again.
void BM_ObjectDragStep(benchmark::State& state) {
    Program program(state);
    windows::Lentoi& lentoi = program.lentoi;
    checkBox(lentoi, "Check1")->click();
    lentoi.Form_MouseDown(1, canvas::ShiftKey | canvas::CtrlKey, -300, 40);
    double y = 40;
    for (auto _ : state) {
        y = (y == 40) ? 41 : 40;
        lentoi.Form_MouseMove(1, 0, -300, y);
    }
    lentoi.Form_MouseUp(1, 0, -300, y);
}
BENCHMARK(BM_ObjectDragStep)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// What the lens-data panel adds to a redraw, timed alone: its numbers worked
// out and laid out once the window has drawn, then the marks and the panel
// painted as the screen shows them. Before each, untimed, the picture is
// drawn anew with the glass's index changed, so that every time brings new
// numbers. The scenes: the start picture (0); the densest fan drawn as rays
// only, which the panel traces again (1); the densest fan with waves, which
// fills the record (2).
void BM_LensDataPanel(benchmark::State& state) {
    Program program(state);
    windows::Lentoi& lentoi = program.lentoi;
    const int scene = static_cast<int>(state.range(1));
    if (scene == 2)
        checkBox(lentoi, "Check1")->click();
    scrollBar(lentoi, "desmi1")->setValue(150);
    scrollBar(lentoi, "arvimaton")->setValue(5);
    canvas::CanvasWidget& canvas = lentoi.canvasWidget();
    const auto redraw = [&lentoi, scene](int index) {
        scrollBar(lentoi, "deiktisdiathlasis")->setValue(index);
        if (scene == 0) {
            scrollBar(lentoi, "HScroll1")
                ->setValue(scrollBar(lentoi, "HScroll1")->value() == 0 ? 1 : 0);
            return;
        }
        lentoi.Form_MouseDown(1, 1, -150, 10);
        lentoi.Form_MouseUp(1, 1, -150, 10);
    };
    windows::LensDataPanel& panel = *windows::lensDataPanel(lentoi);
    panel.setShown(true);
    const double ratio = static_cast<double>(state.range(0));
    QImage screen(canvas.size() * ratio, QImage::Format_RGB32);
    screen.setDevicePixelRatio(ratio);
    windows::takeScreenDpi(screen, canvas);
    int index = 150;
    for (auto _ : state) {
        state.PauseTiming();
        {
            // The panel hears of this redraw below, in the timed part.
            const QSignalBlocker quiet(canvas);
            index = 301 - index;
            redraw(index);
        }
        state.ResumeTiming();
        canvas.Refresh();
        QPainter painter(&screen);
        panel.paintMarks(painter);
        panel.paintAtPlace(painter);
    }
    state.counters["rays"] = lentoi.recordedRays();
}
BENCHMARK(BM_LensDataPanel)
    ->ArgNames({"ratio", "scene"})
    ->ArgsProduct({{1, 2}, {0, 1, 2}})
    ->Iterations(40)
    ->Unit(benchmark::kMicrosecond);

// The start picture's redraw with the glass's index changed each time, so
// that the panel has new numbers to show, and the canvas painted as the
// screen shows it: without the panel (0) and with it (1), its numbers, its
// table and the marks.
void BM_RedrawWithPanel(benchmark::State& state) {
    Program program(state);
    windows::Lentoi& lentoi = program.lentoi;
    if (state.range(1) == 1)
        windows::lensDataPanel(lentoi)->toggle();
    canvas::CanvasWidget& canvas = lentoi.canvasWidget();
    const double ratio = canvas.surface().devicePixelRatio();
    QImage screen(canvas.size() * ratio, QImage::Format_RGB32);
    screen.setDevicePixelRatio(ratio);
    int side = 1;
    for (auto _ : state) {
        scrollBar(lentoi, "deiktisdiathlasis")->setValue(side > 0 ? 150 : 151);
        redrawWithBundle(lentoi, side);
        canvas.render(&screen);
    }
}
BENCHMARK(BM_RedrawWithPanel)
    ->ArgNames({"ratio", "panel"})
    ->ArgsProduct({{1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

} // namespace
