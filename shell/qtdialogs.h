#pragma once

#include "windows/common/dialogs.h"

namespace shell {

// Real modal boxes, titled with the program's title.
class QtDialogs : public windows::Dialogs {
  public:
    void message(const QString& text) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultAnswer) override;
    std::optional<QString> saveFileName(const windows::FileQuestion& question) override;
    std::optional<QString> openFileName(const windows::FileQuestion& question) override;
    bool choosePrinter(QPrinter& printer) override;
    void beep() override;
};

} // namespace shell
