#pragma once

#include "windows/common/setupvalues.h"
#include "windows/single_ray/singleraypicture.h"

#include <optional>

namespace windows {

// The single-ray window's scroll bars as the designer left them.
namespace moniaktina_bars {
inline constexpr BarDesign aktina1{50, 500, 1, 40, 90, 0, 360, 2775, 375};
inline constexpr BarDesign aktina2{0, 500, 1, 1, 100, 0, 0, 2775, 375};
inline constexpr BarDesign deiktisdiathlasis{40, 250, 1, 10, 150, 0, 720, 2415, 375, 100};
inline constexpr BarDesign kentrokykloy{0, 500, 1, 40, 100, -120, 1080, 2655, 375};
} // namespace moniaktina_bars

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
