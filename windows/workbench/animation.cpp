#include "windows/workbench/lentoi.h"

#include "optics/spherical/wavepath.h"

#include <algorithm>

namespace windows {

namespace sph = optics::spherical;

namespace {

constexpr double kElapsedLimit = 500;
// 250 units per unit of time, 0.01 of a unit per tick.
constexpr double kAirStep = 2.5;
constexpr int kStepsPerWavelength = 10;

} // namespace

void Lentoi::Timer1_Timer() {
    tick(Timer1, timer1Step_, WorkbenchPicture::Base::FanWaves);
}

void Lentoi::Timer2_Timer() {
    tick(Timer2, timer2Step_, WorkbenchPicture::Base::BundleWaves);
}

void Lentoi::tick(FormTimer& timer, int& step, WorkbenchPicture::Base animation) {
    // With an Interval of 1 the step count ends the run after 240 drawing
    // ticks; with a long Interval the elapsed value ends it at the second.
    const double elapsed = static_cast<double>(step) * timer.Interval();
    ++step;
    if (elapsed > kElapsedLimit || step > WorkbenchPicture::kAnimationSteps) {
        step = 0;
        timer.setEnabled(false);
        return;
    }
    drawAnimationStep(step);
    if (picture_.base == animation)
        picture_.animationSteps = step;
    canvasWidget().Refresh();
}

// As if the animation had run out: each running timer is off with its count
// back at 0, and the menus stay as they are. Timer1 at load is enabled with
// no Interval and ticks not, so it keeps its state.
void Lentoi::stopAnimation() {
    for (auto [timer, step] : {std::pair{&Timer1, &timer1Step_}, std::pair{&Timer2, &timer2Step_}})
        if (timer->ticking()) {
            timer->setEnabled(false);
            *step = 0;
        }
}

void Lentoi::hideEvent(QHideEvent* event) {
    stopAnimation();
    FormWindow::hideEvent(event);
}

void Lentoi::drawAnimationStep(int k) {
    advanceWaves(k);
    drawLensFaces();
}

void Lentoi::advanceWaves(int k) {
    const double n = index();
    const int last = std::min(recordedRays_ - 1, sph::kMaxRecordedRay);
    for (int i = 1; i <= last; ++i) {
        for (int step = (k == 1 ? 0 : k); step <= k; ++step) {
            const sph::PathPoint p = sph::wavePosition(state_.record, i, kAirStep * step, n);
            thesiX[position(i, step)] = p.x;
            thesiY[position(i, step)] = p.y;
        }
    }
    surface().DrawWidth = 2;
    // Every old place is painted white before any new one is drawn, so no
    // front wipes out a neighbour drawn a moment earlier.
    for (int i = 1; i <= last; ++i)
        for (int m = k; m == k || m > 1; m -= kStepsPerWavelength)
            drawFront(i, m - 1, canvas::colors::white);
    for (int i = 1; i <= last; ++i) {
        drawFront(i, k, canvas::colors::red);
        for (int m = k - kStepsPerWavelength; m > 1; m -= kStepsPerWavelength)
            drawFront(i, m, canvas::RGB(2, 0, 150));
    }
}

void Lentoi::drawFront(int i, int step, canvas::Color color) {
    canvas::Surface& view = surface();
    const std::size_t at = position(i, step);
    // The segment from the neighbouring ray ends in a round cap of the pen's
    // width, which covers exactly the pixels of the point's dot: the dot is
    // drawn alone only where no segment ends on it.
    if (i > 1)
        view.Line(thesiX[at - kStepSlots], thesiY[at - kStepSlots], thesiX[at], thesiY[at], color);
    else
        view.PSet(thesiX[at], thesiY[at], color);
}

} // namespace windows
