#pragma once

#include "windows/common/setupvalues.h"

namespace windows {

// The workbench's scroll bars as the designer left them.
namespace lentoi_bars {
inline constexpr BarDesign desmi1{2, 150, 1, 10, 20, 1920, 0, 2415, 375};
inline constexpr BarDesign deiktisdiathlasis{40, 250, 1, 10, 150, 1920, 360, 2415, 375, 100};
inline constexpr BarDesign aktina2{0, 500, 1, 1, 90, 120, 1320, 2775, 375};
inline constexpr BarDesign aktina1{50, 500, 1, 40, 100, 120, 1680, 2775, 375};
inline constexpr BarDesign kentrokykloy{0, 500, 1, 40, 20, 4200, 1440, 2655, 375};
inline constexpr BarDesign kentrokykloy2{-500, 0, 1, 40, -50, 4320, 1800, 2055, 255};
inline constexpr BarDesign arvimaton{5, 150, 1, 1, 30, 7320, 1560, 1695, 375};
inline constexpr BarDesign HScroll1{-100, 100, 1, 5, 0, 120, 3360, 975, 255};
inline constexpr BarDesign VScroll1{-100, 0, 1, 10, 0, 120, 2280, 255, 1095};
inline constexpr BarDesign VScroll2{0, 100, 1, 10, 0, 120, 3600, 255, 1215};
} // namespace lentoi_bars

} // namespace windows
