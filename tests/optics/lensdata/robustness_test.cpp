#include "optics/lensdata/lens_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using namespace optics::lensdata;

// Any lens and light give finite numbers or none: a NaN never reaches the
// panel.
TEST(LensDataRobustness, AnyLensAndLightGivesFiniteNumbersOrNone) {
    const double huge = 1e300, inf = INFINITY;
    const struct {
        SphericalLens lens;
        Light light;
    } rows[] = {
        {{NAN, 20, 100, 90, 1.5}, ParallelBeam{1, 0}},
        {{-huge, huge, huge, huge, 1.5}, ParallelBeam{1, 0}},
        {{0, 1e-300, 1e-300, 1e-300, 1.5}, PointSource{-300, 0}},
        {{-50, 20, 100, 90, huge}, PointSource{-300, 0}},
        {{-50, 20, 100, 90, 1.5}, ParallelBeam{0, 0}},
        {{-50, 20, 100, 90, 1.5}, PointSource{-huge, huge}},
    };
    for (const auto& row : rows) {
        std::vector<RayStart> starts;
        for (int k = -10; k <= 10; ++k) {
            const auto* s = std::get_if<PointSource>(&row.light);
            starts.push_back(s ? RayStart{s->x, s->y, 1, 0.01 * k} : RayStart{-200, 5.0 * k, 1, 0});
        }
        const auto d = sphericalLensData(
            row.lens, row.light, traceExitRays(row.lens, {0, inf, -inf}, row.light, starts));
        const ThickLens::Foci f =
            d.lens ? d.lens->foci.value_or(ThickLens::Foci{}) : ThickLens::Foci{};
        const Spot spot = d.beam.spot.value_or(Spot{});
        const WavefrontError error = d.beam.wavefront.value_or(WavefrontError{});
        const optics::Point image = d.idealImage.value_or(optics::Point{});
        for (double v : {f.focalLength, f.frontPrincipal, f.backPrincipal, image.x, image.y, spot.x,
                         spot.y, spot.diameter, error.peakToValley, error.rms}) {
            EXPECT_TRUE(std::isfinite(v)) << row.lens.xa << " " << row.lens.deiktis;
        }
    }
}

} // namespace
