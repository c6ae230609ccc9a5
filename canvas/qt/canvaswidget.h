#pragma once

#include "canvas/controls.h"
#include "canvas/surface.h"

#include <QWidget>

#include <deque>

namespace canvas {

// Mouse buttons and modifier bits as the windows' handlers receive them.
enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
enum ShiftMask { ShiftKey = 1, CtrlKey = 2, AltKey = 4 };

// The client area of a drawing window: shows the surface's persistent image,
// draws the line and shape controls above it, and reports mouse events in the
// surface's user scale. It owns nothing but the view and the controls.
class CanvasWidget : public QWidget {
    Q_OBJECT
  public:
    explicit CanvasWidget(QWidget* parent = nullptr);

    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }

    // Controls live as long as the widget; the addresses stay valid.
    LineControl& addLine();
    ShapeControl& addShape();

    // Sizes the client area and its image at once. A hidden widget gets its
    // resize event only when shown, but a window draws before it is shown.
    void resizeClient(int widthPx, int heightPx);

    // Shows what was drawn since the last repaint (one update for the whole
    // image, however many primitives a handler drew).
    void Refresh();

  signals:
    void mouseDown(int button, int shift, double x, double y);
    void mouseMove(int button, int shift, double x, double y);
    void mouseUp(int button, int shift, double x, double y);
    void clicked();
    // The surface was made anew for a new size: its old pixels no longer
    // fit the scale, and the window draws its picture again.
    void surfaceReset();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void paintControls(class QPainter& painter) const;
    // Gives the surface a new size, if it has another one, and says so.
    void resizeSurface(int widthPx, int heightPx);
    void report(QMouseEvent* event, void (CanvasWidget::*signal)(int, int, double, double));

    Surface surface_;
    std::deque<LineControl> lines_;
    std::deque<ShapeControl> shapes_;
    bool pressed_ = false;
};

// VB-style button and shift values of a Qt mouse event.
int buttonValue(Qt::MouseButtons buttons);
int shiftValue(Qt::KeyboardModifiers modifiers);

} // namespace canvas
