#pragma once

#include "windows/common/dialogs.h"

#include <optional>
#include <utility>

// The boxes of a benchmark's program: every input box gets the one answer
// given (none: cancelled), messages go unseen, and no file or printer is
// ever chosen.
class BenchDialogs : public windows::Dialogs {
  public:
    explicit BenchDialogs(std::optional<QString> answer = std::nullopt)
        : answer_(std::move(answer)) {}

    void message(const QString&) override {}
    std::optional<QString> input(const QString&, const QString&, const QString&) override {
        return answer_;
    }
    std::optional<QString> saveFileName(const windows::FileQuestion&) override {
        return std::nullopt;
    }
    std::optional<QString> openFileName(const windows::FileQuestion&) override {
        return std::nullopt;
    }
    bool choosePrinter(QPrinter&) override { return false; }
    void beep() override {}

  private:
    std::optional<QString> answer_;
};
