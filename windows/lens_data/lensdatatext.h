#pragma once

#include "optics/lensdata/lens_data.h"
#include "optics/spherical/tracer.h"
#include "windows/lens_data/lensdatacontent.h"

#include <optional>

namespace windows {

// The panel's lines and marks, Greek then English, numbers with two decimals
// in the user's locale.

// Whether the lens the light went through is still the lens of the controls.
enum class SinceLight { SameLens, LensChanged };

// The workbench: its lens, then the light last sent through it (none: the
// lens was drawn alone). No lens: the panel says so and nothing more. The
// wave-front error is in waves of the given length, as the data measured it.
LensDataContent
sphericalLensDataContent(const optics::lensdata::SphericalLensData& data,
                         const std::optional<optics::lensdata::Light>& light,
                         SinceLight since = SinceLight::SameLens,
                         double wavelength = optics::lensdata::kSphericalWavelength);

// Ibn Sahl's window: the light it drew and what the lens made of it. No
// light: no lens is drawn, and the panel says so.
LensDataContent sahlLensDataContent(const optics::lensdata::BeamData& data,
                                    const std::optional<optics::lensdata::Light>& light,
                                    SinceLight since = SinceLight::SameLens,
                                    double wavelength = optics::lensdata::kSahlWavelength);

// The single-ray window: the index its picture was drawn with and the
// critical angle of that glass, then each face the ray drawn meets (none
// drawn: the panel says so), with a mark along the normal at each.
LensDataContent rayAnglesContent(double n,
                                 const std::optional<optics::spherical::SingleRayPath>& ray);

} // namespace windows
