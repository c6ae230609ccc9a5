#pragma once

#include "canvas/surface.h"

namespace canvas {

// A user scale as Surface::Scale takes it: the top left corner (x1, y1) and
// the bottom right one (x2, y2).
struct ScaleRect {
    double x1 = 0;
    double y1 = 0;
    double x2 = 1;
    double y2 = 1;
    bool operator==(const ScaleRect&) const = default;
};

// How a window's drawing is zoomed and panned over the window's own scale:
// a whole number of zoom steps of a quarter octave each, and where the
// middle of the view lies, in user units from the middle of the own scale.
// The zero view is the own scale itself.
struct View {
    static constexpr int kStepsPerOctave = 4;
    static constexpr int kLeastStep = -2 * kStepsPerOctave; // a quarter
    static constexpr int kMostStep = 4 * kStepsPerOctave;   // sixteen times

    int zoomStep = 0;
    UserPoint pan;

    double zoom() const;
    bool operator==(const View& other) const {
        return zoomStep == other.zoomStep && pan.x == other.pan.x && pan.y == other.pan.y;
    }
};

// The view held to what a window can show: its step within the zoom range,
// a pan that is a finite number no further than a few own scales away.
View clamped(const View& view, const ScaleRect& own);

// The scale of the client area under the view. The zero view gives the own
// scale exactly; a pan within a hair of the middle counts as none, so that a
// zoom in and out again about any point comes back to the very same scale.
ScaleRect viewScale(const ScaleRect& own, const View& view);

// The view zoomed by steps about the logical pixel (px, py) of a client area
// of widthPx by heightPx pixels: the user point under it stays there. A
// pixel that is no number zooms about the middle; the step is clamped.
View zoomedAbout(const ScaleRect& own, const View& view, long long steps, double px, double py,
                 int widthPx, int heightPx);

// The view with its picture moved by (dxPx, dyPx) logical pixels.
View panned(const ScaleRect& own, const View& view, double dxPx, double dyPx, int widthPx,
            int heightPx);

// A part of the plane given by its least and greatest x and y, whichever
// way the scale's axes run.
struct Bounds {
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
    // Edges included; NaN lies nowhere.
    bool contains(double x, double y) const {
        return xMin <= x && x <= xMax && yMin <= y && y <= yMax;
    }
    bool operator==(const Bounds&) const = default;
};

// Where a trace that runs to the window's edge has to reach: the surface's
// scale and the area it shows together. Zoomed out, that is the area shown,
// so rays run on to the edges of the zoomed drawing; zoomed in, it is the
// scale itself, and a trace is drawn just as at the own view, clipped.
Bounds traceReach(const Surface& surface);

// The end of a trace drawn from `from` towards `to` whose length is made to
// run it to the edge of the window's scale: while the trace reach is that
// scale, `to` itself; when a view shows more of the plane, the edge of the
// reach along the same line if that lies farther than `to`.
UserPoint reachingEnd(const Surface& surface, UserPoint from, UserPoint to);

} // namespace canvas
