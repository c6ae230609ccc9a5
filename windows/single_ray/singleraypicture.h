#pragma once

#include "windows/single_ray/moniaktinabars.h"

namespace windows {

// What the single-ray window shows, as a small value that can be kept and
// drawn again: the lens outline alone, or the lens with one ray. The lens
// is the scroll bars' values at the time it is drawn; moving the index bar
// draws nothing again, so the picture keeps the index it was drawn with.
struct SingleRayPicture {
    enum class Kind { Outline, Ray };

    Kind kind = Kind::Outline;
    // Ray: where the Shift-press put the source mark (its upper left
    // corner) and the point the ray was aimed at, in the window's scale.
    double sourceX = 0;
    double sourceY = 0;
    double aimX = 0;
    double aimY = 0;
    int deiktisdiathlasis = moniaktina_bars::deiktisdiathlasis.value; // drawn with

    bool operator==(const SingleRayPicture&) const = default;
};

} // namespace windows
