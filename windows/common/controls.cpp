#include "windows/common/controls.h"

#include <QPainter>
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

QScrollBar* makeScrollBar(Qt::Orientation orientation, int min, int max, int largeChange,
                          int value) {
    auto* bar = new QScrollBar(orientation);
    bar->setRange(min, max);
    bar->setSingleStep(1);
    bar->setPageStep(largeChange);
    bar->setValue(value);
    bar->setTracking(false);
    return bar;
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
