#include "windows/workbench/lentoi.h"

#include "windows/common/controls.h"
#include "windows/lens_data/lensdatapanel.h"

namespace windows {

std::array<QScrollBar*, std::size(kLentoiBars)> Lentoi::bars() const {
    return {desmi1,        deiktisdiathlasis, aktina2,  aktina1,  kentrokykloy,
            kentrokykloy2, arvimaton,         HScroll1, VScroll1, VScroll2};
}

LentoiSetup Lentoi::setup() const {
    LentoiSetup s;
    const auto controls = bars();
    for (std::size_t i = 0; i < controls.size(); ++i)
        s.*kLentoiBars[i].value = controls[i]->value();
    s.Check1 = Check1->isChecked() ? 1 : 0;
    s.Check2 = Check2->isChecked() ? 1 : 0;
    s.aktina1Moved = aktina1Moved_;
    s.aktina2Moved = aktina2Moved_;
    s.Line1 = {Line1.X1, Line1.Y2};
    s.line1BorderColor = static_cast<int>(Line1.BorderColor);
    s.Line2 = {Line2.X1, Line2.Y2};
    s.pigi = {pigi.Left, pigi.Top};
    s.bundleAngleDeg = bundleAngleDeg_;
    s.picture = picture_;
    s.recorded = recordContents_;
    s.lensData = lensDataPanel(*this)->shown();
    s.waveField = waveField_->mode();
    s.waveFieldWavelength = waveField_->wavelength();
    s.view = zoomView();
    return s;
}

// Both check boxes ticked draw waves alone, as "SHOW ONLY WAVES" does, and
// the window can never show them so: only that one is ticked.
void Lentoi::apply(const LentoiSetup& s) {
    takeZoomView(s.view);
    sizeShapes();
    const auto controls = bars();
    for (std::size_t i = 0; i < controls.size(); ++i)
        setQuietly(controls[i], s.*kLentoiBars[i].value);
    const WorkbenchDrawing boxes = s.controls();
    setQuietly(Check1, boxes.Check1);
    setQuietly(Check2, boxes.Check2);
    showControlValues(s.aktina1Moved, s.aktina2Moved);
    placeBlades(s);
    pigi.Left = s.pigi.x;
    pigi.Top = s.pigi.y;
    setBundleAngleDeg(s.bundleAngleDeg);
    lensDataPanel(*this)->setShown(s.lensData);
    waveField_->setWavelength(s.waveFieldWavelength);
    waveField_->setMode(s.waveField);
    // The bundle's angle is the typed one; only an animation has steps.
    WorkbenchPicture picture = s.picture;
    picture.bundleAngleRad = 0;
    if (picture.base == WorkbenchPicture::Base::ParallelBundle)
        picture.bundleAngleRad = goniadesmis;
    if (picture.base == WorkbenchPicture::Base::Lens ||
        picture.base == WorkbenchPicture::Base::ParallelBundle)
        picture.animationSteps = 0;
    restorePicture(picture, s.recorded);
}

void Lentoi::placeBlades(const LentoiSetup& s) {
    const canvas::Surface& view = surface();
    Line1.X1 = Line1.X2 = s.Line1.x;
    Line1.Y1 = view.ViewTop();
    Line1.Y2 = s.Line1.Y2;
    Line1.BorderColor = static_cast<canvas::Color>(s.line1BorderColor);
    Line2.X1 = Line2.X2 = s.Line2.x;
    Line2.Y1 = view.ViewTop() + view.ViewHeight();
    Line2.Y2 = s.Line2.Y2;
}

} // namespace windows
