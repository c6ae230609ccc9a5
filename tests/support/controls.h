#pragma once

#include "windows/common/timer.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <stdexcept>
#include <string>

// A window's control of that type found by its name on the form, as a user
// finds it; a name the window lacks fails the test that asked.
template <class Control> struct ControlByName {
    Control* operator()(const QObject& window, const char* name) const {
        if (auto* found = window.findChild<Control*>(QString::fromLatin1(name)))
            return found;
        throw std::invalid_argument(std::string("no control named ") + name);
    }
};

inline constexpr ControlByName<QScrollBar> scrollBar;
inline constexpr ControlByName<QLineEdit> textBox;
inline constexpr ControlByName<QCheckBox> checkBox;
inline constexpr ControlByName<QRadioButton> optionButton;
inline constexpr ControlByName<QLabel> formLabel;
inline constexpr ControlByName<QPushButton> commandButton;
inline constexpr ControlByName<QAction> menuItem;
inline constexpr ControlByName<windows::FormTimer> formTimer;
