#pragma once

namespace shell {

// Maps the font names the windows ask for onto installed fonts with the same
// metrics and Greek glyphs, and sets the default font of the controls.
void installFontSubstitutes();

} // namespace shell
