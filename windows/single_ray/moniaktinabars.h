#pragma once

#include "windows/common/setupvalues.h"

namespace windows {

// The single-ray window's scroll bars as the designer left them.
namespace moniaktina_bars {
inline constexpr BarDesign aktina1{50, 500, 1, 40, 90, 0, 360, 2775, 375};
inline constexpr BarDesign aktina2{0, 500, 1, 1, 100, 0, 0, 2775, 375};
inline constexpr BarDesign deiktisdiathlasis{40, 250, 1, 10, 150, 0, 720, 2415, 375, 100};
inline constexpr BarDesign kentrokykloy{0, 500, 1, 40, 100, -120, 1080, 2655, 375};
} // namespace moniaktina_bars

} // namespace windows
