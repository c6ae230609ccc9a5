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

// A window manager frames a window only once it is shown, and frames it anew
// when it is no longer maximised. The first time a new frame is known, the
// window is placed again as it was asked for, now with that frame; and a
// frame larger than the screen's free area is made to fit it. Otherwise the
// user's own moves and sizes are left alone.
void FormWindow::keepFrameOnScreen() {
    if (!isVisible() || (windowState() & ~Qt::WindowActive) != Qt::WindowNoState)
        return;
    const QMargins frame = frameMarginsNow();
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    if (wantedFrame_ && frame != sizedForMargins_) {
        sizedForMargins_ = frame;
        resize(std::max(1, wantedFrame_->width - frameWidth),
               std::max(1, wantedFrame_->height - frameHeight));
        move(wantedFrame_->left, wantedFrame_->top);
        return;
    }
    const ScreenArea area = screen().available();
    const int widest = std::max(1, area.width - frameWidth);
    const int highest = std::max(1, area.height - frameHeight);
    if (width() > widest || height() > highest)
        resize(std::min(width(), widest), std::min(height(), highest));
}

bool FormWindow::event(QEvent* event) {
    const bool done = QMainWindow::event(event);
    switch (event->type()) {
    case QEvent::Show:
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
