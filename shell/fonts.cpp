#include "shell/fonts.h"

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
}

} // namespace shell
