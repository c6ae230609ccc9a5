#pragma once

#include "windows/common/dialogs.h"

#include <optional>

namespace windows {

struct AngleQuestion {
    QString prompt;
    QString title;
    QString defaultAnswer;
    QString refusal; // shown when the answer is not an angle in (−90, 90)
};

// An angle in degrees typed into an input box. Empty when the box is
// cancelled or left blank (the user asked for nothing), and when the answer
// is not a number strictly between −90 and 90, after its refusal message.
std::optional<double> askAngle(Dialogs& dialogs, const AngleQuestion& question);

} // namespace windows
