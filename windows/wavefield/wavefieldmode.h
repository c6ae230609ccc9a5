#pragma once

namespace windows {

// What a lens window shows behind its picture (F3 cycles them).
enum class WaveFieldMode { Off, Intensity, Wave };

} // namespace windows
