#pragma once

#include "optics/lensdata/lens_data.h"
#include "optics/spherical/state.h"

#include <optional>
#include <vector>

namespace windows {

// The light the workbench last sent through its lens, kept for the lens
// data: what it was, the lens it went through, and where its rays are.
struct SentLight {
    optics::lensdata::Light light;
    optics::spherical::SphericalLens lens;
    // Its waves were drawn: its rays are recordedCount rays of the wave
    // record from firstRecorded (those the record had room for).
    int firstRecorded = 0;
    int recordedCount = 0;
    // Drawn as lines only, which records nothing: the starts the window
    // traced, to be traced again without drawing, and the diaphragm as it
    // stood.
    std::vector<optics::lensdata::RayStart> drawnOnly;
    optics::spherical::Diaphragm diaphragm;
};

// The lens data of the lens as drawn and of the light sent through it
// (none: the lens was drawn alone).
optics::lensdata::SphericalLensData workbenchLensData(const optics::spherical::SphericalLens& drawn,
                                                      const std::optional<SentLight>& sent,
                                                      const optics::spherical::WaveRecord& record);

} // namespace windows
