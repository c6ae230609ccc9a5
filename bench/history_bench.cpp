// The history of undo and redo: the memory of its 200 kept steps at their
// largest (each a Shift-click fan, so each set-up holds one more fan than
// the one before), and an undo with its redo of a fan on the workbench. On
// a 1920 x 1080 screen, offscreen.

#include "bench/benchdialogs.h"
#include "shell/application.h"
#include "shell/setupwindows.h"
#include "windows/workbench/lentoi.h"

#include <QApplication>
#include <QMouseEvent>

#include <malloc.h>

#include <benchmark/benchmark.h>

namespace {

struct Program {
    BenchDialogs dialogs;
    shell::Application app{dialogs, windows::ScreenInfo{1920, 1080, 96}};

    Program() { app.Main(); }

    // A Shift-click at (x, y) of the workbench's scale, as the window
    // system delivers it, and the event loop's turn after it.
    void fan(double x, double y) {
        windows::Lentoi& w = app.lentoi();
        const QPointF at(w.surface().toPixelX(x), w.surface().toPixelY(y));
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, w.canvasWidget().mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::ShiftModifier);
            QApplication::sendEvent(&w.canvasWidget(), &event);
        }
        QCoreApplication::processEvents();
    }
};

std::size_t heapInUse() {
    return mallinfo2().uordblks;
}

void BM_TwoHundredFanSteps(benchmark::State& state) {
    for (auto _ : state) {
        Program program;
        const std::size_t before = heapInUse();
        std::size_t values = 0;
        for (int k = 0; k < shell::History::kSteps; ++k) {
            program.fan(-300 + k % 40, -100 + k);
            const shell::Setup setup = shell::captureSetup(program.app, shell::FrontWindow::Lentoi);
            values +=
                2 * (sizeof setup + setup.lentoi.picture.fans.size() * sizeof(windows::FanSource));
        }
        if (program.app.history().steps().count() != shell::History::kSteps)
            state.SkipWithError("not one step a fan");
        state.counters["heap_growth_MiB"] = double(heapInUse() - before) / (1 << 20);
        state.counters["values_MiB"] = double(values) / (1 << 20);
    }
}
BENCHMARK(BM_TwoHundredFanSteps)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_UndoRedoOfAFan(benchmark::State& state) {
    Program program;
    program.fan(-300, 60);
    for (auto _ : state) {
        program.app.undo(program.app.lentoi());
        program.app.redo(program.app.lentoi());
    }
}
BENCHMARK(BM_UndoRedoOfAFan)->Unit(benchmark::kMillisecond);

} // namespace
