#include "windows/common/numbers.h"

#include <QLocale>

#include <cmath>

namespace windows {

namespace {

// Captions print plain digits: no group separators, whatever the locale.
QLocale captionLocale() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

QString formatWhole(double value) {
    return captionLocale().toString(value, 'f', 0);
}

QString formatTwoDecimals(double value) {
    return captionLocale().toString(value, 'f', 2);
}

std::optional<double> parseNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = QLocale().toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace windows
