#pragma once

#include "canvas/raster.h"

#include <cmath>
#include <optional>

// The only places where a double becomes a pixel index. Every conversion is
// preceded by a clamp to the image, so no out-of-range or NaN double ever
// reaches a float-to-int conversion (which would be undefined behaviour).

namespace canvas {

struct IndexRange {
    int first = 0;
    int last = -1;
};

// The whole-numbered indices first..last (integer-valued doubles of any size)
// that lie in 0..count-1; nothing when none does or an end is NaN.
inline std::optional<IndexRange> indexRange(double first, double last, int count) {
    if (!(first <= last))
        return std::nullopt;
    first = first > 0 ? first : 0;
    last = last < count - 1.0 ? last : count - 1.0;
    if (first > last)
        return std::nullopt;
    return IndexRange{static_cast<int>(first), static_cast<int>(last)};
}

// floor(v) for v >= 0 (or NaN, returned as it is) without a library call:
// below 2^52 a double truncates exactly through a 64-bit integer, above it
// every double is already whole.
inline double floorNonNegative(double v) {
    return v < 0x1p52 ? static_cast<double>(static_cast<long long>(v)) : v;
}

// The pixels whose centres (i + 0.5) lie in the closed interval [from, to].
inline std::optional<IndexRange> centresWithin(double from, double to, int count) {
    return indexRange(std::ceil(from - 0.5), std::floor(to - 0.5), count);
}

// The pixels whose centres lie in the half-open interval [from, to).
inline std::optional<IndexRange> centresFrom(double from, double to, int count) {
    return indexRange(std::ceil(from - 0.5), std::ceil(to - 0.5) - 1, count);
}

// The pixels whose centres lie in the half-open interval (from, to].
inline std::optional<IndexRange> centresAbove(double from, double to, int count) {
    return indexRange(std::floor(from - 0.5) + 1, std::floor(to - 0.5), count);
}

// std::round without the library call or a branch on the fraction (which
// the processor could not predict): v less its whole part is exact in
// double, and twice that fraction truncates to -1, 0 or 1 just as it lies
// beyond a half or not.
inline double roundHalfAway(double v) {
    const double whole = std::trunc(v);
    const double fraction = v - whole;
    return whole + std::trunc(fraction + fraction);
}

// Odd pens are centred on a pixel centre and even ones on a pixel corner, so
// a dot or a straight stroke of width n covers exactly n pixels across.
// Pure double arithmetic: safe for any finite value.
inline double snapToPen(double v, int widthPx) {
    return widthPx % 2 != 0 ? std::floor(v) + 0.5 : roundHalfAway(v);
}

inline PixelPoint snapToPen(PixelPoint p, int widthPx) {
    return {snapToPen(p.x, widthPx), snapToPen(p.y, widthPx)};
}

inline bool isFinite(PixelPoint p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

} // namespace canvas
