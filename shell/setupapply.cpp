#include "shell/application.h"
#include "shell/eisagogiko.h"
#include "shell/setupcontrols.h"
#include "shell/setupwindows.h"
#include "windows/lens_data/lensdatapanel.h"

#include <QSignalBlocker>

#include <array>
#include <type_traits>

namespace shell {

namespace {

// The values go in without the controls' signals: their handlers would set
// other controls (a check box sets desmi1) and draw at each step. The window
// then writes what the handlers would have written and draws once.
template <class Control, class Value> void setQuietly(Control* control, Value value) {
    const QSignalBlocker quiet(control);
    if constexpr (std::is_same_v<Control, QCheckBox>)
        control->setChecked(value != 0);
    else
        control->setValue(value);
}

void placeLentoiBlades(windows::Lentoi& window, const LentoiSetup& s) {
    const canvas::Surface& view = window.surface();
    window.Line1.X1 = window.Line1.X2 = s.Line1.x;
    window.Line1.Y1 = view.ScaleTop();
    window.Line1.Y2 = s.Line1.Y2;
    window.Line1.BorderColor = static_cast<canvas::Color>(s.line1BorderColor);
    window.Line2.X1 = window.Line2.X2 = s.Line2.x;
    window.Line2.Y1 = view.ScaleTop() + view.ScaleHeight();
    window.Line2.Y2 = s.Line2.Y2;
}

windows::WorkbenchPicture workbenchPicture(const windows::Lentoi& window, const LentoiSetup& s) {
    windows::WorkbenchPicture picture;
    picture.base = controls::inWindow(s.drawn, controls::kWorkbenchBases);
    if (picture.base == windows::WorkbenchPicture::Base::ParallelBundle)
        picture.bundleAngleRad = window.goniadesmis;
    else if (picture.base != windows::WorkbenchPicture::Base::Lens)
        picture.animationSteps = s.waveSteps;
    for (const SetupPoint& fan : s.fans)
        picture.fans.push_back({fan.x, fan.y});
    return picture;
}

// Both check boxes ticked draw waves alone, as "SHOW ONLY WAVES" does, and
// the window can never show them so: only that one is ticked.
void applyLentoi(windows::Lentoi& window, const LentoiSetup& s) {
    for (const auto& field : controls::kLentoiBars)
        setQuietly(window.*field.control, s.*field.value);
    setQuietly(window.Check1, s.Check1 != 0 && s.Check2 == 0);
    setQuietly(window.Check2, s.Check2 != 0);
    window.showControlValues();
    placeLentoiBlades(window, s);
    window.pigi.Left = s.pigi.x;
    window.pigi.Top = s.pigi.y;
    window.setBundleAngleDeg(s.bundleAngleDeg);
    windows::lensDataPanel(window)->setShown(s.lensData);
    const windows::RecordedWaves recorded{controls::inWindow(s.recorded, controls::kRecords),
                                          {s.recordedFan.x, s.recordedFan.y}};
    window.restorePicture(workbenchPicture(window, s), recorded);
}

// The window as "AKTINA RAY" sizes it; the mark at the set-up's place, or
// at the layout's.
void applyMoniaktina(windows::Moniaktina& window, const MoniaktinaSetup& s) {
    window.sizeToScreen();
    for (const auto& field : controls::kMoniaktinaBars)
        setQuietly(window.*field.control, s.*field.value);
    window.showControlValues();
    if (s.fos) {
        window.fos.Left = s.fos->x;
        window.fos.Top = s.fos->y;
    } else {
        window.placeSourceAtLayout();
    }
    windows::SingleRayPicture picture;
    if (s.drawn == MoniaktinaSetup::Drawing::Ray)
        picture = {windows::SingleRayPicture::Kind::Ray, window.fos.Left, window.fos.Top, s.aim.x,
                   s.aim.y};
    window.drawPicture(picture);
}

// The window as a lens choice sizes it, with the set-up's stop; the option
// buttons run their handlers, which draw nothing.
void applyElSahl(windows::ElSahl& window, optics::hyperbolic::Protosfakos& lens,
                 const ElSahlSetup& s) {
    window.sizeForLensChoice();
    for (const auto& [button, option] : controls::kElSahlOptions)
        if (option == s.option)
            (window.*button)->setChecked(true);
    lens.amfikyrtos = s.lens == ElSahlSetup::Lens::Biconvex;
    window.Line1.X1 = window.Line1.X2 = s.Line1.x;
    window.Line1.Y2 = s.Line1.Y2;
    window.Line2.X1 = window.Line2.X2 = s.Line2.x;
    window.Line2.Y2 = s.Line2.Y2;
    // The fans' fronts start at the source the program shares.
    window.setSource({s.source.x, s.source.y});
    lens.shared.pigiX = s.source.x;
    lens.shared.pigiY = s.source.y;
    windows::lensDataPanel(window)->setShown(s.lensData);
    windows::SahlPicture picture;
    picture.drawing = controls::inWindow(s.drawn, controls::kSahlDrawings);
    picture.biconvex = lens.amfikyrtos;
    if (picture.drawing == windows::SahlPicture::Drawing::PointSource) {
        picture.sourceX = s.source.x;
        picture.sourceY = s.source.y;
    }
    if (picture.drawing == windows::SahlPicture::Drawing::Beam)
        picture.beamAngleDeg = s.beamAngleDeg;
    if (s.waves) {
        picture.waves = true;
        picture.wavesX = s.source.x;
        picture.wavesY = s.source.y;
    }
    window.drawPicture(picture);
}

void apply(Application& app, const Setup& setup, FrontWindow window) {
    switch (window) {
    case FrontWindow::Lentoi: applyLentoi(app.lentoi(), setup.lentoi); break;
    case FrontWindow::Moniaktina: applyMoniaktina(app.moniaktina(), setup.moniaktina); break;
    case FrontWindow::ElSahl: applyElSahl(app.elSahl(), app.hyperbolic(), setup.elSahl); break;
    }
}

void showFront(Application& app, FrontWindow front) {
    if (app.hasMoniaktina() && front != FrontWindow::Moniaktina)
        app.moniaktina().hide();
    if (front != FrontWindow::ElSahl) {
        app.elSahl().hide();
        app.eisagogiko().hide();
    }
    switch (front) {
    case FrontWindow::Lentoi: app.lentoi().Show(); break;
    case FrontWindow::Moniaktina:
        app.lentoi().hide();
        app.moniaktina().Show();
        break;
    case FrontWindow::ElSahl:
        app.lentoi().Show();
        app.eisagogiko().Show();
        app.elSahl().Show();
        break;
    }
}

} // namespace

void applySetup(Application& app, const Setup& setup) {
    // The index first: Ibn Sahl's lens is drawn with it.
    app.eisagogiko().deiktissahl->setValue(setup.eisagogiko.deiktissahl);
    for (const FrontWindow window :
         std::array{FrontWindow::ElSahl, FrontWindow::Moniaktina, FrontWindow::Lentoi})
        if (window != setup.front)
            apply(app, setup, window);
    apply(app, setup, setup.front);
    const SetupPoint source =
        setup.front == FrontWindow::ElSahl ? setup.elSahl.source : setup.lentoi.pigi;
    app.source().pigiX = source.x;
    app.source().pigiY = source.y;
    showFront(app, setup.front);
}

} // namespace shell
