#include "windows/workbench/lentoi.h"

#include <algorithm>

namespace windows {

void Lentoi::drawPicture(const WorkbenchPicture& wanted) {
    // The focal marks are drawn with whatever pen the last drawing left: a
    // picture drawn again starts from the pen the window loaded with, so
    // that it comes out the same each time.
    canvas::Surface& view = surface();
    view.DrawWidth = 1;
    view.DrawStyle = canvas::PenStyle::Solid;
    view.FillStyle = canvas::FillMode::Transparent;
    // Drawing rewrites picture_ as it goes; wanted may be that very value.
    const WorkbenchPicture picture = wanted;
    switch (picture.base) {
    case WorkbenchPicture::Base::Lens:
        copyGeometry();
        showLens();
        break;
    case WorkbenchPicture::Base::ParallelBundle: {
        // The record already holds this bundle's rays: drawing it again
        // records nothing more, and its animations keep their light.
        const int recorded = recordedRays_;
        const std::optional<SentLight> recordLight = recordLight_;
        goniadesmis = picture.bundleAngleRad;
        sxediasidesmis(goniadesmis);
        recordedRays_ = recorded;
        recordLight_ = recordLight;
        break;
    }
    case WorkbenchPicture::Base::FanWaves:
    case WorkbenchPicture::Base::BundleWaves:
        replayAnimation(picture.base, picture.animationSteps);
        break;
    }
    for (const FanSource& fan : picture.fans) {
        drawFan(fan.x, fan.y);
        picture_.fans.push_back(fan);
    }
    canvasWidget().Refresh();
}

// The frames of the animation's ticks, one after the other, from the record
// as it stands: each paints over the places of the step before.
void Lentoi::replayAnimation(WorkbenchPicture::Base animation, int steps) {
    surface().Cls();
    sxediasifakoy11();
    steps = std::clamp(steps, 0, WorkbenchPicture::kAnimationSteps);
    for (int k = 1; k <= steps; ++k)
        drawAnimationStep(k);
    picture_ = WorkbenchPicture::waves(animation, steps);
}

} // namespace windows
