// Opening a set-up file, which sets every window and draws its picture,
// against drawing the same pictures by hand with the windows' own handlers:
// a bundle at an angle with waves and a fan on the workbench, an aimed
// single ray, and Ibn Sahl's biconvex lens under a beam. On a 1920 x 1080
// screen, offscreen.

#include "bench/benchdialogs.h"
#include "shell/application.h"
#include "shell/eisagogiko.h"
#include "tests/support/controls.h"
#include "windows/hyperbolic/elsahl.h"
#include "windows/single_ray/moniaktina.h"
#include "windows/workbench/lentoi.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Program {
    BenchDialogs dialogs{QString("20")}; // the bundle's and the beam's angle
    shell::Application app{dialogs, windows::ScreenInfo{1920, 1080, 96}};

    Program() {
        app.Main();
        checkBox(app.lentoi(), "Check1")->click();
        app.openSingleRay();
        app.openLensChoice();
        drawByHand();
    }

    void drawByHand() {
        windows::Lentoi& lentoi = app.lentoi();
        lentoi.EPANALIPSI_Click();
        lentoi.Form_MouseDown(canvas::LeftButton, canvas::ShiftKey, -280, 30);
        lentoi.Form_MouseUp(canvas::LeftButton, canvas::ShiftKey, -280, 30);
        windows::Moniaktina& single = app.moniaktina();
        single.Form_MouseDown(canvas::LeftButton, canvas::ShiftKey, single.sourceMark().Left,
                              single.sourceMark().Top);
        single.Form_MouseUp(canvas::LeftButton, canvas::ShiftKey, 10, -20);
        app.eisagogiko().Command1_Click();
        app.elSahl().parallilidesmifotos_Click();
    }
};

void BM_DrawByHand(benchmark::State& state) {
    Program program;
    for (auto _ : state)
        program.drawByHand();
}
BENCHMARK(BM_DrawByHand)->Unit(benchmark::kMillisecond);

void BM_OpenSetup(benchmark::State& state) {
    Program program;
    QTemporaryDir dir;
    const QString path = dir.filePath("lesson.fakoi");
    if (program.app.saveSetupFile(path, shell::FrontWindow::ElSahl)) {
        state.SkipWithError("the set-up was not written");
        return;
    }
    for (auto _ : state)
        if (!program.app.openSetupFile(path))
            state.SkipWithError("the set-up was not read");
}
BENCHMARK(BM_OpenSetup)->Unit(benchmark::kMillisecond);

} // namespace
