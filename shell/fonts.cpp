#include "shell/fonts.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

namespace shell {

void installFontSubstitutes() {
    const QStringList sans{"Liberation Sans", "Arimo", "DejaVu Sans"};
    const QStringList serif{"Liberation Serif", "Tinos", "DejaVu Serif"};
    QFont::insertSubstitutions("Arial", sans);
    QFont::insertSubstitutions("Arial Greek", sans);
    QFont::insertSubstitutions("Times New Roman", serif);
    QFont::insertSubstitutions("Times New Roman Greek", serif);
    QFont::insertSubstitutions("Times New  Roman Greek", serif);
    QFont::insertSubstitutions("Symbol", {"DejaVu Sans"});
    // Controls the designer gave no font use the desktop's small dialog font.
    QApplication::setFont(QFont("Arial", 8));
}

} // namespace shell
