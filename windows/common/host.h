#pragma once

#include "windows/common/dialogs.h"
#include "windows/common/screen.h"

namespace windows {

// What a window needs from the program around it: the platform services and
// the moves to other windows, which the application object carries out.
class Host {
  public:
    virtual ~Host() = default;
    virtual Dialogs& dialogs() = 0;
    virtual const ScreenInfo& screen() const = 0;
    // Ends the program at once.
    virtual void endProgram() = 0;
    // The workbench's "AKTINA RAY": switch to the single-ray window.
    virtual void openSingleRay() = 0;
    // The workbench's "IBN SAHL": show the lens choice.
    virtual void openLensChoice() = 0;
    // The single-ray window's "Πίσω": back to the workbench.
    virtual void backToWorkbench() = 0;
    // The hyperbolic window's "BACK TO MENU".
    virtual void backToLensChoice() = 0;
};

} // namespace windows
