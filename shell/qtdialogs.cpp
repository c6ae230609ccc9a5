#include "shell/qtdialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace shell {

void QtDialogs::message(const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), text,
                             QMessageBox::Ok);
}

std::optional<QString> QtDialogs::input(const QString& prompt, const QString& title,
                                        const QString& defaultAnswer) {
    bool ok = false;
    const QString shownTitle = title.isEmpty() ? QApplication::applicationName() : title;
    const QString answer = QInputDialog::getText(QApplication::activeWindow(), shownTitle, prompt,
                                                 QLineEdit::Normal, defaultAnswer, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

} // namespace shell
