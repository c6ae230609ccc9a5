#pragma once

// The numbers the lens data shows of a field: where its light is brightest,
// how good that focus is, and the intensity across the beam there.

#include "optics/wavefield/field.h"

#include <atomic>
#include <optional>
#include <vector>

namespace optics::wavefield {

struct Focus {
    double x = 0, y = 0;  // the brightest point
    double intensity = 0; // |U|² there
    // The intensity there against that of a wave without aberration through
    // the same aperture: the same boundary wavelets, all arriving in phase.
    double strehl = 0;
    double acrossX = 0, acrossY = 1; // unit direction across the beam there
    // Between the first zeros (minima) of the intensity on each side along
    // the across direction; empty when one side has none within 20 λ.
    std::optional<double> width;
    // The offsets of those zeros along acrossX/Y, the one below the peak
    // first; set with width.
    double zeroBelow = 0, zeroAbove = 0;
    // The intensity at offsets profileFrom + i·profileStep along acrossX/Y.
    std::vector<double> profile;
    double profileFrom = 0, profileStep = 0;
};

// The brightest point among the points behind the last boundary the light
// crosses, searched on a grid of steps × steps over the region and refined to
// λ/1000. Empty when the field has an error or no light reaches there, or
// when cancel is set before the search is done.
std::optional<Focus> findFocus(const Field& field, const Region& region, int steps = 64,
                               int profilePoints = 101, const std::atomic<bool>* cancel = nullptr);

} // namespace optics::wavefield
