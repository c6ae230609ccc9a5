#include "windows/workbench/lentoi.h"

#include <algorithm>

namespace windows {

// Each part is drawn with the values it was drawn with before; the
// controls and their boxes stay as they are.
void Lentoi::drawPicture(const WorkbenchPicture& wanted) {
    // Drawing rewrites picture_ as it goes; wanted may be that very value.
    const WorkbenchPicture picture = wanted;
    switch (picture.base) {
    case WorkbenchPicture::Base::Lens:
        copyGeometry();
        showLens(picture.drawnWith);
        break;
    case WorkbenchPicture::Base::ParallelBundle:
        // The record already holds this bundle's rays: drawing it again
        // records nothing more, and its animations keep their light.
        goniadesmis = picture.bundleAngleRad;
        sxediasidesmis(goniadesmis, picture.drawnWith, Recording::Discarded);
        break;
    case WorkbenchPicture::Base::FanWaves:
    case WorkbenchPicture::Base::BundleWaves: replayAnimation(picture); break;
    }
    // The object lies under the fans: a Shift-click draws its fan over it.
    if (picture.object)
        showObject(*picture.object);
    for (const FanSource& fan : picture.fans) {
        drawFan(fan.x, fan.y, fan.drawnWith);
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
        picture == WorkbenchPicture::parallelBundle(goniadesmis, recorded.drawnWith)) {
        // The bundle that recorded the waves is the whole picture: recording
        // it draws it.
        sxediasidesmis(goniadesmis, recorded.drawnWith);
        canvasWidget().Refresh();
    } else {
        // A fan drawn last (the last Shift-click's, else the object's)
        // records its waves as the picture is drawn; any other record is
        // made first, and the picture drawn over it.
        const std::optional<FanSource> lastFan =
            picture.fans.empty() ? picture.object : std::optional(picture.fans.back());
        const bool lastFanRecords =
            recorded.kind == WaveRecordContents::Kind::Fan &&
            lastFan == FanSource{recorded.fan.x, recorded.fan.y, recorded.drawnWith};
        if (!lastFanRecords)
            record(recorded);
        drawPicture(picture);
    }
    armAnimationMenus();
}

void Lentoi::record(const WaveRecordContents& recorded) {
    switch (recorded.kind) {
    case WaveRecordContents::Kind::Nothing: break;
    case WaveRecordContents::Kind::Fan:
        drawFan(recorded.fan.x, recorded.fan.y, recorded.drawnWith);
        break;
    case WaveRecordContents::Kind::Bundle: sxediasidesmis(goniadesmis, recorded.drawnWith); break;
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
void Lentoi::replayAnimation(const WorkbenchPicture& animation) {
    surface().Cls();
    sxediasifakoy11(indexFor(animation.drawnWith.deiktisdiathlasis));
    const int steps = std::clamp(animation.animationSteps, 0, WorkbenchPicture::kAnimationSteps);
    for (int k = 1; k <= steps; ++k)
        drawAnimationStep(k, indexFor(animation.indexBarAt(k)));
    picture_ = WorkbenchPicture::waves(animation.base, steps, animation.drawnWith);
    picture_.indexChanges = animation.indexChanges;
}

} // namespace windows
