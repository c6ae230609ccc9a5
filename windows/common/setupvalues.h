#pragma once

// The plain values a window's set-up is made of. No Qt here: the set-up
// file reader works on Qt Core alone.

#include "canvas/view.h"

namespace windows {

// A point in the user units of its window, y upwards. It belongs to no
// ranged control and may be any finite number: the drawing clips whatever
// falls off the window.
struct SetupPoint {
    double x = 0;
    double y = 0;
    bool operator==(const SetupPoint&) const = default;
};

// A blade of a diaphragm or of the stop: its x and its inner end Y2. The
// outer end is always the window's top or bottom edge, so it is not kept.
struct SetupBlade {
    double x = 0;
    double Y2 = 0;
    bool operator==(const SetupBlade&) const = default;
};

// The angle of a parallel bundle or beam to the axis, in degrees. A right
// angle or more runs the light along or against the axis's normal, which
// no prompt offers: only −90 < φ < 90 is an angle of the light (NaN is not).
constexpr bool isLightAngle(double degrees) {
    return degrees > -90 && degrees < 90;
}

// The zoom and pan of a window's drawing over its own scale.
using SetupView = canvas::View;

// A scroll bar as the designer left it: its range, steps and start value,
// and its rectangle on the client area in twips. The window makes the bar
// from it, a set-up starts from its value and a set-up file is held in its
// range. The number the window shows for it is its value over stepsPerUnit
// (100 for an index of refraction shown as n), and a number typed for it
// goes back the same way.
struct BarDesign {
    int min, max, smallChange, largeChange, value;
    int left, top, width, height;
    int stepsPerUnit = 1;
};

// A scroll bar's field in a set-up S: its name, the bar's design and the
// member that holds its value.
template <class S> struct BarField {
    const char* name;
    BarDesign design;
    int S::*value;
};

} // namespace windows
