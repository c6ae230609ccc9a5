#pragma once

#include "windows/common/setupvalues.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>

namespace windows {

class Dialogs;

// A command button whose caption wraps onto as many lines as its width
// needs, as the designer's buttons do.
class WrappedButton : public QPushButton {
    Q_OBJECT
  public:
    explicit WrappedButton(const QString& caption, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A scroll bar as the designer's: it takes the focus, and a focused bar
// moves by SmallChange with the arrow keys (left and up lower the value,
// right and down raise it), by LargeChange with Page Up and Page Down, and
// to Min and Max with Home and End. A focused bar shows the focus frame.
class FormScrollBar : public QScrollBar {
    Q_OBJECT
  public:
    explicit FormScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// A scroll bar with the designer's range, steps and start value. Its value
// changes when the thumb is let go, not at every step of a drag, so a drag
// redraws a picture once; each key changes it at once.
QScrollBar* makeScrollBar(Qt::Orientation orientation, const BarDesign& design);

// A set-up's value given without the control's signal: its handler would set
// other controls and draw at each step; the window applying a set-up writes
// what the handlers would have written and draws once.
void setQuietly(QScrollBar* bar, int value);
void setQuietly(QAbstractButton* button, bool checked);

// What a scroll bar sets at one of its values, in its window's units.
using BarValueText = std::function<QString(int value)>;
QString wholeNumber(int value);
QString hundredths(int value); // an index of refraction: the value / 100

// The number a window shows for a bar's value, in the window's units.
double inUnits(int value, const BarDesign& design);
// And back: the bar's value for a number typed in those units (the
// locale's decimal separator or '.'), the nearest step held in the bar's
// range. Empty for anything that is not a finite number.
std::optional<int> typedValue(const QString& typed, const BarDesign& design);

// A text box that shows one bar's value takes a number typed in the
// window's units and Enter: the bar moves to it, and its Change handler runs
// as after a mouse move. Anything else typed is refused with a beep. Either
// way, and on Escape or when the focus leaves, the box shows again what the
// window last wrote into it.
void takeTypedValues(QLineEdit* box, QScrollBar* bar, const BarDesign& design, Dialogs& dialogs);

// Gives a scroll bar its accessible name, and a tooltip that says that name
// with what the bar sets now: "name = value". The tooltip follows the bar as
// it moves, its thumb dragged as well, and is worked out again when it
// shows, since a value in the window's units may depend on its size.
void nameScrollBar(QScrollBar* bar, const QString& name, BarValueText valueText = wholeNumber);

// Gives each control its name on the form as its object name, by which it
// can be found in the window.
void nameObjects(std::initializer_list<std::pair<QObject*, const char*>> controls);

// A label whose caption wraps from its top left corner, as the designer's
// labels do, in the given font.
QLabel* makeLabel(const QString& caption, const QFont& font);

// Writes a text box's text and shows it from its first character, however
// long it is.
void setBoxText(QLineEdit* box, const QString& text);

} // namespace windows
