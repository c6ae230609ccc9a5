#include "tests/support/scripteddialogs.h"

#include <QPrinter>

namespace testing_support {

namespace {

// The next scripted answer; an unscripted box is cancelled.
std::optional<QString> next(std::deque<std::optional<QString>>& script) {
    if (script.empty())
        return std::nullopt;
    const std::optional<QString> reply = std::move(script.front());
    script.pop_front();
    return reply;
}

} // namespace

std::optional<QString> ScriptedDialogs::input(const QString& prompt, const QString& title,
                                              const QString& defaultAnswer) {
    prompts << prompt;
    titles << title;
    defaults << defaultAnswer;
    return next(answers_);
}

std::optional<QString> ScriptedDialogs::saveFileName(const windows::FileQuestion& question) {
    fileQuestions.push_back(question);
    return next(files_);
}

std::optional<QString> ScriptedDialogs::openFileName(const windows::FileQuestion& question) {
    fileQuestions.push_back(question);
    return next(files_);
}

bool ScriptedDialogs::choosePrinter(QPrinter& printer) {
    const std::optional<QString> pdf = next(printers_);
    if (!pdf)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*pdf);
    return true;
}

} // namespace testing_support
