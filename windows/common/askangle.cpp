#include "windows/common/askangle.h"

#include "windows/common/numbers.h"
#include "windows/common/setupvalues.h"

namespace windows {

std::optional<double> askAngle(Dialogs& dialogs, const AngleQuestion& question) {
    const std::optional<QString> answer =
        dialogs.input(question.prompt, question.title, question.defaultAnswer);
    if (!answer || answer->trimmed().isEmpty())
        return std::nullopt;
    // An angle the light cannot take is refused like a word.
    const std::optional<double> degrees = parseNumber(*answer);
    if (!degrees || !isLightAngle(*degrees)) {
        dialogs.message(question.refusal);
        return std::nullopt;
    }
    return degrees;
}

} // namespace windows
