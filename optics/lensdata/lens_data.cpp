#include "optics/lensdata/lens_data.h"

#include "optics/lensdata/sahl_rays.h"
#include "optics/spherical/geometry.h"

#include <algorithm>
#include <cmath>

namespace optics::lensdata {

namespace {

// The direction of travel along the axis of a beam parallel to it: +1, −1,
// or 0 for any other light.
int axialTravel(const Light& light) {
    const auto* beam = std::get_if<ParallelBeam>(&light);
    if (beam == nullptr || !(std::abs(beam->dy) <= 1e-9 * std::abs(beam->dx))) {
        return 0;
    }
    return beam->dx > 0 ? 1 : -1;
}

std::optional<double> axisCrossing(const ExitRay& r) {
    const double x = r.x - r.y * r.dx / r.dy;
    return std::isfinite(x) ? std::optional<double>(x) : std::nullopt;
}

AxialFoci axialFoci(const std::optional<ThickLens>& lens, int travel, const Beam& beam) {
    AxialFoci foci;
    if (lens && lens->foci) {
        foci.paraxialFocus = travel > 0 ? lens->foci->backFocus : lens->foci->frontFocus;
    }
    const auto outermost = std::max_element(
        beam.rays.begin(), beam.rays.end(),
        [](const ExitRay& p, const ExitRay& q) { return std::abs(p.entryY) < std::abs(q.entryY); });
    if (outermost != beam.rays.end()) {
        foci.marginalFocus = axisCrossing(*outermost);
    }
    if (foci.paraxialFocus && foci.marginalFocus) {
        foci.sphericalAberration = travel * (*foci.marginalFocus - *foci.paraxialFocus);
    }
    return foci;
}

BeamData measure(const Beam& beam, double wavelength) {
    BeamData data;
    data.rays = static_cast<int>(beam.rays.size());
    data.leftOut = beam.leftOut;
    data.spot = smallestSpot(beam);
    if (data.spot) {
        data.wavefront = wavefrontError(beam, referenceFor(beam, *data.spot), wavelength);
    }
    return data;
}

} // namespace

BeamData beamData(std::span<const ExitRay> rays, double wavelength) {
    return measure(beamOf(rays), wavelength);
}

SphericalLensData sphericalLensData(const SphericalLens& lens, const Light& light,
                                    std::span<const ExitRay> rays) {
    SphericalLensData data;
    data.lens = thickLens(lens);
    data.thinLensFocalLength = optics::spherical::estiaki(lens.radius1, lens.radius2, lens.deiktis);
    data.idealImage = idealImage(light, lens);
    const Beam beam = beamOf(rays);
    if (const int travel = axialTravel(light)) {
        data.axialFoci = axialFoci(data.lens, travel, beam);
    }
    data.beam = measure(beam, kSphericalWavelength);
    return data;
}

BeamData sahlLensData(const optics::hyperbolic::Protosfakos& state, const Light& light) {
    return beamData(sahlExitRays(state, light), kSahlWavelength);
}

} // namespace optics::lensdata
