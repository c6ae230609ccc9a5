#include "windows/single_ray/moniaktina.h"

#include <cmath>

namespace windows {

namespace {

// Where a shape control sits on the client area, in pixels from its top left
// corner: what stays when the scale changes under it.
struct PixelBox {
    double left, top, width, height;
};

PixelBox pixelBoxOf(const canvas::Surface& view, const canvas::ShapeControl& shape) {
    return {view.toPixelX(shape.Left), view.toPixelY(shape.Top), view.ScaleX(shape.Width),
            view.ScaleY(shape.Height)};
}

void placeAt(const canvas::Surface& view, canvas::ShapeControl& shape, const PixelBox& box) {
    const canvas::UserPoint corner = view.toUser(box.left, box.top);
    shape.Left = corner.x;
    shape.Top = corner.y;
    shape.Width = box.width / view.ScaleX(1);
    shape.Height = box.height / view.ScaleY(1);
}

} // namespace

void Moniaktina::sizeToScreen() {
    const PixelBox mark = pixelBoxOf(surface(), fos);
    fillAvailableArea();
    setCentredScale();
    // The mark keeps its place on the window; only its numbers change.
    placeAt(surface(), fos, mark);
    canvasWidget().Refresh();
}

// A new client area gets the scale for its size; the mark keeps its place in
// the scale and its size on the screen, and the picture is drawn again.
void Moniaktina::redrawPicture() {
    const canvas::UserPoint corner{fos.Left, fos.Top};
    setCentredScale();
    placeAt(
        surface(), fos,
        {surface().toPixelX(corner.x), surface().toPixelY(corner.y), markSidePx(), markSidePx()});
    drawPicture(picture_);
}

// Every ray starts at the mark's centre, so the mark keeps its size in the
// scale when the view zooms: its side in pixels grows with the zoom.
double Moniaktina::markSidePx() const {
    return kMarkSizeTwips / screen().twipsPerPixel() * zoomView().zoom();
}

void Moniaktina::placeSourceAtLayout() {
    const double perPixel = screen().twipsPerPixel();
    placeAt(surface(), fos,
            {kMarkLeftTwips / perPixel, kMarkTopTwips / perPixel, markSidePx(), markSidePx()});
}

bool Moniaktina::isLayoutPlace(double left, double top) const {
    const double perPixel = screen().twipsPerPixel();
    constexpr double kClosePx = 1e-3;
    return std::abs(surface().toPixelX(left) - kMarkLeftTwips / perPixel) < kClosePx &&
           std::abs(surface().toPixelY(top) - kMarkTopTwips / perPixel) < kClosePx;
}

canvas::UserPoint Moniaktina::sourceCentre() const {
    // Top is the mark's upper edge whichever way the scale's y runs, so the
    // centre lies half a height below it on the screen.
    const double down = surface().ScaleHeight() < 0 ? -1 : 1;
    return {fos.Left + fos.Width / 2, fos.Top + down * fos.Height / 2};
}

} // namespace windows
