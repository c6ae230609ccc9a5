#pragma once

#include <QString>

#include <optional>

class QPrinter;

namespace windows {

// What a file dialog asks: its title, the file it starts at (a folder and a
// name), the kinds of file it lists ("PNG (*.png)") and the suffix a name
// typed without one gets ("png").
struct FileQuestion {
    QString title;
    QString path;
    QString filter;
    QString suffix;
};

// A file in folder (the current one when empty) named after stem and
// today's date, as a save dialog first offers it: "lentoi-2026-12-09.png".
QString datedFilePath(const QString& folder, const QString& stem, const QString& suffix);

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
    // The file to write or to read; empty when cancelled. Saving asks before
    // a file is replaced.
    virtual std::optional<QString> saveFileName(const FileQuestion& question) = 0;
    virtual std::optional<QString> openFileName(const FileQuestion& question) = 0;
    // The print dialog, which sets up the printer; false when cancelled.
    virtual bool choosePrinter(QPrinter& printer) = 0;
    // The platform's warning sound, for input refused without a word.
    virtual void beep() = 0;
};

} // namespace windows
