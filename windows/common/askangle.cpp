#include "windows/common/askangle.h"

#include "windows/common/numbers.h"

namespace windows {

std::optional<double> askAngle(Dialogs& dialogs, const AngleQuestion& question) {
    const std::optional<QString> answer =
        dialogs.input(question.prompt, question.title, question.defaultAnswer);
    if (!answer || answer->trimmed().isEmpty())
        return std::nullopt;
    const std::optional<double> degrees = parseNumber(*answer);
    if (!degrees)
        dialogs.message(question.refusal);
    return degrees;
}

} // namespace windows
