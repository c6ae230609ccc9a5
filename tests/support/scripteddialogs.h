#pragma once

#include "windows/common/dialogs.h"

#include <QStringList>

#include <deque>
#include <vector>

namespace testing_support {

// Records every message and answers every prompt from a script, so that no
// test ever blocks on a modal box.
class ScriptedDialogs : public windows::Dialogs {
  public:
    void message(const QString& text) override { messages << text; }
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultAnswer) override;

    std::optional<QString> saveFileName(const windows::FileQuestion& question) override;
    std::optional<QString> openFileName(const windows::FileQuestion& question) override;
    // Prints into the PDF file scripted, if any.
    bool choosePrinter(QPrinter& printer) override;
    void beep() override { ++beeps; }

    // The next prompt gets this answer; nullopt is Cancel.
    void answer(std::optional<QString> reply) { answers_.push_back(std::move(reply)); }
    // The next file dialog chooses this file; nullopt is Cancel.
    void chooseFile(std::optional<QString> path) { files_.push_back(std::move(path)); }
    // The next print dialog prints into this PDF file; nullopt is Cancel.
    void printInto(std::optional<QString> pdf) { printers_.push_back(std::move(pdf)); }

    QStringList messages;
    QStringList prompts;
    QStringList titles;
    QStringList defaults;
    std::vector<windows::FileQuestion> fileQuestions;
    int beeps = 0;

  private:
    std::deque<std::optional<QString>> answers_;
    std::deque<std::optional<QString>> files_;
    std::deque<std::optional<QString>> printers_;
};

} // namespace testing_support
