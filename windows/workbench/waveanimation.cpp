#include "windows/workbench/waveanimation.h"

#include "optics/spherical/wavepath.h"
#include "windows/workbench/workbenchpicture.h"

#include <algorithm>

namespace windows {

namespace sph = optics::spherical;

namespace {

constexpr double kElapsedLimit = 500;
// 250 units per unit of time, 0.01 of a unit per tick.
constexpr double kAirStep = 2.5;
constexpr int kStepsPerWavelength = 10;

} // namespace

WaveAnimation::WaveAnimation()
    : x_(std::size_t(sph::kMaxRecordedRay + 1) * kStepSlots), y_(x_.size()) {}

void WaveAnimation::clearPlaces() {
    std::fill(x_.begin(), x_.end(), 0.0);
    std::fill(y_.begin(), y_.end(), 0.0);
}

std::optional<int> WaveAnimation::tick(Run run, int intervalMs) {
    int& step = steps_[index(run)];
    const double elapsed = static_cast<double>(step) * intervalMs;
    ++step;
    if (elapsed > kElapsedLimit || step > WorkbenchPicture::kAnimationSteps) {
        step = 0;
        return std::nullopt;
    }
    return step;
}

void WaveAnimation::drawStep(canvas::Surface& view, const sph::WaveRecord& record, int rays,
                             double n, int k) {
    const int last = std::min(rays - 1, sph::kMaxRecordedRay);
    for (int i = 1; i <= last; ++i) {
        for (int step = (k == 1 ? 0 : k); step <= k; ++step) {
            const sph::PathPoint p = sph::wavePosition(record, i, kAirStep * step, n);
            x_[slot(i, step)] = p.x;
            y_[slot(i, step)] = p.y;
        }
    }
    view.DrawWidth = 2;
    // Every old place is painted white before any new one is drawn, so no
    // front wipes out a neighbour drawn a moment earlier.
    for (int i = 1; i <= last; ++i)
        for (int m = k; m == k || m > 1; m -= kStepsPerWavelength)
            drawFront(view, i, m - 1, canvas::colors::white);
    for (int i = 1; i <= last; ++i) {
        drawFront(view, i, k, canvas::colors::red);
        for (int m = k - kStepsPerWavelength; m > 1; m -= kStepsPerWavelength)
            drawFront(view, i, m, canvas::RGB(2, 0, 150));
    }
}

void WaveAnimation::drawFront(canvas::Surface& view, int i, int step, canvas::Color color) const {
    const std::size_t at = slot(i, step);
    // The segment from the neighbouring ray ends in a round cap of the pen's
    // width, which covers exactly the pixels of the point's dot: the dot is
    // drawn alone only where no segment ends on it.
    if (i > 1)
        view.Line(x_[at - kStepSlots], y_[at - kStepSlots], x_[at], y_[at], color);
    else
        view.PSet(x_[at], y_[at], color);
}

} // namespace windows
