#pragma once

#include "windows/common/dialogs.h"

#include <QStringList>

#include <deque>

namespace testing_support {

// Records every message and answers every prompt from a script, so that no
// test ever blocks on a modal box.
class ScriptedDialogs : public windows::Dialogs {
  public:
    void message(const QString& text) override { messages << text; }
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultAnswer) override;

    // The next prompt gets this answer; nullopt is Cancel.
    void answer(std::optional<QString> reply) { answers_.push_back(std::move(reply)); }

    QStringList messages;
    QStringList prompts;
    QStringList titles;
    QStringList defaults;

  private:
    std::deque<std::optional<QString>> answers_;
};

} // namespace testing_support
