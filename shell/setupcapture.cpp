#include "shell/application.h"
#include "shell/eisagogiko.h"
#include "shell/setupcontrols.h"
#include "shell/setupwindows.h"
#include "windows/lens_data/lensdatapanel.h"

namespace shell {

namespace {

SetupBlade bladeOf(const canvas::LineControl& line) {
    return {line.X1, line.Y2};
}

LentoiSetup lentoiSetup(const windows::Lentoi& window) {
    LentoiSetup s;
    for (const auto& field : controls::kLentoiBars)
        s.*field.value = (window.*field.control)->value();
    for (const auto& field : controls::kLentoiChecks)
        s.*field.value = (window.*field.control)->isChecked() ? 1 : 0;
    s.Line1 = bladeOf(window.Line1);
    s.line1BorderColor = static_cast<int>(window.Line1.BorderColor);
    s.Line2 = bladeOf(window.Line2);
    s.pigi = {window.pigi.Left, window.pigi.Top};
    s.bundleAngleDeg = window.bundleAngleDeg();
    const windows::WorkbenchPicture& picture = window.picture();
    s.drawn = controls::inSetup(picture.base, controls::kWorkbenchBases);
    s.waveSteps = picture.animationSteps;
    for (const windows::FanSource& fan : picture.fans)
        s.fans.push_back({fan.x, fan.y});
    const windows::RecordedWaves& recorded = window.recordedWaves();
    s.recorded = controls::inSetup(recorded.kind, controls::kRecords);
    s.recordedFan = {recorded.fan.x, recorded.fan.y};
    s.lensData = windows::lensDataPanel(window)->shown();
    return s;
}

// A ray starts at the mark as it was when the ray was aimed.
MoniaktinaSetup moniaktinaSetup(const windows::Moniaktina& window) {
    MoniaktinaSetup s;
    for (const auto& field : controls::kMoniaktinaBars)
        s.*field.value = (window.*field.control)->value();
    const windows::SingleRayPicture& picture = window.picture();
    const bool ray = picture.kind == windows::SingleRayPicture::Kind::Ray;
    const SetupPoint mark = ray ? SetupPoint{picture.sourceX, picture.sourceY}
                                : SetupPoint{window.fos.Left, window.fos.Top};
    if (!window.isLayoutPlace(mark.x, mark.y))
        s.fos = mark;
    if (ray) {
        s.drawn = MoniaktinaSetup::Drawing::Ray;
        s.aim = {picture.aimX, picture.aimY};
    }
    return s;
}

// A hidden window with nothing drawn is shown next by a lens choice, which
// puts the stop and the source back at their places: the set-up has them
// there, not where the window last had them.
ElSahlSetup elSahlSetup(Application& app) {
    const windows::ElSahl& window = app.elSahl();
    ElSahlSetup s;
    for (const auto& [button, option] : controls::kElSahlOptions)
        if ((window.*button)->isChecked())
            s.option = option;
    s.lens =
        app.hyperbolic().amfikyrtos ? ElSahlSetup::Lens::Biconvex : ElSahlSetup::Lens::PlanoConvex;
    s.lensData = windows::lensDataPanel(window)->shown();
    const windows::SahlPicture& picture = window.picture();
    if (!window.isVisible() && picture == windows::SahlPicture{})
        return s;
    s.Line1 = bladeOf(window.Line1);
    s.Line2 = bladeOf(window.Line2);
    s.source = {window.source().x, window.source().y};
    s.drawn = controls::inSetup(picture.drawing, controls::kSahlDrawings);
    if (picture.drawing == windows::SahlPicture::Drawing::Beam)
        s.beamAngleDeg = picture.beamAngleDeg;
    s.waves = picture.waves;
    return s;
}

} // namespace

FrontWindow frontWindow(Application& app, const QWidget* asking) {
    const bool singleRay = app.hasMoniaktina();
    if (asking == &app.lentoi())
        return FrontWindow::Lentoi;
    if (singleRay && asking == &app.moniaktina())
        return FrontWindow::Moniaktina;
    if (asking == &app.elSahl())
        return FrontWindow::ElSahl;
    if (singleRay && app.moniaktina().isVisible())
        return FrontWindow::Moniaktina;
    return app.elSahl().isVisible() ? FrontWindow::ElSahl : FrontWindow::Lentoi;
}

Setup captureSetup(Application& app, FrontWindow front) {
    Setup setup;
    setup.front = front;
    setup.lentoi = lentoiSetup(app.lentoi());
    if (app.hasMoniaktina())
        setup.moniaktina = moniaktinaSetup(app.moniaktina());
    setup.eisagogiko.deiktissahl = app.eisagogiko().deiktissahl->value();
    setup.elSahl = elSahlSetup(app);
    return setup;
}

} // namespace shell
