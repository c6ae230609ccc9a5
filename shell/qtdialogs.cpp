#include "shell/qtdialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace shell {

namespace {

std::optional<QString> askForFile(const windows::FileQuestion& question,
                                  QFileDialog::AcceptMode mode) {
    QFileDialog dialog(QApplication::activeWindow(), question.title, question.path,
                       question.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(question.suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

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

std::optional<QString> QtDialogs::saveFileName(const windows::FileQuestion& question) {
    return askForFile(question, QFileDialog::AcceptSave);
}

std::optional<QString> QtDialogs::openFileName(const windows::FileQuestion& question) {
    return askForFile(question, QFileDialog::AcceptOpen);
}

bool QtDialogs::choosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::beep() {
    QApplication::beep();
}

} // namespace shell
