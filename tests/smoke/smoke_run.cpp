// Starts the program as its entry point does and walks it on a real X
// display under a window manager: every window is opened through its menu or
// button with real clicks and fits the screen; with no argument also the
// stacking of the controls, an animation's restart and the keyboard. "END"
// then ends it. The exit status is 0 only when every check held.

#include "smoke.h"

#include "shell/desktop.h"
#include "shell/eisagogiko.h"
#include "shell/fonts.h"
#include "shell/qtdialogs.h"
#include "windows/hyperbolic/elsahl.h"
#include "windows/single_ray/moniaktina.h"
#include "windows/workbench/lentoi.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace smoke {

namespace {

int failed = 0;

} // namespace

void check(bool ok, const char* what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what);
    std::fflush(stdout);
    failed += ok ? 0 : 1;
}

int failures() {
    return failed;
}

void clickMenu(QMainWindow& window, const QString& caption) {
    QMenuBar* bar = window.menuBar();
    for (QAction* action : bar->actions())
        if (action->text() == caption) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
            return;
        }
    check(false, qPrintable("menu " + caption));
}

void clickButton(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

void clickClient(windows::FormWindow& window, QPoint pixel, Qt::KeyboardModifiers keys) {
    const QPoint at = window.canvasWidget().mapTo(&window, pixel);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, keys, at);
}

void pressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers keys) {
    QTest::keyClick(window.windowHandle(), key, keys);
}

bool shown(QWidget& window) {
    return QTest::qWaitForWindowExposed(&window, 5000);
}

void settle(QWidget& window) {
    shown(window);
    QTest::qWait(150);
}

void walkWindowGraph(shell::Application& app) {
    windows::Lentoi& lentoi = app.lentoi();
    check(shown(lentoi), "the workbench is shown at start");
    clickMenu(lentoi, "AKTINA RAY");
    check(shown(app.moniaktina()) && !lentoi.isVisible(), "AKTINA RAY opens the single-ray window");
    clickButton(commandButton(app.moniaktina(), "Command1"));
    check(shown(lentoi) && !app.moniaktina().isVisible(), "Πίσω goes back to the workbench");
    clickMenu(lentoi, "IBN SAHL");
    shell::Eisagogiko& choice = app.eisagogiko();
    check(shown(choice) && lentoi.isVisible(), "IBN SAHL shows the lens choice");
    clickButton(commandButton(choice, "Command2"));
    check(shown(app.elSahl()), "PLANE CONVEX HYPERBOLIC shows ElSahl");
    clickMenu(app.elSahl(), "BACK TO MENU");
    QTest::qWait(50);
    check(!app.elSahl().isVisible() && choice.isVisible(), "BACK TO MENU returns to the choice");
    clickButton(commandButton(choice, "Command1"));
    check(shown(app.elSahl()), "BICONVEX HYPERBOLIC shows ElSahl");
    clickButton(commandButton(choice, "Command3"));
    QTest::qWait(50);
    check(!choice.isVisible() && lentoi.isVisible(), "SPHERICAL LENSES returns to the workbench");
}

} // namespace smoke

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName("fakoi");
    const bool framesOnly = QApplication::arguments().contains("--frames");
    shell::installFontSubstitutes();
    shell::QtDialogs dialogs;
    shell::Application app(dialogs, shell::primaryScreenInfo());
    app.Main();
    QTimer::singleShot(0, [&app, framesOnly] {
        smoke::walkFrames(app);
        smoke::walkWindowGraph(app);
        if (!framesOnly) {
            smoke::walkStacking(app);
            smoke::walkAnimationRestart(app);
            smoke::walkKeyboard(app);
        }
        smoke::walkResize(app);
        smoke::clickMenu(app.lentoi(), "END");
    });
    // A walk that hangs ends the run with a failure instead of never.
    QTimer::singleShot(90000, [] { QApplication::exit(3); });
    const int status = QApplication::exec();
    smoke::check(status == 0, "END ended the event loop with status 0");
    return smoke::failures() == 0 ? status : 1;
}
