#pragma once

#include "windows/common/screen.h"

namespace shell {

// The primary screen as the windows size themselves on it: its size, its
// logical DPI and the area free of panels.
windows::ScreenInfo primaryScreenInfo();

} // namespace shell
