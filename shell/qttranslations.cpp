#include "shell/qttranslations.h"

#include <QGuiApplication>
#include <QLibraryInfo>

namespace shell {

QtTranslations::QtTranslations(const QLocale& locale) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // qtbase holds the dialogs' texts (the older qt_ catalogues some
    // languages have alone translate none of them); where Qt has none, the
    // program may bring its own.
    if (translator_.load(locale, "qtbase", "_", folder) ||
        translator_.load(locale, "qtbase", "_", ":/translations"))
        QCoreApplication::installTranslator(&translator_);
    // A right-to-left translation would mirror every window the designer
    // laid out.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

} // namespace shell
