#pragma once

#include "optics/lensdata/lens_data.h"
#include "optics/lensdata/object_image.h"
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

// The workbench's object arrow with its tip at tip: a group after the
// others with the object and image distances and the magnification of the
// thick lens, and where the rays of its fan really meet (their smallest
// spot), ringed on the drawing.
void addObjectContent(LensDataContent& content, optics::Point tip,
                      const std::optional<optics::lensdata::ObjectImage>& image,
                      const std::optional<optics::lensdata::Spot>& spot);

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
