// The wave field against answers worked out another way: diffraction by a
// slit, Ibn Sahl's perfect focus against the integral of a converging
// cylindrical wave, the fronts of independently traced rays, the power in
// the beam, symmetry, and the start lens's spherical aberration.

#include "optics/lensdata/spherical_rays.h"
#include "optics/lensdata/wavefront.h"
#include "optics/wavefield/focus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

namespace wf = optics::wavefield;
namespace ld = optics::lensdata;

const ld::SphericalLens kStartLens{-50, 20, 100, 90, 1.5};

wf::Setup startBundle(double halfBand, double lambda) {
    wf::Setup s;
    s.lens = kStartLens;
    s.light = wf::Beam{1, 0, -halfBand, halfBand};
    s.wavelength = lambda;
    s.region = {-300, -300, 300, 300};
    return s;
}

double strehlOf(const wf::Setup& s) {
    return wf::findFocus(wf::Field(s), {55, -40, 200, 40})->strehl;
}

// sin θ of the m-th dark direction of a slit w wide, searched far away.
double slitZero(double w, int m) {
    wf::Setup s;
    s.light = wf::Beam{1, 0, -1000, 1000};
    s.screen = wf::Screen{0, -w / 2, w / 2};
    s.wavelength = 1;
    const double far = 40 * w * w;
    s.region = {-10, -far, far, far};
    const wf::Field field(s);
    double best = 1e300, at = 0;
    for (double sine = 0.7 * m / w; sine < 1.3 * m / w; sine += 1e-4 / w) {
        const double v = std::norm(field.at(far * std::sqrt(1 - sine * sine), far * sine));
        if (v < best) {
            best = v;
            at = sine;
        }
    }
    return at;
}

// The power crossing the line x through the beam: ∫ Im(U*·∂U/∂x)/k dy.
double powerAcross(const wf::Field& f, double x) {
    const double h = f.wavelength() / 100, k = 2 * std::numbers::pi / f.wavelength();
    double sum = 0;
    const double dy = f.wavelength() / 8;
    for (double y = -200; y <= 200; y += dy) {
        const wf::Complex u = f.at(x, y), d = (f.at(x + h, y) - f.at(x - h, y)) / (2 * h);
        sum += std::imag(std::conj(u) * d) / k * dy;
    }
    return sum;
}

// Beside a lens the field is smooth across its rim line x = rimX: its change
// over a tiny step across the line is the change over the next step on,
// taken at heights from one to sixteen wavelengths above the rim at rimY.
double seamAt(const wf::Field& f, double rimX, double rimY) {
    double seam = 0;
    for (const double above : {1.0, 2.0, 4.0, 8.0, 16.0}) {
        const double y = rimY + above * f.wavelength(), e = f.wavelength() * 1e-3;
        const auto u = [&](double x) { return f.at(rimX + x, y); };
        seam = std::max(seam, std::abs(u(e) - u(-e)) / std::abs(u(-e) - u(-3 * e)));
    }
    return seam;
}

struct Row {
    const char* what;
    double value, low, high;
};

TEST(WaveField, KnownAnswers) {
    std::vector<Row> rows;
    for (const double w : {10.0, 20.0}) {
        for (const int m : {1, 2}) {
            rows.push_back({"slit: sin θ of a zero / (mλ/w)", slitZero(w, m) * w / m, 0.98, 1.02});
        }
    }

    // Ibn Sahl's biconvex lens, n = 1.5, lit from F2 = (8a + c, 0).
    const double a = 12, n = 1.5, b = a * std::sqrt(n * n - 1), c = std::hypot(a, b);
    wf::Setup sahl;
    sahl.lens = wf::SahlLens{a, b, n, true};
    sahl.light = ld::PointSource{8 * a + c, 0};
    sahl.wavelength = 1.875;
    sahl.region = {-120, -100, 150, 100};
    sahl.fresnel = false;
    const wf::Field perfect(sahl);
    const std::optional<wf::Focus> f1 = wf::findFocus(perfect, {-60, -20, 0, 20});
    ASSERT_TRUE(f1);
    rows.push_back(
        {"perfect lens: peak from F1 / λ", std::hypot(f1->x + c, f1->y) / 1.875, 0, 0.1});
    rows.push_back({"perfect lens: Strehl", f1->strehl, 0.99, 1 + 1e-9});
    // Every angle up to the rim's, 4a + c from F1, carries the power per
    // radian the source sends (1); by stationary phase the field there is
    // √(k/2π)·∫ e^{iky·sin θ} dθ.
    const double k = 2 * std::numbers::pi / 1.875,
                 rim = std::atan(b * std::sqrt(15.0) / (4 * a + c));
    const auto converging = [&](double y) {
        wf::Complex sum = 0;
        const int steps = 2000;
        for (int i = 0; i < steps; ++i) {
            const double t = -rim + 2 * rim * (i + 0.5) / steps;
            sum += std::polar(2 * rim / steps, k * y * std::sin(t));
        }
        return k / (2 * std::numbers::pi) * std::norm(sum);
    };
    double worst = 0, peak = 0, zero = 0;
    for (std::size_t i = 0; i < f1->profile.size(); ++i) {
        const double y = (f1->profileFrom + static_cast<double>(i) * f1->profileStep) * f1->acrossY;
        peak = std::max(peak, converging(y));
        worst = std::max(worst, std::abs(f1->profile[i] - converging(y)));
    }
    rows.push_back(
        {"perfect lens: profile across F1 off the integral / peak", worst / peak, 0, 0.02});
    while (converging(zero + 0.001) < converging(zero)) {
        zero += 0.001;
    }
    rows.push_back({"perfect lens: focus width / the integral's",
                    f1->width.value_or(0) / (2 * zero), 0.98, 1.02});
    // No seam at the rim line x = 4a, under a beam lower than the lens too.
    sahl.light = wf::Beam{-1, 0, -30, 30};
    const wf::Field narrow(sahl);
    for (const wf::Field* field : {&perfect, &narrow}) {
        rows.push_back({field == &perfect ? "rim line: step across / step beside it"
                                          : "rim line, a beam lower than the lens: the same",
                        seamAt(*field, 4 * a, b * std::sqrt(15.0)), 0.9, 1.1});
    }
    sahl.light = ld::PointSource{8 * a + c, 0};
    // A stop between the lens and F1 (x = 0, opening ±12) leaves the angles
    // up to atan(12/c): the intensity at F1 falls as the angle's square.
    sahl.screen = wf::Screen{0, -12, 12};
    const double stopped = std::atan(12 / c) / rim;
    rows.push_back({"stop behind the lens: intensity at F1 / (angle ratio)² × without",
                    std::norm(wf::Field(sahl).at(-c, 0)) / (stopped * stopped * converging(0)),
                    0.97, 1.03});
    sahl.screen.reset();
    // The plano-convex lens brings a beam along the axis to F1 as well.
    sahl.lens = wf::SahlLens{a, b, n, false};
    sahl.light = wf::Beam{-1, 0, -50, 50};
    const std::optional<wf::Focus> plano = wf::findFocus(wf::Field(sahl), {-60, -20, 0, 20});
    rows.push_back({"plano-convex lens: peak from F1 / λ",
                    std::hypot(plano->x + c, plano->y) / 1.875, 0, 0.1});
    rows.push_back({"plano-convex lens: Strehl", plano->strehl, 0.99, 1 + 1e-9});

    // The fronts: the phase where one traced ray passes is k times its path
    // (near the lens, before the rays from the other side cross them, and
    // away from the beam's edges, whose own waves are real).
    const double shortWave = 0.5;
    const wf::Setup fine = startBundle(60, shortWave);
    const wf::Field start(fine);
    std::vector<ld::RayStart> starts;
    for (double y = -30; y <= 30; y += 15) {
        starts.push_back({-300, y, 1, 0});
    }
    double phaseError = 0;
    for (const ld::ExitRay& r :
         ld::traceExitRays(kStartLens, {1e6, 1e6, -1e6}, ld::ParallelBeam{1, 0}, starts)) {
        for (const double along : {5.0, 10.0}) {
            const wf::Complex u = start.at(r.x + along * r.dx, r.y + along * r.dy);
            const double d = std::remainder(std::arg(u) - 2 * std::numbers::pi / shortWave *
                                                              (r.opticalPath + along),
                                            2 * std::numbers::pi);
            phaseError = std::max(phaseError, std::abs(d) / (2 * std::numbers::pi));
        }
    }
    rows.push_back({"fronts: phase off the optical path / λ", phaseError, 0, 1.0 / 50});

    wf::Setup lossless = startBundle(50, 3.125);
    lossless.fresnel = false;
    const wf::Field clear(lossless);
    rows.push_back({"power after the lens / before",
                    powerAcross(clear, 60) / powerAcross(clear, -150), 0.98, 1.02});

    const wf::Field coarse(startBundle(60, 25));
    double asymmetry = 0, largest = 0;
    for (double x = -250; x <= 250; x += 23) {
        for (double y = 7; y <= 250; y += 19) {
            asymmetry = std::max(asymmetry, std::abs(coarse.at(x, y) - coarse.at(x, -y)));
            largest = std::max(largest, std::abs(coarse.at(x, y)));
        }
    }
    rows.push_back({"symmetry: |U(x, y) − U(x, −y)| / largest |U|", asymmetry / largest, 0, 1e-6});

    // The start lens: paraxial focus from the thick-lens formula (d = 120,
    // R1 = 90, R2 = −100), marginal focus where the ray at 60 crosses the axis.
    const double d = 120, r1 = 90, r2 = -100,
                 power = (n - 1) * (1 / r1 - 1 / r2 + (n - 1) * d / (n * r1 * r2));
    const double paraxial = 50 + (1 - (n - 1) * d / (n * r1)) / power;
    const std::vector<ld::RayStart> edge{{-300, 60, 1, 0}};
    const ld::ExitRay m =
        ld::traceExitRays(kStartLens, {1e6, 1e6, -1e6}, ld::ParallelBeam{1, 0}, edge)[0];
    const double marginal = m.x - m.y * m.dx / m.dy;
    const std::optional<wf::Focus> blur =
        wf::findFocus(wf::Field(startBundle(60, 3.125)), {55, -40, 200, 40});
    rows.push_back({"aberration: brightest x between marginal and paraxial foci", blur->x, marginal,
                    paraxial});
    rows.push_back({"aberration: Strehl below narrower bundle's", blur->strehl, 0,
                    strehlOf(startBundle(45, 3.125))});
    rows.push_back(
        {"aberration: Strehl below longer λ's", blur->strehl, 0, strehlOf(startBundle(60, 6.25))});
    rows.push_back({"aberration: Strehl below 1", blur->strehl, 0, 0.99});

    // Maréchal: the RMS wave-front error of the traced rays about the best
    // sphere (the least RMS over centres on the axis).
    for (const auto& [halfBand, wave] : {std::pair{45.0, 3.125}, {60.0, 6.25}, {60.0, 12.5}}) {
        std::vector<ld::RayStart> fan;
        for (int i = 0; i < 201; ++i) {
            fan.push_back({-300, halfBand * (2 * (i + 0.5) / 201 - 1), 1, 0});
        }
        const ld::Beam beam = ld::beamOf(
            ld::traceExitRays(kStartLens, {1e6, 1e6, -1e6}, ld::ParallelBeam{1, 0}, fan));
        double rms = 1;
        for (double x = 60; x <= 130; x += 0.05) {
            const std::optional<ld::WavefrontError> e = ld::wavefrontError(
                beam, ld::ReferenceSphere{x, 0, std::hypot(x - beam.cx, beam.cy)}, wave);
            rms = std::min(rms, e ? e->rms : 1);
        }
        ASSERT_LE(rms, 1.0 / 14);
        rows.push_back({"Maréchal: Strehl off exp(−(2π·RMS/λ)²)",
                        std::abs(strehlOf(startBundle(halfBand, wave)) -
                                 std::exp(-std::pow(2 * std::numbers::pi * rms, 2))),
                        0, 0.03});
    }

    // Blades across the lens stop the fan's light beyond their tips. With
    // glass of index 1 and one blade, up from its tip E, the light past the
    // tip is a knife edge's, ½·((½ − C(v))² + (½ − S(v))²) of what it was,
    // v = ±2√(δ/λ) (+ in the shadow), δ the detour by the tip: with the tip
    // at x = 0 beyond the lens's rim, and at x = −40 on its entry face, where
    // the face is √(90² − 60²) from the axis.
    wf::Setup fan = startBundle(60, 6.25);
    fan.light = ld::PointSource{-200, 0};
    fan.region = {-300, -650, 400, 650};
    fan.lens = ld::SphericalLens{-50, 20, 100, 90, 1};
    const wf::Field open(fan);
    double offKnifeEdge = 0;
    for (const auto& [ex, ey] : {std::pair{0.0, 200.0}, {-40.0, std::sqrt(4500.0)}}) {
        fan.screen = wf::Screen{ex, -1e6, ey};
        const wf::Field bladed(fan);
        for (double x = 100; x <= 400; x += 100) {
            for (double d = -150; d <= 150; d += 50) {
                // d above the shadow's edge, the line from the source by the tip.
                const double y = ey + (x - ex) * ey / (ex + 200) + d;
                const double detour =
                    std::hypot(ex + 200, ey) + std::hypot(x - ex, y - ey) - std::hypot(x + 200, y);
                const double v = std::copysign(2 * std::sqrt(detour / 6.25), d);
                double c = 0, s = 0;
                for (int i = 0; i < 10000; ++i) {
                    const double t = v * (i + 0.5) / 10000;
                    c += std::cos(std::numbers::pi * t * t / 2) * v / 10000;
                    s += std::sin(std::numbers::pi * t * t / 2) * v / 10000;
                }
                const double knife = 0.5 * ((0.5 - c) * (0.5 - c) + (0.5 - s) * (0.5 - s));
                offKnifeEdge = std::max(
                    offKnifeEdge,
                    std::abs(std::norm(bladed.at(x, y)) / std::norm(open.at(x, y)) / knife - 1));
            }
        }
    }
    rows.push_back({"blades: intensity past a tip off the knife edge's", offKnifeEdge, 0, 0.02});
    // With the start lens's glass, no seam where light passes between them
    // and the rim.
    fan.lens = kStartLens;
    fan.screen = wf::Screen{0, -200, 200};
    // The faces' circles about (20, 0), radius 90, and (−50, 0), radius 100,
    // meet at the rim, below the blades' tips.
    const double rimX = -50 + (100 * 100 - 90 * 90 + 70 * 70) / 140.0;
    rows.push_back({"blades: the same step in the gap between the rim and their tips",
                    seamAt(wf::Field(fan), rimX, std::sqrt(100 * 100 - (rimX + 50) * (rimX + 50))),
                    0.9, 1.1});

    for (const Row& row : rows) {
        EXPECT_GE(row.value, row.low) << row.what;
        EXPECT_LE(row.value, row.high) << row.what;
        std::printf("%-62s %.8g  [%g, %g]\n", row.what, row.value, row.low, row.high);
    }
}

} // namespace
