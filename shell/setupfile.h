#pragma once

#include "shell/setupjson.h"

#include <QString>

namespace shell {

// A set-up file takes about 1.5 KiB; anything above this is refused unread,
// so that no file, whatever its size, can stall the program.
inline constexpr qint64 kSetupFileLimit = 1 << 20;

// Reads the set-up file at path (see setupFromJson). Anything that is not a
// regular file (a folder, a pipe that might never end), a file that cannot be
// opened or one above kSetupFileLimit is refused with a message naming it.
SetupReading readSetupFile(const QString& path, const Setup& start = Setup{});

// Writes the set-up to path through a temporary file that takes the name
// only once it is complete, so a failed write never leaves half a file.
// Returns nothing when written, else the message (Greek, then English).
std::optional<QString> writeSetupFile(const QString& path, const Setup& setup);

} // namespace shell
