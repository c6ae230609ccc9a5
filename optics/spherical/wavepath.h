#pragma once

#include "optics/spherical/state.h"

namespace optics::spherical {

struct PathPoint {
    double x = 0, y = 0;
};

// Where the wave point of recorded ray i stands once light in air would have
// covered airDistance: along the incoming ray from its start, through the
// glass at 1/n of the speed, then along the outgoing ray. A step that crosses
// a face goes on at the new speed in the new direction for the time it has
// left, so the point never jumps at a face.
//
// The start is found back from the record (entry point less tentry * 250
// along the incoming direction). n must be positive.
PathPoint wavePosition(const WaveRecord& record, int i, double airDistance, double n);

} // namespace optics::spherical
