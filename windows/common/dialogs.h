#pragma once

#include <QString>

#include <optional>

namespace windows {

// The modal boxes of the program. The Qt implementation shows real boxes;
// tests script the answers, so no test ever blocks.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A message box with only an OK button, titled with the program's title.
    virtual void message(const QString& text) = 0;
    // An input box; empty when cancelled.
    virtual std::optional<QString> input(const QString& prompt, const QString& title,
                                         const QString& defaultAnswer) = 0;
};

} // namespace windows
