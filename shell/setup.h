#pragma once

#include "shell/eisagogikosetup.h"
#include "windows/hyperbolic/elsahlsetup.h"
#include "windows/single_ray/moniaktinasetup.h"
#include "windows/workbench/lentoisetup.h"

namespace shell {

using windows::ElSahlSetup;
using windows::LentoiSetup;
using windows::MoniaktinaSetup;
using windows::SetupBlade;
using windows::SetupPoint;

enum class FrontWindow { Lentoi, Moniaktina, ElSahl };

// A set-up: everything a user has set on the windows, and what each lens
// window drew last, so that the same picture can be drawn again; each
// window's part is that window's own set-up value.
struct Setup {
    FrontWindow front = FrontWindow::Lentoi;
    LentoiSetup lentoi;
    MoniaktinaSetup moniaktina;
    EisagogikoSetup eisagogiko;
    ElSahlSetup elSahl;

    bool operator==(const Setup&) const = default;
};

} // namespace shell
