// The entry point of the benchmarks that drive real windows: they draw
// offscreen, so they run without a display.

#include "shell/fonts.h"
#include "shell/offscreen.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    // The benchmarks' windows are on a 1920 x 1080 screen.
    const shell::OffscreenScreen screen(1920, 1080, shell::WindowFrames::None);
    shell::quietOffscreenNotices();
    QApplication qt(argc, argv);
    shell::installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
