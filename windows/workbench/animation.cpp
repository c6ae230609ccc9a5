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
    drawAnimationStep(*step);
    if (picture_.base == animation)
        picture_.animationSteps = *step;
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

void Lentoi::drawAnimationStep(int k) {
    // The frames are drawn with the index the run started with.
    waves_.drawStep(surface(), state_.record, recordedRays_,
                    indexFor(picture_.drawnWith.deiktisdiathlasis), k);
    drawLensFaces();
}

} // namespace windows
