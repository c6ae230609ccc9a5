#include "optics/wavefield/focus.h"

#include <cmath>

namespace optics::wavefield {

namespace {

// The light that came through the lens at (x, y) of the computation's frame:
// as it is, or (ideal) with every wavelet's phase set to arrive in phase at
// (px, py); and the mean direction in which it arrives.
struct LensLight {
    Complex u;
    Vec along;
};
LensLight lensLight(const Wavelets& s, double x, double y, const Vec* ideal = nullptr) {
    Complex u = 0;
    double ax = 0, ay = 0;
    for (std::size_t j = 0; j < s.lens; ++j) {
        const double dx = x - s.x[j], dy = y - s.y[j];
        const double r = std::max(std::hypot(dx, dy), 1e-9);
        const double a = ((s.nx[j] * dx + s.ny[j] * dy) / r + s.lean[j]) / std::sqrt(r);
        if (ideal) {
            const double r0 = std::hypot(ideal->x - s.x[j], ideal->y - s.y[j]);
            u += std::abs(s.w[j]) * a * std::polar(1.0, s.k * (r - r0));
        } else {
            u += s.w[j] * a * std::polar(1.0, s.k * r);
        }
        const double part = std::abs(s.w[j] * a);
        ax += part * dx / r;
        ay += part * dy / r;
    }
    const double len = std::hypot(ax, ay);
    return {u, len > 0 ? Vec{ax / len, ay / len} : Vec{1, 0}};
}

// Moves (x, y) to the nearest peak of intensity(x, y), in steps from first
// down to last; its value there.
template <class F> double climb(F intensity, double& x, double& y, double first, double last) {
    double best = intensity(x, y);
    for (double step = first; step > last;) {
        bool moved = false;
        for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const double v = intensity(x + dx * step, y + dy * step);
            if (v > best) {
                best = v;
                x += dx * step;
                y += dy * step;
                moved = true;
            }
        }
        if (!moved) {
            step /= 2;
        }
    }
    return best;
}

} // namespace

std::optional<Focus> findFocus(const Field& field, const Region& region, int steps,
                               int profilePoints, const std::atomic<bool>* cancel) {
    const auto cancelled = [&] { return cancel && cancel->load(std::memory_order_relaxed); };
    if (!field.error().empty() || field.boundaries().empty() || steps < 2) {
        return std::nullopt;
    }
    const int last = static_cast<int>(field.boundaries().size()) - 1;
    const auto intensity = [&](double x, double y) { return std::norm(field.at(x, y)); };
    double bx = 0, by = 0, best = -1;
    for (int i = 0; i <= steps; ++i) {
        for (int j = 0; j <= steps; ++j) {
            if (cancelled()) {
                return std::nullopt;
            }
            const double x = region.left + (region.right - region.left) * i / steps;
            const double y = region.bottom + (region.top - region.bottom) * j / steps;
            if (field.sourceOf(x, y) != last) {
                continue;
            }
            const double v = intensity(x, y);
            if (v > best) {
                best = v;
                bx = x;
                by = y;
            }
        }
    }
    if (!(best > 0)) {
        return std::nullopt;
    }
    const double lambda = field.wavelength();
    const double coarse = std::max(region.right - region.left, region.top - region.bottom) / steps;
    best = climb(
        [&](double x, double y) { return field.sourceOf(x, y) == last ? intensity(x, y) : -1; }, bx,
        by, coarse, lambda / 1000);
    Focus f;
    f.x = bx;
    f.y = by;
    f.intensity = best;
    // Against the same light without aberration whose brightest point lies
    // here: the wave converging in phase to a point F on the beam's line
    // through here, F chosen (by the secant rule) so that the wave's peak
    // falls here. With an aperture of few wavelengths that peak lies nearer
    // the lens than F.
    const double m = field.mirror();
    const Wavelets& s = field.boundaries()[static_cast<std::size_t>(last)];
    // The lens's own light peaks a little off the brightest point where
    // light that missed the lens reaches there; its peak is the one compared.
    double lx = bx, ly = by;
    climb([&](double x, double y) { return std::norm(lensLight(s, m * x, y).u); }, lx, ly,
          lambda / 4, lambda / 1000);
    const LensLight here = lensLight(s, m * lx, ly);
    const Vec along = here.along;
    const auto idealAt = [&](double t, double u) {
        const Vec target{m * lx + t * along.x, ly + t * along.y};
        return std::norm(lensLight(s, m * lx + u * along.x, ly + u * along.y, &target).u);
    };
    // Where the wave converging to F = here + t·along is brightest.
    const auto peakOf = [&](double t) {
        double u = t, unused = 0;
        climb([&](double v, double) { return idealAt(t, v); }, u, unused, lambda / 4,
              lambda / 1000);
        return u;
    };
    double t0 = 0, u0 = peakOf(t0), t1 = -u0, u1 = peakOf(t1);
    for (int i = 0; i < 8 && std::abs(u1) > lambda / 1000 && u1 != u0 && !cancelled(); ++i) {
        const double t2 = t1 - u1 * (t1 - t0) / (u1 - u0);
        t0 = t1;
        u0 = u1;
        t1 = t2;
        u1 = peakOf(t1);
    }
    const double ideal = idealAt(t1, 0);
    if (cancelled()) {
        return std::nullopt;
    }
    f.strehl = ideal > 0 ? std::norm(here.u) / ideal : 0;
    f.acrossX = -m * here.along.y;
    f.acrossY = here.along.x;
    // Out from the peak on each side to the first minimum.
    const double fine = lambda / 200;
    double sides[2] = {0, 0};
    bool found = true;
    for (int side = 0; side < 2; ++side) {
        const double sign = side == 0 ? 1 : -1;
        double previous = best;
        int i = 1;
        for (; i <= 20 * 200; ++i) {
            // Thousands of points at worst: a newer picture need not wait.
            if (cancelled()) {
                return std::nullopt;
            }
            const double t = sign * i * fine;
            const double v = intensity(bx + t * f.acrossX, by + t * f.acrossY);
            if (v > previous) {
                break;
            }
            previous = v;
        }
        found = found && i <= 20 * 200;
        sides[side] = (i - 1) * fine;
    }
    if (found) {
        f.width = sides[0] + sides[1];
        f.zeroBelow = -sides[1];
        f.zeroAbove = sides[0];
    }
    const double half = f.width ? *f.width : 4 * lambda;
    const int points = std::max(profilePoints, 2);
    f.profileFrom = -half;
    f.profileStep = 2 * half / (points - 1);
    for (int i = 0; i < points; ++i) {
        const double t = f.profileFrom + i * f.profileStep;
        f.profile.push_back(intensity(bx + t * f.acrossX, by + t * f.acrossY));
    }
    return f;
}

} // namespace optics::wavefield
