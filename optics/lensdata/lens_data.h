#pragma once

// The numbers of the lens-data panel: what a lens does to the light that was
// last sent through it. Lengths are the window's user units, positions x on
// the axis, wave-front errors in wavelengths.
//
// A window fills them after each redraw, for example on the workbench:
//
//   const SphericalLens lens{xa, xb, radius1, radius2, deiktis};
//   const Light light = ParallelBeam{std::cos(goniadesmis), std::sin(goniadesmis)};
//   const auto rays = traceExitRays(lens, diaphragm, light, starts);
//   const SphericalLensData data = sphericalLensData(lens, light, rays);
//
// and on ElSahl:
//
//   const BeamData data = sahlLensData(state, PointSource{pigiX, pigiY});

#include "optics/hyperbolic/state.h"
#include "optics/lensdata/ideal_image.h"
#include "optics/lensdata/spherical_rays.h"
#include "optics/lensdata/spot.h"
#include "optics/lensdata/thick_lens.h"
#include "optics/lensdata/wavefront.h"

#include <optional>
#include <span>

namespace optics::lensdata {

constexpr double kSphericalWavelength = 25; // the workbench's dot spacing in air
constexpr double kSahlWavelength = 15;      // the spacing of ElSahl's fronts in air

// What the light leaving a lens does, from its traced rays.
struct BeamData {
    int rays = 0;    // the rays that make up the beam
    int leftOut = 0; // rays left out: stray (80 degrees or more off the beam) or not finite
    std::optional<Spot> spot;                // empty with fewer than two rays
    std::optional<WavefrontError> wavefront; // against the reference of the spot
};

// The beam these rays make, its smallest spot, and the error of its front in
// wavelengths of the given length.
BeamData beamData(std::span<const ExitRay> rays, double wavelength);

// After a parallel beam along the axis.
struct AxialFoci {
    // The focus of the rays near the axis: the thick lens's F′ for light
    // travelling towards +x, F for light towards −x. Empty when the lens has
    // no power.
    std::optional<double> paraxialFocus;
    // Where the outermost traced ray (the one that entered the glass farthest
    // from the axis) crosses the axis, in front of or behind the lens. Empty
    // without rays, or when it leaves parallel to the axis.
    std::optional<double> marginalFocus;
    // The longitudinal spherical aberration: marginal less paraxial focus,
    // measured along the direction of travel, so negative when the outer rays
    // cross the axis first.
    std::optional<double> sphericalAberration;
};

struct SphericalLensData {
    std::optional<ThickLens> lens;             // empty: no lens
    std::optional<double> thinLensFocalLength; // what the focal marks use (estiaki)
    std::optional<AxialFoci> axialFoci;        // only after a beam along the axis
    std::optional<Point> idealImage;           // the black cross, or the thin lens's focal point
    BeamData beam;                             // measured in wavelengths of 25
};

// The light is what the rays came from. A beam counts as along the axis when
// its direction is within 1e-9 radians of it.
SphericalLensData sphericalLensData(const SphericalLens& lens, const Light& light,
                                    std::span<const ExitRay> rays);

// The recorded rays of Ibn Sahl's lens, measured in wavelengths of 15.
BeamData sahlLensData(const optics::hyperbolic::Protosfakos& state, const Light& light);

} // namespace optics::lensdata
