// Starts the program as its entry point does and walks it: every window is
// opened through its menu or button with real clicks, then "END" ends it.
// The exit status is 0 only when every window appeared when it should.

#include "shell/application.h"
#include "shell/eisagogiko.h"
#include "shell/fonts.h"
#include "shell/qtdialogs.h"
#include "windows/hyperbolic/elsahl.h"
#include "windows/single_ray/moniaktina.h"
#include "windows/workbench/lentoi.h"

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

int failures = 0;

void check(bool ok, const char* what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what);
    failures += ok ? 0 : 1;
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

bool shown(QWidget& window) {
    return QTest::qWaitForWindowExposed(&window, 5000);
}

void walk(shell::Application& app) {
    windows::Lentoi& lentoi = app.lentoi();
    check(shown(lentoi), "the workbench is shown at start");
    clickMenu(lentoi, "AKTINA RAY");
    check(shown(app.moniaktina()) && !lentoi.isVisible(), "AKTINA RAY opens the single-ray window");
    clickButton(app.moniaktina().Command1);
    check(shown(lentoi) && !app.moniaktina().isVisible(), "Πίσω goes back to the workbench");
    clickMenu(lentoi, "IBN SAHL");
    shell::Eisagogiko& choice = app.eisagogiko();
    check(shown(choice) && lentoi.isVisible(), "IBN SAHL shows the lens choice");
    clickButton(choice.Command2);
    check(shown(app.elSahl()), "PLANE CONVEX HYPERBOLIC shows ElSahl");
    clickMenu(app.elSahl(), "BACK TO MENU");
    QTest::qWait(50);
    check(!app.elSahl().isVisible() && choice.isVisible(), "BACK TO MENU returns to the choice");
    clickButton(choice.Command1);
    check(shown(app.elSahl()), "BICONVEX HYPERBOLIC shows ElSahl");
    clickButton(choice.Command3);
    QTest::qWait(50);
    check(!choice.isVisible() && lentoi.isVisible(), "SPHERICAL LENSES returns to the workbench");
    clickMenu(lentoi, "END");
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName("fakoi");
    shell::installFontSubstitutes();
    shell::QtDialogs dialogs;
    const QScreen* screen = QGuiApplication::primaryScreen();
    shell::Application app(
        dialogs, {screen->size().width(), screen->size().height(), screen->logicalDotsPerInch()});
    app.Main();
    QTimer::singleShot(0, [&app] { walk(app); });
    // A walk that hangs ends the run with a failure instead of never.
    QTimer::singleShot(60000, [] { QApplication::exit(3); });
    const int status = QApplication::exec();
    check(status == 0, "END ended the event loop with status 0");
    return failures == 0 ? status : 1;
}
