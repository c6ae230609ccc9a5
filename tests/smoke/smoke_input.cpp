// Real clicks and keys on the controls: what lies above what, an animation
// chosen again, and the keyboard.

#include "smoke.h"

#include "shell/eisagogiko.h"
#include "windows/common/numbers.h"
#include "windows/single_ray/moniaktina.h"
#include "windows/workbench/lentoi.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>

#include <cmath>

namespace smoke {

namespace {

std::vector<std::uint32_t> pixelsOf(const canvas::Surface& view) {
    return {view.pixels(), view.pixels() + view.widthPx() * view.heightPx()};
}

QPoint pixelOf(const canvas::Surface& view, double x, double y) {
    return {static_cast<int>(view.toPixelX(x)), static_cast<int>(view.toPixelY(y))};
}

} // namespace

void walkStacking(shell::Application& app) {
    windows::Lentoi& lentoi = app.lentoi();
    QScrollBar* bar = scrollBar(lentoi, "kentrokykloy");
    const QPoint arrow(bar->geometry().right() - 4, bar->geometry().center().y());
    check(formLabel(lentoi, "Label2")->geometry().contains(arrow),
          "Label2 lies over kentrokykloy's right arrow");
    const int before = bar->value();
    for (int i = 0; i < 5; ++i)
        clickClient(lentoi, arrow);
    check(bar->value() == before + 5 &&
              textBox(lentoi, "Text7")->text() ==
                  "Κέντρο δεξί κύκλου=" + windows::formatWhole(before + 5),
          "five clicks on the arrow under the label move the bar five steps");
    const auto picture = pixelsOf(lentoi.surface());
    const QRect label = formLabel(lentoi, "Label1")->geometry();
    clickClient(lentoi, label.topLeft() + QPoint(label.width() / 2, 6), Qt::ShiftModifier);
    check(pixelsOf(lentoi.surface()) == picture && lentoi.picture().fans.empty(),
          "a Shift-click on a label draws no fan and leaves the picture");
    bar->setValue(before);
}

void walkAnimationRestart(shell::Application& app) {
    windows::Lentoi& lentoi = app.lentoi();
    clickButton(checkBox(lentoi, "Check2"));
    const QPoint source = pixelOf(lentoi.surface(), -250, 20);
    check(lentoi.canvasWidget().childAt(source) == nullptr,
          "the source point is clear of controls");
    clickClient(lentoi, source, Qt::ShiftModifier);
    check(lentoi.recordedRays() > 10 && menuItem(lentoi, "kymatachronika")->isEnabled(),
          "a Shift-click with SHOW ONLY WAVES records a fan");
    clickMenu(lentoi, "WAVES IN  TIME  XPONIKA");
    QTest::qWait(400);
    const int reached = lentoi.timer1Step();
    clickMenu(lentoi, "WAVES IN  TIME  XPONIKA");
    QTest::qWait(30);
    const canvas::Color atOrigin = lentoi.surface().pixel(pixelOf(lentoi.surface(), 0, 0).x(),
                                                          pixelOf(lentoi.surface(), 0, 0).y());
    check(reached > 5 && lentoi.timer1Step() < reached && atOrigin != canvas::RGB(2, 0, 150),
          "WAVES IN TIME chosen again restarts from the first step");
    clickMenu(lentoi, "AKTINA RAY");
    shown(app.moniaktina());
    check(!formTimer(lentoi, "Timer1")->ticking() &&
              menuItem(lentoi, "kymatachronika")->isEnabled(),
          "AKTINA RAY stops the workbench's animation");
    clickButton(commandButton(app.moniaktina(), "Command1"));
    shown(lentoi);
}

void walkKeyboard(shell::Application& app) {
    windows::Lentoi& lentoi = app.lentoi();
    check(QTest::qWaitForWindowActive(&lentoi, kWindowManagerMs),
          "the workbench is the active window");
    textBox(lentoi, "Text5")->setFocus();
    for (int i = 0; i < 14; ++i)
        pressKey(lentoi, Qt::Key_Tab);
    check(QApplication::focusWidget() == scrollBar(lentoi, "aktina1"),
          "Tab reaches aktina1 in reading order");
    const int radius = scrollBar(lentoi, "aktina1")->value();
    pressKey(lentoi, Qt::Key_Right);
    check(scrollBar(lentoi, "aktina1")->value() == radius + 1 &&
              textBox(lentoi, "Text6")->text() == "Ακτίνα1 =" + windows::formatWhole(radius + 1),
          "the right arrow moves the focused bar and runs its Change handler");
    pressKey(lentoi, Qt::Key_Z, Qt::ControlModifier);
    const bool undone = scrollBar(lentoi, "aktina1")->value() == radius;
    pressKey(lentoi, Qt::Key_Y, Qt::ControlModifier);
    check(undone && scrollBar(lentoi, "aktina1")->value() == radius + 1,
          "Ctrl+Z undoes the arrow's step and Ctrl+Y does it again");
    pressKey(lentoi, Qt::Key_Backtab, Qt::ShiftModifier);
    check(QApplication::focusWidget() == scrollBar(lentoi, "arvimaton"), "Shift+Tab goes back");
    for (Qt::Key key : {Qt::Key_F10, Qt::Key_Alt}) {
        pressKey(lentoi, key, key == Qt::Key_Alt ? Qt::AltModifier : Qt::NoModifier);
        check(lentoi.menuBar()->activeAction() == menuItem(lentoi, "singleray"),
              key == Qt::Key_F10 ? "F10 opens the menu bar" : "Alt opens the menu bar");
        pressKey(lentoi, Qt::Key_Escape);
    }
    clickMenu(lentoi, "IBN SAHL");
    shell::Eisagogiko& choice = app.eisagogiko();
    check(QTest::qWaitForWindowActive(&choice, kWindowManagerMs),
          "the lens choice is the active window");
    commandButton(choice, "Command1")->setFocus();
    pressKey(choice, Qt::Key_Tab);
    pressKey(choice, Qt::Key_Tab);
    check(QApplication::focusWidget() == scrollBar(choice, "deiktissahl"),
          "the lens choice's bar is third");
    pressKey(choice, Qt::Key_Tab);
    pressKey(choice, Qt::Key_Space);
    QTest::qWait(50);
    check(!choice.isVisible(), "Space on SPHERICAL LENSES goes back to the workbench");
}

} // namespace smoke
