#pragma once

// The rays that left the workbench's spherical lens, as the lens data takes
// them: traced afresh from the starts the window traced.

#include "optics/lensdata/light.h"
#include "optics/spherical/state.h"

#include <span>
#include <vector>

namespace optics::lensdata {

using optics::spherical::SphericalLens;

struct RayStart {
    double x = 0, y = 0;
    double dx = 0, dy = 0;
};

// Traces each ray as traceWave does, in double precision and drawing
// nothing: into the lens unless the diaphragm stops it first, through the
// glass and out. The record's single-precision directions would blur a fine
// fan's spot; the lens data keeps the precision of its numbers. Rays that
// miss the lens or are stopped are left out, and so are rays that meet a face
// at or beyond the critical angle, which carry no light out. The caller
// passes only rays that the window would trace (traceWave also leaves out
// rays that start outside the visible area).
std::vector<ExitRay> traceExitRays(const SphericalLens& lens,
                                   const optics::spherical::Diaphragm& diaphragm,
                                   const Light& light, std::span<const RayStart> starts);

} // namespace optics::lensdata
