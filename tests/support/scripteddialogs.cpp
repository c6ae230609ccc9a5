#include "tests/support/scripteddialogs.h"

namespace testing_support {

std::optional<QString> ScriptedDialogs::input(const QString& prompt, const QString& title,
                                              const QString& defaultAnswer) {
    prompts << prompt;
    titles << title;
    defaults << defaultAnswer;
    if (answers_.empty())
        return std::nullopt; // an unscripted prompt is cancelled
    std::optional<QString> reply = answers_.front();
    answers_.pop_front();
    return reply;
}

} // namespace testing_support
