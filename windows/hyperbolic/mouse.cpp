#include "windows/hyperbolic/elsahl.h"

#include "windows/common/blades.h"

#include <algorithm>
#include <cmath>

namespace windows {

namespace {

enum Pointer { ArrowPointer = 1, CrossPointer = 2 };

bool within(double v, double low, double high) {
    return low <= v && v <= high;
}

bool finitePoint(double x, double y) {
    return std::isfinite(x) && std::isfinite(y);
}

// How far from a blade a press still takes it: a 120th of the drawing as
// shown each way, whatever the zoom.
double reachX(const canvas::Surface& view) {
    return view.ViewWidth() / 120;
}
double reachY(const canvas::Surface& view) {
    return std::abs(view.ViewHeight()) / 120;
}

} // namespace

bool ElSahl::onLine1(double x, double y) const {
    const double tx = reachX(surface()), ty = reachY(surface());
    return within(x, Line1.X1 - tx, Line1.X1 + tx) && within(y, Line1.Y2 - ty, Line1.Y1 + ty);
}

bool ElSahl::onLine2(double x, double y) const {
    const double tx = reachX(surface()), ty = reachY(surface());
    return within(x, Line2.X1 - tx, Line2.X1 + tx) && within(y, Line2.Y1 - ty, Line2.Y2 + ty);
}

void ElSahl::Form_MouseDown(int /*button*/, int /*shift*/, double x, double y) {
    // A position that is no point of the plane can neither take a blade nor
    // place the source.
    if (!finitePoint(x, y))
        return;
    state_.monokymata = false;
    setSahlScale();
    if (onLine1(x, y)) {
        dragLine1 = true;
        return;
    }
    if (onLine2(x, y)) {
        dragLine2 = true;
        return;
    }
    if (!guardedAxis(kIndexRefusal))
        return;
    state_.shared.pigiX = x;
    state_.shared.pigiY = y;
    showPointSource(state_.amfikyrtos, x, y);
}

void ElSahl::Form_MouseMove(int /*button*/, int /*shift*/, double x, double y) {
    const bool onStop = onLine1(x, y) || dragLine1 || onLine2(x, y) || dragLine2;
    showPointer(onStop ? CrossPointer : ArrowPointer);
}

void ElSahl::showPointer(int shape) {
    mousePointer_ = shape;
    canvasWidget().setCursor(shape == CrossPointer ? Qt::CrossCursor : Qt::ArrowCursor);
}

void ElSahl::Form_MouseUp(int /*button*/, int /*shift*/, double x, double y) {
    setSahlScale();
    if (!dragLine1 && !dragLine2)
        return;
    // The mouse is captured during a drag, so a release outside the window
    // reports a point outside the scale. The blades are kept on the window's
    // edge there: a blade left outside could never be taken again.
    const canvas::Surface& view = surface();
    const double left = view.ScaleLeft(), top = view.ScaleTop();
    const double right = left + view.ScaleWidth(), bottom = top + view.ScaleHeight();
    if (std::isnan(x) || std::isnan(y)) {
        dragLine1 = dragLine2 = false; // no place to drop at: the blades stay
        return;
    }
    x = std::clamp(x, left, right);
    y = std::clamp(y, bottom, top);
    if (dragLine1)
        dropUpperBlade(x, y);
    else
        dropLowerBlade(x, y);
    canvasWidget().Refresh();
    if (guardedAxis(kIndexRefusal))
        showPointSource(state_.amfikyrtos, state_.shared.pigiX, state_.shared.pigiY);
}

void ElSahl::dropUpperBlade(double x, double y) {
    blades::dropUpper(Line1, Line2, surface(), x, y);
    dragLine1 = false;
}

void ElSahl::dropLowerBlade(double x, double y) {
    blades::dropLower(Line1, Line2, surface(), x, y);
    dragLine2 = false;
}

} // namespace windows
