#pragma once

namespace shell {

// Maps the font names the windows ask for onto installed fonts with the same
// metrics and Greek glyphs.
void installFontSubstitutes();

} // namespace shell
