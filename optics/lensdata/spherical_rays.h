#pragma once

// The rays that left the workbench's spherical lens, as the lens data takes
// them: from the wave record, or traced afresh when the record does not hold
// them (rays drawn as lines only are not recorded).

#include "optics/lensdata/light.h"
#include "optics/spherical/state.h"

#include <span>
#include <vector>

namespace optics::lensdata {

using optics::spherical::SphericalLens;

// Rays 0 .. count − 1 of the wave record (count is plithosaktinon, bounded to
// what the record holds). Each ray's optical path is the air path from the
// light's front to its entry point plus n times its path in the glass; n is
// the index the rays were traced with.
std::vector<ExitRay> sphericalExitRays(const optics::spherical::WaveRecord& record, int count,
                                       double n, const Light& light);

struct RayStart {
    double x = 0, y = 0;
    double dx = 0, dy = 0;
};

// Traces each ray as traceWave does, drawing nothing: into the lens unless
// the diaphragm stops it first, through the glass and out. Rays that miss the
// lens, are stopped or are totally reflected are left out. The caller passes
// only rays that the window would trace (traceWave also leaves out rays that
// start outside the visible area).
std::vector<ExitRay> traceExitRays(const SphericalLens& lens,
                                   const optics::spherical::Diaphragm& diaphragm,
                                   const Light& light, std::span<const RayStart> starts);

} // namespace optics::lensdata
