#include "windows/common/askangle.h"

#include "windows/common/numbers.h"

#include <cmath>

namespace windows {

std::optional<double> askAngle(Dialogs& dialogs, const AngleQuestion& question) {
    const std::optional<QString> answer =
        dialogs.input(question.prompt, question.title, question.defaultAnswer);
    if (!answer || answer->trimmed().isEmpty())
        return std::nullopt;
    // A right angle or more runs the light along or against the axis's
    // normal, which no prompt offers (−90 < φ < 90): refused like a word.
    const std::optional<double> degrees = parseNumber(*answer);
    if (!degrees || !(std::fabs(*degrees) < 90)) {
        dialogs.message(question.refusal);
        return std::nullopt;
    }
    return degrees;
}

} // namespace windows
