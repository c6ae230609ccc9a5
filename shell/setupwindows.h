#pragma once

#include "shell/setup.h"

class QWidget;

namespace shell {

class Application;

// The lens window the user has in front: the window asking, when it is one
// of the three, else the single-ray window or Ibn Sahl's when shown, else
// the workbench.
FrontWindow frontWindow(Application& app, const QWidget* asking);

// The set-up of the running program, with front in front.
Setup captureSetup(Application& app, FrontWindow front);

// Gives every window the set-up's values, draws its picture and shows the
// window the set-up names in front, as the program's own ways there leave
// it: the single-ray window alone, Ibn Sahl's over the lens choice and the
// workbench, the workbench alone. The other windows are drawn hidden; the
// front window is drawn last, so the state the windows share (the lens
// values, the point source, the ray count) is the one it left.
void applySetup(Application& app, const Setup& setup);

// The windows whose values, or the values they are drawn with, differ
// between now (the set-up the windows have) and setup given the set-up's
// values and drawn, in the same order; the others keep their pictures. The
// windows stay shown as they are: the set-up's front only decides whose
// shared state is kept.
void applyChanges(Application& app, const Setup& now, const Setup& setup);

} // namespace shell
