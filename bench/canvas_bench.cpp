#include "canvas/surface.h"

#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPen>

#include <benchmark/benchmark.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <time.h>
#include <vector>

// Lines and circles drawn by canvas::Surface and by QPainter (aliased, a pen
// one logical pixel wide) into images of the same size, timed alternately in
// each iteration; the counters give both times (thread CPU time per
// iteration) and their ratio (ours / QPainter). The argument is the device
// pixel ratio: at 2 both draw on 3840x2160 device pixels, QPainter through
// an image of that ratio, so its pen is two pixels wide like ours.
// Then single operations with absurd coordinates, which must stay cheap.

namespace {

constexpr int kWidthPx = 1920;
constexpr int kHeightPx = 1080;
constexpr double kCentreX = kWidthPx / 2.0;
constexpr double kCentreY = kHeightPx / 2.0;

// The work of this thread alone: the other cores' load and preemption stay
// out of both sides of the comparison.
double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct Line {
    double x1, y1, x2, y2;
};

// Lengths 1..1000 in 32 directions, centred on the image so all are visible.
std::vector<Line> benchmarkLines() {
    constexpr int kDirections = 32;
    std::vector<Line> lines;
    for (int length = 1; length <= 1000; ++length) {
        for (int k = 0; k < kDirections; ++k) {
            const double angle = 2 * std::numbers::pi * k / kDirections;
            const double dx = 0.5 * length * std::cos(angle);
            const double dy = 0.5 * length * std::sin(angle);
            lines.push_back({kCentreX - dx, kCentreY - dy, kCentreX + dx, kCentreY + dy});
        }
    }
    return lines;
}

struct Painted {
    explicit Painted(int ratio)
        : surface(kWidthPx, kHeightPx, canvas::colors::white, ratio),
          image(kWidthPx * ratio, kHeightPx * ratio, QImage::Format_RGB32) {
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        painter.begin(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
    }

    canvas::Surface surface;
    QImage image;
    QPainter painter;
};

template <class Ours, class Theirs>
void compare(benchmark::State& state, Ours ours, Theirs theirs) {
    double oursSeconds = 0;
    double theirsSeconds = 0;
    for (auto _ : state) {
        const double start = threadCpuSeconds();
        ours();
        benchmark::ClobberMemory();
        const double middle = threadCpuSeconds();
        theirs();
        benchmark::ClobberMemory();
        oursSeconds += middle - start;
        theirsSeconds += threadCpuSeconds() - middle;
    }
    state.counters["ours_ms"] =
        benchmark::Counter(oursSeconds * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["qpainter_ms"] =
        benchmark::Counter(theirsSeconds * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = oursSeconds / theirsSeconds;
}

void BM_Lines(benchmark::State& state) {
    const std::vector<Line> lines = benchmarkLines();
    Painted p(static_cast<int>(state.range(0)));
    compare(
        state,
        [&] {
            for (const Line& l : lines)
                p.surface.Line(l.x1, l.y1, l.x2, l.y2);
        },
        [&] {
            for (const Line& l : lines)
                p.painter.drawLine(QLineF(l.x1, l.y1, l.x2, l.y2));
        });
    benchmark::DoNotOptimize(p.surface.pixels());
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * lines.size()));
}
BENCHMARK(BM_Lines)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_Circles(benchmark::State& state) {
    Painted p(static_cast<int>(state.range(0)));
    compare(
        state,
        [&] {
            for (int r = 3; r <= 500; ++r)
                p.surface.Circle(kCentreX, kCentreY, r);
        },
        [&] {
            for (int r = 3; r <= 500; ++r)
                p.painter.drawEllipse(QPointF(kCentreX, kCentreY), r, r);
        });
    benchmark::DoNotOptimize(p.surface.pixels());
}
BENCHMARK(BM_Circles)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void lineWithEnds(benchmark::State& state, double far) {
    canvas::Surface surface(kWidthPx, kHeightPx);
    for (auto _ : state) {
        surface.Line(-far, -far, far, far);
        benchmark::DoNotOptimize(surface.pixels());
    }
}

void BM_LineEndsAt1e30(benchmark::State& state) {
    lineWithEnds(state, 1e30);
}
BENCHMARK(BM_LineEndsAt1e30)->Unit(benchmark::kMicrosecond);

void BM_LineEndsAtInfinity(benchmark::State& state) {
    lineWithEnds(state, std::numeric_limits<double>::infinity());
}
BENCHMARK(BM_LineEndsAtInfinity)->Unit(benchmark::kMicrosecond);

void BM_LineEndsAtNaN(benchmark::State& state) {
    lineWithEnds(state, std::numeric_limits<double>::quiet_NaN());
}
BENCHMARK(BM_LineEndsAtNaN)->Unit(benchmark::kMicrosecond);

// Radius 1e12 pixels, centre 1e12 pixels left of the middle: the ring
// crosses the image top to bottom.
void BM_CircleRadius1e12(benchmark::State& state) {
    canvas::Surface surface(kWidthPx, kHeightPx);
    for (auto _ : state) {
        surface.Circle(kCentreX - 1e12, kCentreY, 1e12);
        benchmark::DoNotOptimize(surface.pixels());
    }
}
BENCHMARK(BM_CircleRadius1e12)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
