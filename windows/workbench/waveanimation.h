#pragma once

#include "canvas/surface.h"
#include "optics/spherical/state.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace windows {

// The workbench's wave animation, without Qt: where the wave point of each
// recorded ray is after each step, the fronts drawn from those places, and
// the step counters of the two animations that survive between ticks.
class WaveAnimation {
  public:
    enum class Run { Fan, Bundle };                 // Timer1's and Timer2's
    static constexpr std::size_t kStepSlots = 1201; // steps 0..1200

    WaveAnimation();

    // Where the wave point of ray i was after step k.
    double x(int i, int k) const { return x_[slot(i, k)]; }
    double y(int i, int k) const { return y_[slot(i, k)]; }
    // Every place back at the origin, for a run over a new lens picture.
    void clearPlaces();

    // The run's step counter, and one tick of it: the step to draw, or none
    // when the run is over (its counter then back at 0). With an interval
    // of 1 ms the step count ends the run; with a long one the elapsed time.
    int step(Run run) const { return steps_[index(run)]; }
    void restart(Run run) { steps_[index(run)] = 0; }
    std::optional<int> tick(Run run, int intervalMs);

    // Moves the wave points of the first rays of the record to step k at
    // index n and draws their fronts.
    void drawStep(canvas::Surface& view, const optics::spherical::WaveRecord& record, int rays,
                  double n, int k);

  private:
    static std::size_t slot(int i, int k) { return std::size_t(i) * kStepSlots + std::size_t(k); }
    static std::size_t index(Run run) { return run == Run::Fan ? 0 : 1; }
    void drawFront(canvas::Surface& view, int i, int step, canvas::Color color) const;

    std::vector<double> x_;
    std::vector<double> y_;
    int steps_[2] = {0, 0};
};

} // namespace windows
