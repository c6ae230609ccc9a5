#pragma once

// A blade across the lens: a half-line on x = tip.x, from the tip away from
// the axis. Behind it the light it stops is missing, and round its tip the
// light bends into its shadow: Fresnel's knife edge. Of the light arriving
// at a point, the blade takes away the share
//   Φ = (1 − i)/2 · ∫_{−w}^{∞} e^{iπt²/2} dt,  w = ±2√(δ/λ),
// δ the detour of the path by the tip over the straight one, w > 0 where the
// blade hides the point. Φ is 1 deep in the shadow, ½ on its edge and, out of
// it, the tip's faint edge wave; before the blade's line nothing hides a
// point, so Φ is smooth everywhere but on the blade itself. A closed form, so
// that a blade costs each point a few operations, not a sum along its line.
//
// Written once for double (Field::at) and float (the grid's vector loops).

#include "optics/wavefield/glass.h"

#include <cmath>
#include <complex>
#include <cstddef>
#include <numbers>

namespace optics::wavefield {

struct Blade {
    Vec tip;
    int side = 1; // +1: the blade runs up from its tip, −1: down
};

// The Fresnel integrals' auxiliary functions f and g, z ≥ 0, where
// ∫_z^∞ e^{iπt²/2} dt = (g(z) + i·f(z))·e^{iπz²/2}: smooth and slowly falling,
// unlike the integral. Up to z = 8, rational functions fitted to them within
// 1e-7 of their values (f ~ 1/(πz) and g ~ 1/(π²z³) at the far end, as
// theirs); beyond, their asymptotic series to the second term.
inline constexpr double kFresnelEnd = 8;
inline constexpr double kAuxFTop[] = {0.49999997367623461, 1.3458875580725056,  1.1198686600979471,
                                      0.84317800899174988, 0.49951693401035457, 0.15471236999117699,
                                      0.078639960629257044};
inline constexpr double kAuxFBottom[] = {1,
                                         2.6917681620197214,
                                         3.8107403611572774,
                                         3.8176067727382281,
                                         2.5981550407493015,
                                         1.5760069670883547,
                                         0.48555768822346146,
                                         0.2470694246169815};
inline constexpr double kAuxGTop[] = {
    0.50000000442928938,  0.20253089974324279,   0.18892791567850695,  0.085320852142488857,
    0.035635497057982017, 0.0095471180207059095, 0.0031985880838342196};
inline constexpr double kAuxGBottom[] = {1,
                                         2.4050628829227749,
                                         3.6171541082441183,
                                         3.6274738872108747,
                                         2.875453112801118,
                                         1.7344804618072152,
                                         0.86964453685739185,
                                         0.34904855441425986,
                                         0.094372403495672857,
                                         0.031565309021267404};

template <class T, std::size_t N> T polynomial(const double (&c)[N], T z) {
    T sum = 0;
    for (std::size_t i = N; i-- > 0;) {
        sum = sum * z + static_cast<T>(c[i]);
    }
    return sum;
}

// A blade as the light meets it: its tip, side, and the light's direction
// at the tip and the distance it came from (a point source) there.
template <class T> struct BladeFrame {
    T ex = 0, ey = 0, side = 1, ux = 1, uy = 0, se = 0, sx = 0, sy = 0;
    T parallel = 1; // 1 or 0, a number so that it blends rather than branches
};

// The light comes from the point `from`, or along the unit direction `along`
// when `parallel`.
template <class T>
BladeFrame<T> bladeFrame(const Blade& blade, bool parallel, Vec from, Vec along) {
    BladeFrame<T> b;
    b.ex = static_cast<T>(blade.tip.x);
    b.ey = static_cast<T>(blade.tip.y);
    b.side = static_cast<T>(blade.side);
    b.parallel = parallel ? 1 : 0;
    b.ux = static_cast<T>(along.x);
    b.uy = static_cast<T>(along.y);
    if (!parallel) {
        const double dx = blade.tip.x - from.x, dy = blade.tip.y - from.y, se = std::hypot(dx, dy);
        b.ux = static_cast<T>(dx / se);
        b.uy = static_cast<T>(dy / se);
        b.se = static_cast<T>(se);
        b.sx = static_cast<T>(from.x);
        b.sy = static_cast<T>(from.y);
    }
    return b;
}

// Whether the blade hides (px, py): the straight way there crosses the
// blade's line beyond the tip.
template <class T> bool bladeHides(const BladeFrame<T>& b, T px, T py) {
    const T cross = b.ux * (py - b.ey) - b.uy * (px - b.ex);
    return (px > b.ex) & (b.side * cross > 0);
}

// The share Φ = re + i·im of the light arriving at (px, py) that the blade
// takes away; cycles is 1/λ, turn(x, c, s) gives cos and sin of 2π·x.
// Selects rather than branches, so that a loop over points vectorises.
template <class T, class Turn>
inline void bladeShare(const BladeFrame<T>& b, T px, T py, T cycles, Turn turn, T& re, T& im) {
    const T epx = px - b.ex, epy = py - b.ey;
    const T ep = std::sqrt(epx * epx + epy * epy);
    const T cross = b.ux * epy - b.uy * epx, dot = b.ux * epx + b.uy * epy;
    // |EP| − û·EP without the cancellation near the shadow's edge, where
    // the detour is small and matters most.
    const T across = cross * cross / std::max(ep + dot, T(1e-30)), along = ep - dot;
    const T bend = dot > 0 ? across : along;
    // From a point, |SE| + |EP| − |SP|, by (|SE| + |EP|)² − |SP|² = 2·|SE|·bend.
    const T spx = px - b.sx, spy = py - b.sy;
    const T sp = std::sqrt(spx * spx + spy * spy);
    const T fromPoint = 2 * b.se * bend / std::max(b.se + ep + sp, T(1e-30));
    const T detour = fromPoint + b.parallel * (bend - fromPoint);
    const T z = 2 * std::sqrt(detour * cycles);
    // Each form at a z it holds for (compared so that a NaN takes the end).
    constexpr T kEnd = static_cast<T>(kFresnelEnd);
    const T near = z < kEnd ? z : kEnd, far = z > kEnd ? z : kEnd;
    const T nf = polynomial(kAuxFTop, near) / polynomial(kAuxFBottom, near);
    const T ng = polynomial(kAuxGTop, near) / polynomial(kAuxGBottom, near);
    const T pi = std::numbers::pi_v<T>, q = 1 / (pi * far * far);
    const T ff = (1 - 3 * q * q) / (pi * far), fg = (1 - 15 * q * q) * q / (pi * far);
    const T isNear = z < kEnd ? T(1) : T(0);
    const T f = ff + isNear * (nf - ff), g = fg + isNear * (ng - fg);
    // (1 − i)/2·(g + i·f)·e^{iπz²/2}, and πz²/2 = 2π·detour/λ.
    T c, s;
    turn(detour * cycles, c, s);
    const T ar = (g + f) / 2, ai = (f - g) / 2;
    const T er = ar * c - ai * s, ei = ar * s + ai * c;
    // Where the blade hides the point, Φ = 1 − (the edge wave).
    const T hidden = bladeHides(b, px, py) ? T(1) : T(0);
    re = er + hidden * (1 - 2 * er);
    im = ei - hidden * 2 * ei;
}

} // namespace optics::wavefield
