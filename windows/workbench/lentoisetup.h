#pragma once

#include "canvas/color.h"
#include "windows/common/setupvalues.h"
#include "windows/wavefield/wavefieldmode.h"
#include "windows/workbench/lentoibars.h"
#include "windows/workbench/workbenchpicture.h"

#include <vector>

namespace windows {

// The wave field's wavelengths on the workbench: the spacing of its dots of
// equal phase in air, then halved by [.
inline constexpr double kLentoiWavelengths[] = {25, 12.5, 6.25, 3.125};

// Everything a user has set on the workbench and what it shows: its
// controls' values, its handles' places and its picture. Every member
// starts at its designer value; the start picture then pulls the blades out
// of the lens (moving VScroll1, VScroll2 and turning the upper blade red),
// so a set-up file is read onto the set-up the program had once started.
struct LentoiSetup {
    int desmi1 = lentoi_bars::desmi1.value;
    int deiktisdiathlasis = lentoi_bars::deiktisdiathlasis.value;
    int aktina2 = lentoi_bars::aktina2.value;
    int aktina1 = lentoi_bars::aktina1.value;
    int kentrokykloy = lentoi_bars::kentrokykloy.value;
    int kentrokykloy2 = lentoi_bars::kentrokykloy2.value;
    int arvimaton = lentoi_bars::arvimaton.value;
    int HScroll1 = lentoi_bars::HScroll1.value;
    int VScroll1 = lentoi_bars::VScroll1.value;
    int VScroll2 = lentoi_bars::VScroll2.value;
    int Check1 = 0;
    int Check2 = 0;
    SetupBlade Line1;
    SetupBlade Line2;
    // The upper blade turns red once VScroll1 has moved: the picture shows it.
    int line1BorderColor = int(canvas::RGB(100, 100, 0));
    SetupPoint pigi{-200, 0};
    // The bundle's angle in degrees as typed; the picture's bundleAngleRad
    // is always this in radians.
    double bundleAngleDeg = 0;
    // Its fans are the points of the Shift-clicks, oldest first. What is
    // drawn keeps the values it was drawn with, which may not be the
    // controls' values now (see WorkbenchDrawing).
    WorkbenchPicture picture = WorkbenchPicture::parallelBundle(0);
    WaveRecordContents recorded;
    // The radius bars' handlers write their boxes as "Ακτίνα1 =100", the
    // load as "Ακτίνα1=100": the text shows whether the bar has moved.
    bool aktina1Moved = false;
    bool aktina2Moved = false;
    bool lensData = false; // the lens-data panel shows
    WaveFieldMode waveField = WaveFieldMode::Off;
    double waveFieldWavelength = kLentoiWavelengths[0];
    SetupView view;

    // The values a drawing would read from the controls: both boxes ticked
    // draw as "SHOW ONLY WAVES", which the window then shows ticked alone.
    WorkbenchDrawing controls() const {
        return {deiktisdiathlasis, desmi1, arvimaton, Check1 != 0 && Check2 == 0, Check2 != 0};
    }

    bool operator==(const LentoiSetup&) const = default;
};

// The bars in the order of a set-up file.
inline constexpr BarField<LentoiSetup> kLentoiBars[] = {
    {"desmi1", lentoi_bars::desmi1, &LentoiSetup::desmi1},
    {"deiktisdiathlasis", lentoi_bars::deiktisdiathlasis, &LentoiSetup::deiktisdiathlasis},
    {"aktina2", lentoi_bars::aktina2, &LentoiSetup::aktina2},
    {"aktina1", lentoi_bars::aktina1, &LentoiSetup::aktina1},
    {"kentrokykloy", lentoi_bars::kentrokykloy, &LentoiSetup::kentrokykloy},
    {"kentrokykloy2", lentoi_bars::kentrokykloy2, &LentoiSetup::kentrokykloy2},
    {"arvimaton", lentoi_bars::arvimaton, &LentoiSetup::arvimaton},
    {"HScroll1", lentoi_bars::HScroll1, &LentoiSetup::HScroll1},
    {"VScroll1", lentoi_bars::VScroll1, &LentoiSetup::VScroll1},
    {"VScroll2", lentoi_bars::VScroll2, &LentoiSetup::VScroll2},
};

} // namespace windows
