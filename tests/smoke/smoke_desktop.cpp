// The windows against the screen they are on, under a window manager.

#include "smoke.h"

#include "shell/eisagogiko.h"
#include "windows/hyperbolic/elsahl.h"
#include "windows/single_ray/moniaktina.h"
#include "windows/workbench/lentoi.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <string>

namespace smoke {

namespace {

QRect freeArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// The window manager frames and places a window in its own time.
void checkFits(QWidget& window, const std::string& name) {
    settle(window);
    const bool fits = QTest::qWaitFor([&] { return freeArea().contains(window.frameGeometry()); },
                                      kWindowManagerMs);
    check(fits, (name + " fits the screen's free area, frame included").c_str());
    if (!fits) {
        const QRect frame = window.frameGeometry(), area = freeArea();
        std::printf("     frame %d,%d %dx%d, free area %d,%d %dx%d, state %d\n", frame.x(),
                    frame.y(), frame.width(), frame.height(), area.x(), area.y(), area.width(),
                    area.height(), int(window.windowState()));
    }
}

// The full-screen spherical windows: their scale for the client they got.
void checkScale(windows::FormWindow& window, const std::string& name) {
    const canvas::Surface& view = window.surface();
    const QSize client = window.canvasWidget().size();
    const bool sized = view.widthPx() == client.width() && view.heightPx() == client.height();
    const bool across = std::abs(view.ScaleWidth() - view.ScaleHeight() - 1200) < 1e-6;
    const bool square = std::abs(view.ScaleWidth() * client.height() +
                                 view.ScaleHeight() * client.width()) < 1e-6 * client.width();
    check(sized && across && square, (name + "'s scale follows its client area").c_str());
}

void checkSahlSquare(windows::ElSahl& sahl) {
    const QRect area = freeArea();
    const int side = std::min((area.width() * 2 + 1) / 3, area.height());
    const bool placed = QTest::qWaitFor(
        [&] { return sahl.frameGeometry() == QRect(area.topLeft(), QSize(side, side)); },
        kWindowManagerMs);
    check(placed, "ElSahl is a square at the top left, no higher than the free screen");
}

} // namespace

void walkFrames(shell::Application& app) {
    windows::Lentoi& lentoi = app.lentoi();
    checkFits(lentoi, "lentoi");
    checkScale(lentoi, "lentoi");
    clickMenu(lentoi, "AKTINA RAY");
    checkFits(app.moniaktina(), "moniaktina");
    checkScale(app.moniaktina(), "moniaktina");
    clickButton(commandButton(app.moniaktina(), "Command1"));
    clickMenu(lentoi, "IBN SAHL");
    checkFits(app.eisagogiko(), "eisagogiko");
    clickButton(commandButton(app.eisagogiko(), "Command2"));
    checkFits(app.elSahl(), "ElSahl");
    checkSahlSquare(app.elSahl());
    clickMenu(app.elSahl(), "BACK TO MENU");
    clickButton(commandButton(app.eisagogiko(), "Command3"));
    settle(lentoi);
}

// No longer maximised, then made smaller by hand: the workbench still fits
// and at once shows its picture for the client area it has.
void walkResize(shell::Application& app) {
    windows::Lentoi& lentoi = app.lentoi();
    lentoi.showNormal();
    checkFits(lentoi, "lentoi no longer maximised");
    lentoi.resize(lentoi.width() * 2 / 3, lentoi.height() * 2 / 3);
    settle(lentoi);
    checkScale(lentoi, "lentoi made smaller");
    const canvas::Surface& view = lentoi.surface();
    const std::vector<std::uint32_t> shown(view.pixels(),
                                           view.pixels() + view.widthPx() * view.heightPx());
    lentoi.drawPicture(lentoi.picture());
    check(std::equal(shown.begin(), shown.end(), view.pixels()),
          "lentoi made smaller shows its picture drawn for the new size");
}

} // namespace smoke
