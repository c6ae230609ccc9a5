#pragma once

#include "windows/common/setupvalues.h"
#include "windows/hyperbolic/sahlpicture.h"
#include "windows/wavefield/wavefieldmode.h"

namespace windows {

// The wave field's wavelengths on Ibn Sahl's window: the spacing of its
// fronts, then halved by [.
inline constexpr double kElSahlWavelengths[] = {15, 7.5, 3.75, 1.875};

// Ibn Sahl's window: its option buttons, its stop, its point source and its
// picture. The picture's sources are always the window's source.
struct ElSahlSetup {
    using Option = SahlOption;

    Option option = Option::RAYSANDWAVES;
    SetupBlade Line1{130, 10};
    SetupBlade Line2{130, -10};
    // Where its fans start, the next "WAVES" and the redraw after a move of
    // the stop included.
    SetupPoint source{108, 25};
    SahlPicture picture;
    bool lensData = false; // the lens-data panel shows
    WaveFieldMode waveField = WaveFieldMode::Off;
    double waveFieldWavelength = kElSahlWavelengths[0];
    SetupView view;

    bool operator==(const ElSahlSetup&) const = default;
};

} // namespace windows
