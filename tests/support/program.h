#pragma once

#include "shell/application.h"
#include "shell/eisagogiko.h"
#include "tests/support/controls.h"
#include "tests/support/pixels.h"
#include "tests/support/scripteddialogs.h"
#include "windows/hyperbolic/elsahl.h"
#include "windows/single_ray/moniaktina.h"
#include "windows/workbench/lentoi.h"

#include <QLocale>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

namespace testing_support {

// The point of a window's drawing at p (pixels of its client area, or user
// units of its scale), in the window's own coordinates, as a click there
// reaches the window system.
inline QPoint inWindow(windows::FormWindow& window, QPoint p) {
    return window.canvasWidget().mapTo(&window, p);
}
inline QPoint inWindow(windows::FormWindow& window, double x, double y) {
    return inWindow(window, QPoint(int(std::lround(window.surface().toPixelX(x))),
                                   int(std::lround(window.surface().toPixelY(y)))));
}

inline void click(windows::FormWindow& window, QPoint p, Qt::KeyboardModifiers keys = {}) {
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, keys, inWindow(window, p));
}

// A turn of the wheel by eighths of a degree over the drawing's pixel at,
// with Ctrl held, as the window system delivers it.
inline void wheel(windows::FormWindow& window, int eighths, QPointF at) {
    QWheelEvent event(at, window.canvasWidget().mapToGlobal(at), {}, {0, eighths}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&window.canvasWidget(), &event);
}

// The screen the window tests run on.
inline constexpr windows::ScreenInfo kTestScreen{1280, 800, 96};

// How a test program starts: as Main starts it, or with no window until one
// is asked for (each then loads, as on first use).
enum class Start { Main, Bare };

// A Greek user's locale (decimals with a comma) while it lives: a
// fixture's member holds it from before the program starts.
struct GreekLocale {
    QLocale saved;
    GreekLocale() { QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece)); }
    ~GreekLocale() { QLocale::setDefault(saved); }
};

// The whole program on a screen, its "END" only noted in ended.
inline std::unique_ptr<shell::Application> startProgram(ScriptedDialogs& dialogs, bool& ended,
                                                        Start start = Start::Main,
                                                        windows::ScreenInfo screen = kTestScreen) {
    auto program = std::make_unique<shell::Application>(dialogs, screen);
    program->setEndProgram([&ended] { ended = true; });
    if (start == Start::Main)
        program->Main();
    return program;
}

// The one program fixture of the window and shell tests; Base is the
// GoogleTest fixture it extends (a parameterised one, say).
template <Start start = Start::Main, class Base = ::testing::Test>
class ProgramFixture : public Base {
  protected:
    void SetUp() override { app = startProgram(dialogs, ended, start, screen()); }
    virtual windows::ScreenInfo screen() const { return kTestScreen; }

    windows::Lentoi& lentoi() { return app->lentoi(); }
    shell::Eisagogiko& choice() { return app->eisagogiko(); }
    windows::ElSahl& sahl() { return app->elSahl(); }

    // A window by its name, opened as a user opens it from the start: the
    // workbench is there, its menus open the single-ray window and the lens
    // choice, and the choice's first button Ibn Sahl's biconvex lens.
    windows::FormWindow& open(std::string_view name) {
        if (name == "moniaktina") {
            menuItem(lentoi(), "singleray")->trigger();
            return app->moniaktina();
        }
        if (name == "eisagogiko") {
            menuItem(lentoi(), "SAHLIC")->trigger();
            return choice();
        }
        if (name == "ElSahl") {
            choice().Command1_Click();
            return sahl();
        }
        return lentoi();
    }

    ScriptedDialogs dialogs;
    bool ended = false;
    std::unique_ptr<shell::Application> app;
};

} // namespace testing_support

// The whole program started as Main starts it.
using ProgramTest = testing_support::ProgramFixture<>;
