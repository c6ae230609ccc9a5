#pragma once

#include <QString>

#include <optional>

namespace windows {

// A number as the captions show it: format "0" or "0.00" in the user's locale.
QString formatWhole(double value);
QString formatTwoDecimals(double value);

// An angle typed into an input box: blanks trimmed, the locale's decimal
// separator or '.', finite numbers only.
std::optional<double> parseNumber(const QString& text);

} // namespace windows
