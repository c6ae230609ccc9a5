#include "windows/common/controls.h"

#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace windows {

WrappedButton::WrappedButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void WrappedButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect inside = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawText(inside, Qt::AlignCenter | Qt::TextWordWrap, text());
}

FormScrollBar::FormScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {
    setFocusPolicy(Qt::StrongFocus);
}

// Qt's own keys would move a horizontal scroll bar backwards: right lowers
// its value. The keys here work alike on both kinds of bar.
void FormScrollBar::keyPressEvent(QKeyEvent* event) {
    SliderAction action = SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: action = SliderSingleStepSub; break;
    case Qt::Key_Right:
    case Qt::Key_Down: action = SliderSingleStepAdd; break;
    case Qt::Key_PageUp: action = SliderPageStepSub; break;
    case Qt::Key_PageDown: action = SliderPageStepAdd; break;
    case Qt::Key_Home: action = SliderToMinimum; break;
    case Qt::Key_End: action = SliderToMaximum; break;
    default: QScrollBar::keyPressEvent(event); return;
    }
    triggerAction(action);
    event->accept();
}

QScrollBar* makeScrollBar(Qt::Orientation orientation, const BarDesign& design) {
    auto* bar = new FormScrollBar(orientation);
    bar->setRange(design.min, design.max);
    bar->setSingleStep(design.smallChange);
    bar->setPageStep(design.largeChange);
    bar->setValue(design.value);
    bar->setTracking(false);
    return bar;
}

void setQuietly(QScrollBar* bar, int value) {
    const QSignalBlocker quiet(bar);
    bar->setValue(value);
}

void setQuietly(QAbstractButton* button, bool checked) {
    const QSignalBlocker quiet(button);
    button->setChecked(checked);
}

QLabel* makeLabel(const QString& caption, const QFont& font) {
    auto* label = new QLabel(caption);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void setBoxText(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setCursorPosition(0);
}

} // namespace windows
