#include "windows/workbench/lentoi.h"

namespace windows {

void Lentoi::Timer1_Timer() {
    tick(Timer1, WaveAnimation::Run::Fan, WorkbenchPicture::Base::FanWaves);
}

void Lentoi::Timer2_Timer() {
    tick(Timer2, WaveAnimation::Run::Bundle, WorkbenchPicture::Base::BundleWaves);
}

void Lentoi::tick(FormTimer& timer, WaveAnimation::Run run, WorkbenchPicture::Base animation) {
    const std::optional<int> step = waves_.tick(run, timer.Interval());
    if (!step) {
        timer.setEnabled(false);
        return;
    }
    const int bar = deiktisdiathlasis->value();
    if (picture_.base == animation) {
        if (bar != picture_.indexBarAt(*step))
            picture_.indexChanges.push_back({*step, bar});
        picture_.animationSteps = *step;
    }
    drawAnimationStep(*step, indexFor(bar));
    canvasWidget().Refresh();
}

// As if the animation had run out: each running timer is off with its count
// back at 0, and the menus stay as they are. Timer1 at load is enabled with
// no Interval and ticks not, so it keeps its state.
void Lentoi::stopAnimation() {
    for (auto [timer, run] : {std::pair{&Timer1, WaveAnimation::Run::Fan},
                              std::pair{&Timer2, WaveAnimation::Run::Bundle}})
        if (timer->ticking()) {
            timer->setEnabled(false);
            waves_.restart(run);
        }
}

void Lentoi::hideEvent(QHideEvent* event) {
    stopAnimation();
    FormWindow::hideEvent(event);
}

void Lentoi::drawAnimationStep(int k, double n) {
    waves_.drawStep(surface(), state_.record, recordedRays_, n, k);
    drawLensFaces();
}

} // namespace windows
