#pragma once

namespace shell {

// Drawing without a display: the offscreen platform says at every show that
// it cannot raise a window or pass on size hints. Those notices are dropped;
// anything else it says still reaches the log.
void quietOffscreenNotices();

} // namespace shell
