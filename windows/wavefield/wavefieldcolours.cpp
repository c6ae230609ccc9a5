#include "windows/wavefield/wavefieldlayer.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace windows {

namespace {

struct Rgb {
    double r, g, b;
};

// Samples of viridis (dark blue through green to yellow) and of a blue,
// white, red diverging scale, both even in lightness steps and told apart
// without red-green vision.
constexpr std::array kIntensity{Rgb{68, 1, 84},    Rgb{71, 44, 122},  Rgb{59, 81, 139},
                                Rgb{44, 113, 142}, Rgb{33, 144, 141}, Rgb{39, 173, 129},
                                Rgb{92, 200, 99},  Rgb{170, 220, 50}, Rgb{253, 231, 37}};
constexpr std::array kWave{Rgb{33, 102, 172},  Rgb{103, 169, 207}, Rgb{209, 229, 240},
                           Rgb{247, 247, 247}, Rgb{253, 219, 199}, Rgb{239, 138, 98},
                           Rgb{178, 24, 43}};

// How far the scales are paled towards white: the rays, dots and fronts are
// drawn in full colours and must stay readable over the field.
constexpr double kPale = 0.35;

template <std::size_t N> canvas::Color sample(const std::array<Rgb, N>& scale, double t) {
    t = std::isfinite(t) ? std::clamp(t, 0.0, 1.0) : 0.0;
    const double at = t * (N - 1);
    const std::size_t i = std::min<std::size_t>(static_cast<std::size_t>(at), N - 2);
    const double f = at - static_cast<double>(i);
    const auto mix = [&](double a, double b) {
        const double c = a + (b - a) * f;
        return static_cast<int>(std::lround(c + (255 - c) * kPale));
    };
    return canvas::RGB(mix(scale[i].r, scale[i + 1].r), mix(scale[i].g, scale[i + 1].g),
                       mix(scale[i].b, scale[i + 1].b));
}

} // namespace

canvas::Color intensityColour(double t) {
    return sample(kIntensity, t);
}

canvas::Color waveColour(double t) {
    return sample(kWave, t);
}

} // namespace windows
