#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace shell {

// Qt's own texts (the file and print dialogs, the buttons of message and
// input boxes) in the language of locale, from the translations Qt ships,
// for as long as this lives. The program's own captions are never
// translated, and its windows keep their left-to-right layout.
class QtTranslations {
  public:
    explicit QtTranslations(const QLocale& locale);

    // The translation file in use; empty where Qt ships none for locale.
    QString file() const { return translator_.filePath(); }

  private:
    QTranslator translator_;
};

} // namespace shell
