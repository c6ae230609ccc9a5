#include "windows/workbench/lentoi.h"

#include <algorithm>

namespace windows {

void Lentoi::drawPicture(const WorkbenchPicture& wanted) {
    // Drawing rewrites picture_ as it goes; wanted may be that very value.
    const WorkbenchPicture picture = wanted;
    switch (picture.base) {
    case WorkbenchPicture::Base::Lens:
        copyGeometry();
        showLens();
        break;
    case WorkbenchPicture::Base::ParallelBundle:
        // The record already holds this bundle's rays: drawing it again
        // records nothing more, and its animations keep their light.
        goniadesmis = picture.bundleAngleRad;
        sxediasidesmis(goniadesmis, Recording::Discarded);
        break;
    case WorkbenchPicture::Base::FanWaves:
    case WorkbenchPicture::Base::BundleWaves:
        replayAnimation(picture.base, picture.animationSteps);
        break;
    }
    // The object lies under the fans: a Shift-click draws its fan over it.
    if (picture.object)
        showObject(*picture.object);
    for (const FanSource& fan : picture.fans) {
        drawFan(fan.x, fan.y);
        picture_.fans.push_back(fan);
    }
    canvasWidget().Refresh();
}

void Lentoi::restorePicture(const WorkbenchPicture& picture, const WaveRecordContents& recorded) {
    stopAnimation();
    recordedRays_ = 0;
    recordContents_ = {};
    lensData_.forgetRecord();
    if (recorded.kind == WaveRecordContents::Kind::Bundle &&
        picture == WorkbenchPicture::parallelBundle(goniadesmis)) {
        // The bundle that recorded the waves is the whole picture: recording
        // it draws it.
        sxediasidesmis(goniadesmis);
        canvasWidget().Refresh();
    } else {
        // A fan drawn last (the last Shift-click's, else the object's)
        // records its waves as the picture is drawn; any other record is
        // made first, and the picture drawn over it.
        const std::optional<FanSource> lastFan =
            picture.fans.empty() ? picture.object : std::optional(picture.fans.back());
        const bool lastFanRecords =
            recorded.kind == WaveRecordContents::Kind::Fan && lastFan == recorded.fan;
        if (!lastFanRecords)
            record(recorded);
        drawPicture(picture);
    }
    armAnimationMenus();
}

void Lentoi::record(const WaveRecordContents& recorded) {
    switch (recorded.kind) {
    case WaveRecordContents::Kind::Nothing: break;
    case WaveRecordContents::Kind::Fan: drawFan(recorded.fan.x, recorded.fan.y); break;
    case WaveRecordContents::Kind::Bundle: sxediasidesmis(goniadesmis); break;
    }
}

// The menu that moves the record is the one enabled, as the drawing that
// recorded it leaves them; no timer runs until a menu is chosen.
void Lentoi::armAnimationMenus() {
    kymatachronika->setEnabled(recordContents_.kind == WaveRecordContents::Kind::Fan);
    parallilakymata->setEnabled(recordContents_.kind == WaveRecordContents::Kind::Bundle);
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
