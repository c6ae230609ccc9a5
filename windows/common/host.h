#pragma once

#include "windows/common/dialogs.h"
#include "windows/common/screen.h"

namespace windows {

class FormWindow;

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
    // Ctrl+Shift+S and Ctrl+O on any window: the set-up of every window
    // saved to a file, with the window asked from in front, and a set-up
    // opened from one.
    virtual void saveSetup(const FormWindow& from) = 0;
    virtual void openSetup() = 0;
    // Ctrl+Z, and Ctrl+Shift+Z or Ctrl+Y, on a lens window: the program's
    // last step undone, or the step undone last done again, the window
    // asking keeping the state the windows share.
    virtual void undo(const FormWindow& from) = 0;
    virtual void redo(const FormWindow& from) = 0;
    // Ctrl+N on any window: every window as the program started.
    virtual void freshStart() = 0;
    // The folder of the last file saved or opened while the program runs,
    // where the next file dialog starts; empty at first (the current one).
    virtual QString lastFolder() const = 0;
    virtual void setLastFolder(const QString& folder) = 0;
};

} // namespace windows
