#pragma once

#include <QLineEdit>
#include <QPushButton>

namespace windows {

// A command button whose caption wraps onto as many lines as its width
// needs, as the designer's buttons do.
class WrappedButton : public QPushButton {
    Q_OBJECT
  public:
    explicit WrappedButton(const QString& caption, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// Writes a text box's text and shows it from its first character, however
// long it is.
void setBoxText(QLineEdit* box, const QString& text);

} // namespace windows
