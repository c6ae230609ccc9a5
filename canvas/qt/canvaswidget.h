#pragma once

#include "canvas/controls.h"
#include "canvas/surface.h"

#include <QString>
#include <QWidget>

#include <deque>
#include <functional>

class QPainter;

namespace canvas {

// Mouse buttons and modifier bits as the windows' handlers receive them.
enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
enum ShiftMask { ShiftKey = 1, CtrlKey = 2, AltKey = 4 };

// The client area of a drawing window: shows the surface's persistent image,
// draws the line and shape controls above it, and reports mouse events in the
// surface's user scale. It owns nothing but the view and the controls.
//
// The image has the resolution of the screen the widget is on: when the
// widget moves to a screen with another device pixel ratio, or the window
// system resizes it, the surface is made anew and surfaceReset asks the
// window to draw its picture again.
class CanvasWidget : public QWidget {
    Q_OBJECT
  public:
    explicit CanvasWidget(QWidget* parent = nullptr);

    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }

    // Controls live as long as the widget; the addresses stay valid.
    LineControl& addLine();
    ShapeControl& addShape();

    // Sizes the client area and its image at once, at the ratio of the
    // widget's screen. A hidden widget gets its resize event only when shown,
    // but a window draws before it is shown. The caller draws next, so this
    // raises no surfaceReset.
    void resizeClient(int widthPx, int heightPx);

    // Shows what was drawn since the last repaint (one update for the whole
    // image, however many primitives a handler drew).
    void Refresh();

    // The drawing as the widget shows it: the persistent image with the
    // overlay and the line and shape controls over it, at the surface's device resolution (the
    // image carries the device pixel ratio), and nothing of the widgets
    // placed on it.
    QImage picture() const;

    // The drawing at another device pixel ratio, for a device finer than the
    // screen: draw is called with a surface of the same client area and
    // scale at that ratio in place of the widget's own, and the picture of
    // that surface is returned. The widget's own image is left as it was.
    QImage pictureAt(double ratio, const std::function<void()>& draw);

    // Painted over the image, beneath the line and shape controls, at every
    // repaint; never part of the persistent image.
    void setOverlay(std::function<void(QPainter&)> paint) { overlay_ = std::move(paint); }
    // Makes the image shown at every repaint, before anything is painted over
    // it, from the persistent image: writes every pixel of into (from's size,
    // format and ratio) and returns true, or leaves it and returns false to
    // show the persistent image as it is. A layer behind the picture gives
    // the pixels of the colours behind it its own; never part of the
    // persistent image.
    void setUnderlay(std::function<bool(const QImage& from, QImage& into)> composite) {
        underlay_ = std::move(composite);
    }

    // The wheel and the middle button move the view (wheelZoomed, panned)
    // instead of reaching the window's mouse handlers.
    void setZoomable(bool zoomable) { zoomable_ = zoomable; }
    // A short text in the bottom right corner over everything drawn, part of
    // the picture (the zoom); nothing when empty.
    void setCornerMark(const QString& text);

  signals:
    void mouseDown(int button, int shift, double x, double y);
    void mouseMove(int button, int shift, double x, double y);
    void mouseUp(int button, int shift, double x, double y);
    void clicked();
    // A handler has finished drawing and asked for the picture to be shown.
    void refreshed();
    // The surface was made anew for a new size or a new device pixel ratio;
    // what it showed is lost (or, after a resize, kept only in part).
    void surfaceReset();
    // The wheel turned by whole notches (up is positive) over the logical
    // pixel (px, py).
    void wheelZoomed(long long notches, double px, double py);
    // A drag with the middle button moved the pointer by (dx, dy) logical
    // pixels; panFinished when the button is let go.
    void panned(double dx, double dy);
    void panFinished();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    // Gives the surface the ratio of the widget's screen; true when that
    // made the surface anew.
    bool adoptScreenRatio();
    // The surface's pixels as an image, without a copy: valid until the
    // surface is next reallocated.
    QImage surfaceImage() const;
    // The underlay's image in frame_, if it made one.
    bool underlaid() const;
    void paintControls(QPainter& painter) const;
    void paintOver(QPainter& painter) const;
    void paintCornerMark(QPainter& painter) const;
    // Gives the surface a new size, if it has another one, and says so.
    void resizeSurface(int widthPx, int heightPx);
    void report(QMouseEvent* event, void (CanvasWidget::*signal)(int, int, double, double));

    Surface surface_;
    std::deque<LineControl> lines_;
    std::deque<ShapeControl> shapes_;
    std::function<void(QPainter&)> overlay_;
    std::function<bool(const QImage&, QImage&)> underlay_;
    // The underlay's last image: written again in place at each repaint, so
    // that an animation's frame neither copies the persistent image first
    // nor takes fresh memory; picture() hands it over.
    mutable QImage frame_;
    bool pressed_ = false;
    bool zoomable_ = false;
    bool panning_ = false;
    QPointF panFrom_;
    long long wheelEighths_ = 0; // of a degree, not yet a whole notch
    QString cornerMark_;
};

// VB-style button and shift values of a Qt mouse event.
int buttonValue(Qt::MouseButtons buttons);
int shiftValue(Qt::KeyboardModifiers modifiers);

} // namespace canvas
