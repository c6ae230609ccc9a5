#include "windows/common/formwindow.h"

#include <QEvent>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QWindow>

#include <algorithm>

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
    sizedForMargins_ = frameMarginsNow();
    sizedClient_ = clientFor(outer, sizedForMargins_);
    sizeWindow(sizedClient_.width(), sizedClient_.height());
    move(outer.left, outer.top); // the frame's corner
}

QSize FormWindow::clientFor(const ScreenArea& outer, const QMargins& frame) {
    return {std::max(1, outer.width - frame.left() - frame.right()),
            std::max(1, outer.height - frame.top() - frame.bottom())};
}

// A window manager frames a window only once it is shown, and frames it anew
// when it is no longer maximised; the frame's size may become known only a
// moment after the window has its place. While the window still has the
// size it was given, it is placed again as asked for, with the frame it now
// has. Whatever its size, a frame larger than the screen's free area is made
// to fit it; the user's own moves and sizes are otherwise left alone.
void FormWindow::keepFrameOnScreen() {
    if (!isVisible() || (windowState() & ~Qt::WindowActive) != Qt::WindowNoState)
        return;
    const QMargins frame = frameMarginsNow();
    // A busy window manager may frame the window well after the last event
    // (a window no longer maximised came back too large under load): while
    // no frame has come, it looks again for a few seconds. With no window
    // manager there is never a frame, and it then stops.
    constexpr int kUnframedChecks = 20;
    if (frame.isNull() && unframedChecks_ < kUnframedChecks) {
        ++unframedChecks_;
        frameCheck_.start();
    }
    if (wantedFrame_ && frame != sizedForMargins_ && size() == sizedClient_) {
        sizedForMargins_ = frame;
        sizedClient_ = clientFor(*wantedFrame_, frame);
        resize(sizedClient_);
        move(wantedFrame_->left, wantedFrame_->top);
        return;
    }
    const ScreenArea area = screen().available();
    const QSize largest = clientFor(area, frame);
    if (width() <= largest.width() && height() <= largest.height())
        return;
    // Too large a window is also out of place: it goes where it fits.
    const QSize fitting = size().boundedTo(largest);
    const QPoint corner = frameGeometry().topLeft();
    resize(fitting);
    move(std::clamp(corner.x(), area.left, area.left + largest.width() - fitting.width()),
         std::clamp(corner.y(), area.top, area.top + largest.height() - fitting.height()));
}

// A window manager may withdraw a hidden window's maximised state (openbox
// does when the window is hidden before it has managed it), and the window
// would come back unmaximised. No user can change the state of a hidden
// window: it shows again as the program hid it.
void FormWindow::keepStateWhileHidden(const QEvent& event) {
    if (event.type() == QEvent::Hide && !event.spontaneous())
        hiddenState_ = windowState() & ~Qt::WindowActive;
    else if (event.type() == QEvent::Show)
        hiddenState_.reset();
    else if (event.type() == QEvent::WindowStateChange && hiddenState_ && !isVisible() &&
             (*hiddenState_ & Qt::WindowMaximized) && !(windowState() & Qt::WindowMaximized))
        setWindowState(windowState() | Qt::WindowMaximized);
}

// The window manager's frame shows in no event of its own: the window looks
// again a moment after each change of its place, size or state.
bool FormWindow::event(QEvent* event) {
    const bool done = QMainWindow::event(event);
    keepStateWhileHidden(*event);
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        unframedChecks_ = 0;
        keepFrameOnScreen();
        frameCheck_.start();
        break;
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
    setOwnScale(-600 * w / s, 600 * h / s, 600 * w / s, -600 * h / s);
}

double FormWindow::clientWidthTwips() const {
    return canvas_->width() * screen().twipsPerPixel();
}

double FormWindow::clientHeightTwips() const {
    return canvas_->height() * screen().twipsPerPixel();
}

} // namespace windows
