#pragma once

#include "canvas/surface.h"

#include <functional>
#include <string>

namespace optics::hyperbolic {

// What the tracers read from the ElSahl window, copied by the window before
// each drawing.
struct SahlControls {
    bool onlyWaves = false;  // "ONLY WAVES": compute and record, draw no ray
    bool onlyRays = false;   // "Only Rays": the point-source fans draw no fronts
    double stopX = 130;      // x of the aperture stop's blades
    double stopTop = 10;     // upper edge of the opening
    double stopBottom = -10; // lower edge of the opening
};

// The window as the module sees it: its persistent drawing, its controls and
// its services. Strings are UTF-8.
struct SahlView {
    canvas::Surface& surface;
    SahlControls controls;
    std::function<void(const std::string&)> setCaption;
    std::function<void(const std::string&)> message; // a message box with OK
};

} // namespace optics::hyperbolic
