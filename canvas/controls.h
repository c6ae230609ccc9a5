#pragma once

#include "canvas/color.h"

namespace canvas {

// The lightweight line control: drawn above the persistent image, in the
// window's user scale, untouched by Cls.
struct LineControl {
    double X1 = 0;
    double Y1 = 0;
    double X2 = 0;
    double Y2 = 0;
    Color BorderColor = colors::black;
    int BorderWidth = 1;
    bool Visible = true;
};

// The lightweight shape control, here always a circle inside its box. Left and
// Top are the user coordinates of the box's upper left corner; Width and Height
// its extents in user units (both positive).
struct ShapeControl {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    Color BorderColor = colors::black;
    bool Filled = false;
    Color FillColor = colors::black;
    bool Visible = true;
};

} // namespace canvas
