#include "windows/common/controls.h"

#include "windows/common/dialogs.h"
#include "windows/common/numbers.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOption>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

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

// Qt's styles draw no focus on a scroll bar, although it takes the keys. The
// frame is the style's, and round it a line of the highlight colour one
// logical pixel wide (as many device pixels as the ratio gives), which every
// style shows.
void FormScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
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

QString wholeNumber(int value) {
    return formatWhole(value);
}

QString hundredths(int value) {
    return formatTwoDecimals(value / 100.0);
}

namespace {

// Keeps its bar's tooltip in step with the bar and with its accessible name,
// the one home of the words.
class BarTip : public QObject {
  public:
    BarTip(QScrollBar* bar, BarValueText valueText)
        : QObject(bar), bar_(bar), valueText_(std::move(valueText)) {
        connect(bar, &QScrollBar::valueChanged, this, &BarTip::update);
        connect(bar, &QScrollBar::sliderMoved, this, &BarTip::update);
        bar->installEventFilter(this);
        update();
    }

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::ToolTip)
            update();
        return false;
    }

  private:
    void update() {
        bar_->setToolTip(bar_->accessibleName() + " = " + valueText_(bar_->sliderPosition()));
    }

    QScrollBar* bar_;
    BarValueText valueText_;
};

} // namespace

double inUnits(int value, const BarDesign& design) {
    return static_cast<double>(value) / design.stepsPerUnit;
}

std::optional<int> typedValue(const QString& typed, const BarDesign& design) {
    const std::optional<double> number = parseNumber(typed);
    if (!number)
        return std::nullopt;
    // Held in the range before it is rounded: a huge number has no int.
    const double steps =
        std::clamp(*number * design.stepsPerUnit, double(design.min), double(design.max));
    return static_cast<int>(std::lround(steps));
}

namespace {

// Watches a box for Enter, Escape and the focus leaving. What the window
// writes into the box is its text; what the user types is not, until the
// bar has taken it.
class TypedValue : public QObject {
  public:
    TypedValue(QLineEdit* box, QScrollBar* bar, const BarDesign& design, Dialogs& dialogs)
        : QObject(box), box_(box), bar_(bar), design_(design), dialogs_(dialogs),
          shown_(box->text()) {
        // setText leaves a box unmodified; typing, pasting or undoing there
        // modifies it.
        connect(box, &QLineEdit::textChanged, this, [this](const QString& text) {
            if (!box_->isModified())
                shown_ = text;
        });
        box->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            restore();
            return false;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            restore();
            return true;
        }
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        const std::optional<int> value = typedValue(box_->text(), design_);
        // The window's text comes back first: a handler the bar runs then
        // writes the new one.
        restore();
        if (value)
            bar_->setValue(*value);
        else
            dialogs_.beep();
        return true;
    }

  private:
    void restore() {
        if (box_->text() != shown_ || box_->isModified())
            setBoxText(box_, shown_);
    }

    QLineEdit* box_;
    QScrollBar* bar_;
    BarDesign design_;
    Dialogs& dialogs_;
    QString shown_;
};

} // namespace

void takeTypedValues(QLineEdit* box, QScrollBar* bar, const BarDesign& design, Dialogs& dialogs) {
    new TypedValue(box, bar, design, dialogs);
}

void nameScrollBar(QScrollBar* bar, const QString& name, BarValueText valueText) {
    bar->setAccessibleName(name);
    new BarTip(bar, std::move(valueText));
}

void nameObjects(std::initializer_list<std::pair<QObject*, const char*>> controls) {
    for (auto [control, name] : controls)
        control->setObjectName(name);
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
