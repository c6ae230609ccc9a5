#pragma once

#include "windows/common/setupvalues.h"
#include "windows/single_ray/singleraypicture.h"

#include <optional>

namespace windows {

// The single-ray window's bars, the place of its source mark and its picture.
struct MoniaktinaSetup {
    int aktina1 = moniaktina_bars::aktina1.value;
    int aktina2 = moniaktina_bars::aktina2.value;
    int deiktisdiathlasis = moniaktina_bars::deiktisdiathlasis.value;
    int kentrokykloy = moniaktina_bars::kentrokykloy.value;
    // The upper left corner of the source mark, where the Shift-press put it.
    // Empty: the mark's place on the designer layout, which in user units
    // depends on the size of the screen.
    std::optional<SetupPoint> fos;
    // The index bar's handler writes Text2 otherwise than the load does: the
    // text shows whether the bar has moved.
    bool deiktisdiathlasisMoved = false;
    // A ray starts at the mark: the picture's source is always fos.
    SingleRayPicture picture;
    SetupView view;
    bool lensData = false; // the ray-angles panel shows

    bool operator==(const MoniaktinaSetup&) const = default;
};

inline constexpr BarField<MoniaktinaSetup> kMoniaktinaBars[] = {
    {"aktina1", moniaktina_bars::aktina1, &MoniaktinaSetup::aktina1},
    {"aktina2", moniaktina_bars::aktina2, &MoniaktinaSetup::aktina2},
    {"deiktisdiathlasis", moniaktina_bars::deiktisdiathlasis, &MoniaktinaSetup::deiktisdiathlasis},
    {"kentrokykloy", moniaktina_bars::kentrokykloy, &MoniaktinaSetup::kentrokykloy},
};

} // namespace windows
