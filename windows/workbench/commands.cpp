#include "windows/workbench/lentoi.h"

#include "optics/spherical/geometry.h"
#include "optics/spherical/workbench.h"
#include "windows/common/askangle.h"

#include <cmath>
#include <numbers>

namespace windows {

namespace sph = optics::spherical;

void Lentoi::EPANALIPSI_Click() {
    // The angle is asked first, so a cancelled or refused answer leaves the
    // timers, the menus and the record as they were.
    const std::optional<double> degrees =
        askAngle(host().dialogs(), {"Give angle with horizontal direction: -90<φ<90", "", "",
                                    "Άκυρη γωνία Invalid angle -90<φ<90"});
    if (!degrees)
        return;
    state_.isepanalipsi = true;
    state_.shared.plithosaktinon = 0;
    recordedRays_ = 0;
    recordContents_ = {};
    Timer1.setInterval(1500);
    arxinizo();
    setBundleAngleDeg(*degrees);
    Timer1.setEnabled(false);
    sxediasidesmis(goniadesmis, controlValues());
    kymatachronika->setEnabled(false);
    Timer2.setInterval(1550);
    Timer2.setEnabled(true);
    parallilakymata->setEnabled(true);
    canvasWidget().Refresh();
}

void Lentoi::setBundleAngleDeg(double degrees) {
    bundleAngleDeg_ = degrees;
    goniadesmis = degrees * std::numbers::pi / 180;
}

// Choosing an animation again while it runs starts it again from its first
// step, over the cleared picture.
void Lentoi::parallilakymata_Click() {
    waves_.restart(WaveAnimation::Run::Bundle);
    picture_ = WorkbenchPicture::waves(WorkbenchPicture::Base::BundleWaves, 0, controlValues());
    surface().Cls();
    Timer1.setInterval(2000);
    sxediasifakoy11();
    Timer2.setInterval(1);
    Timer1.setEnabled(false);
    Timer2.setEnabled(true);
    canvasWidget().Refresh();
}

void Lentoi::kymatachronika_Click() {
    waves_.restart(WaveAnimation::Run::Fan);
    picture_ = WorkbenchPicture::waves(WorkbenchPicture::Base::FanWaves, 0, controlValues());
    surface().Cls();
    Timer2.setInterval(2000);
    sxediasifakoy11();
    Timer2.setEnabled(false);
    Timer1.setInterval(1);
    Timer1.setEnabled(true);
    canvasWidget().Refresh();
}

void Lentoi::sxediasifakoy11() {
    sxediasifakoy11(index());
}

void Lentoi::sxediasifakoy11(double n) {
    state_.deiktis = n;
    copyGeometry();
    // The animations show the waves of the record.
    setDrawnLens();
    showRecordLight();
    const double f = sph::estiaki(state_.radius1, state_.radius2, state_.deiktis).value_or(0);
    const sph::LensCrossing rim = sph::xordi(state_.xa, state_.xb, state_.radius1, state_.radius2);
    clampBlades();
    canvas::Surface& view = surface();
    view.Cls();
    drawFocalMarks(f);
    view.DrawWidth = 1;
    view.DrawStyle = canvas::PenStyle::Dot;
    view.Circle(state_.xa, 0, state_.radius1);
    view.Circle(state_.xb, 0, state_.radius2);
    view.DrawStyle = canvas::PenStyle::Solid;
    state_.xchord = rim.x1;
    state_.hchord = rim.y1;
    const sph::FaceArcs arcs = sph::faceArcs(state_.lens(), rim);
    state_.arc1start = arcs.arc1start;
    state_.arc1end = arcs.arc1end;
    state_.arc2start = arcs.arc2start;
    state_.arc2end = arcs.arc2end;
    drawLensFaces();
    waves_.clearPlaces();
}

void Lentoi::drawLensFaces() {
    const std::optional<sph::Disc> inner = sph::innerDisc(state_.lens());
    // Two circles that do not meet have no rim, so no faces to draw.
    if (!inner && state_.hchord == 0)
        return;
    canvas::Surface& view = surface();
    view.DrawWidth = 2;
    view.DrawStyle = canvas::PenStyle::Solid;
    if (inner) {
        // One circle inside the other: the glass is the inner disc, and its
        // whole circle is the face.
        view.Circle(inner->xc, 0, inner->r, canvas::colors::black);
    } else {
        view.Circle(state_.xa, 0, state_.radius1, canvas::colors::black, state_.arc1start,
                    state_.arc1end);
        view.Circle(state_.xb, 0, state_.radius2, canvas::colors::black, state_.arc2start,
                    state_.arc2end);
    }
    view.DrawWidth = 1;
}

} // namespace windows
