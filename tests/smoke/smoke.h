#pragma once

#include "shell/application.h"
#include "tests/support/controls.h"

#include <QPoint>

class QMainWindow;
class QAbstractButton;
class QWidget;

namespace windows {
class FormWindow;
}

namespace smoke {

// How long a check waits for the window manager, which frames, places and
// activates windows in its own time: seconds when tests run side by side on
// a loaded machine. A check that passes returns at once.
constexpr int kWindowManagerMs = 15000;

// Prints the check and counts a failure.
void check(bool ok, const char* what);
int failures();

// Real input as the window system delivers it to a window: the click or key
// goes to whatever lies at that point of the window or has the focus.
void clickMenu(QMainWindow& window, const QString& caption);
void clickButton(QAbstractButton* button);
void clickClient(windows::FormWindow& window, QPoint pixel, Qt::KeyboardModifiers keys = {});
void pressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers keys = {});
bool shown(QWidget& window);
// Waits until the window manager has placed and framed the window.
void settle(QWidget& window);

// The walks, each through the program's windows by real input.
void walkWindowGraph(shell::Application& app);
void walkFrames(shell::Application& app);
void walkResize(shell::Application& app);
void walkStacking(shell::Application& app);
void walkAnimationRestart(shell::Application& app);
void walkKeyboard(shell::Application& app);

} // namespace smoke
