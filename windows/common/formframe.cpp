#include "windows/common/formwindow.h"

#include <QEvent>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QWindow>

namespace windows {

void FormWindow::sizeWindow(int widthPx, int heightPx) {
    widthPx = std::max(1, widthPx);
    heightPx = std::max(1, heightPx);
    const QSignalBlocker quiet(canvas_);
    resize(widthPx, heightPx);
    // The layout runs only when the window is shown; the client area must
    // have its size now, because the scale is computed from it at once.
    canvas_->resizeClient(widthPx, heightPx - menuBarHeight());
}

void FormWindow::setClientSizeTwips(double widthTwips, double heightTwips) {
    sizeWindow(screen().toPixels(widthTwips), screen().toPixels(heightTwips));
}

void FormWindow::fillAvailableArea() {
    setFrameRect(screen().available());
    setWindowState(windowState() | Qt::WindowMaximized);
}

void FormWindow::setFrameRect(const ScreenArea& outer) {
    wantedFrame_ = outer;
    const QMargins frame = frameMarginsNow();
    sizedForMargins_ = frame;
    sizeWindow(outer.width - frame.left() - frame.right(),
               outer.height - frame.top() - frame.bottom());
    move(outer.left, outer.top); // the frame's corner
}

// A window manager frames a window only once it is shown; that frame, or a
// new one after the window is no longer maximised, is known from then on.
// The window is sized again once for each new frame, so that the frame fits;
// the user's own moves and sizes under a known frame are left alone.
void FormWindow::keepFrameOnScreen() {
    if (!wantedFrame_ || !isVisible() || (windowState() & ~Qt::WindowActive) != Qt::WindowNoState)
        return;
    const QMargins frame = frameMarginsNow();
    if (frame == sizedForMargins_)
        return;
    sizedForMargins_ = frame;
    const ScreenArea& outer = *wantedFrame_;
    resize(std::max(1, outer.width - frame.left() - frame.right()),
           std::max(1, outer.height - frame.top() - frame.bottom()));
    move(outer.left, outer.top);
}

bool FormWindow::event(QEvent* event) {
    const bool done = QMainWindow::event(event);
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange: keepFrameOnScreen(); break;
    default: break;
    }
    return done;
}

QMargins FormWindow::frameMarginsNow() const {
    const QWindow* window = windowHandle();
    return window ? window->frameMargins() : QMargins();
}

int FormWindow::menuBarHeight() const {
    const QWidget* bar = menuWidget();
    return bar ? bar->sizeHint().height() : 0;
}

void FormWindow::setCentredScale() {
    const double w = clientWidthTwips();
    const double h = clientHeightTwips();
    const double s = w + h;
    surface().Scale(-600 * w / s, 600 * h / s, 600 * w / s, -600 * h / s);
}

double FormWindow::clientWidthTwips() const {
    return canvas_->width() * screen().twipsPerPixel();
}

double FormWindow::clientHeightTwips() const {
    return canvas_->height() * screen().twipsPerPixel();
}

} // namespace windows
