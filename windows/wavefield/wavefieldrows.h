#pragma once

#include "windows/lens_data/lensdatacontent.h"
#include "windows/wavefield/wavefieldlayer.h"

namespace windows {

// What the lens data adds while the wave field shows: its wavelength, and
// for its focus the Strehl ratio, the width between the first zeros across
// the beam (beside the geometric smallest spot above it), a ring there and
// the plot of the intensity across the beam.
void addWaveFieldRows(LensDataContent& content, const WaveFieldLayer& field);

} // namespace windows
