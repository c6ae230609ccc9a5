#pragma once

// The field on a grid of points, fast: single precision, the wavelets of a
// boundary summed for a whole run of a row's points at once so that the
// compiler's vector instructions take four or eight points a time. Rows are
// independent: the caller may split them among threads (computeRows) or let
// computeGrid do it with std::async; either stops early when cancel is set.

#include "optics/wavefield/field.h"

#include <atomic>
#include <complex>
#include <optional>
#include <span>
#include <vector>

namespace optics::wavefield {

// Point (i, j), 0 ≤ i < columns, 0 ≤ j < rows, lies at (x0 + i·dx, y0 + j·dy).
struct Grid {
    double x0 = 0, y0 = 0, dx = 1, dy = 1;
    int columns = 0, rows = 0;
    bool operator==(const Grid&) const = default;
};

using ComplexF = std::complex<float>;

// Rows begin..end − 1 into out, row after row (out holds (end − begin) ×
// columns values). False when cancelled or the arguments do not fit (out
// then holds what was done).
bool computeRows(const Field& field, const Grid& grid, int begin, int end, std::span<ComplexF> out,
                 const std::atomic<bool>* cancel = nullptr);

// The whole grid, row after row, on the given number of threads; empty when
// cancelled or the grid is not a finite one with at most 2^26 points.
std::optional<std::vector<ComplexF>> computeGrid(const Field& field, const Grid& grid,
                                                 int threads = 2,
                                                 const std::atomic<bool>* cancel = nullptr);

} // namespace optics::wavefield
