#pragma once

#include "windows/common/lensdatacontent.h"

#include <QWidget>

#include <functional>

namespace canvas {
class CanvasWidget;
}

namespace windows {

// The lens-data panel: a small table in the bottom left corner of a drawing
// window, hidden until asked for, with marks on the drawing at the places it
// names. It lies over the drawing like a label and takes its own clicks; the
// marks are painted over the picture at each repaint, never into it.
//
// What it shows comes from the window (content), worked out again after the
// window has drawn (the canvas's Refresh) once invalidate has said that the
// picture changed, and only while the panel shows.
class LensDataPanel : public QWidget {
    Q_OBJECT
  public:
    LensDataPanel(canvas::CanvasWidget& canvas, std::function<LensDataContent()> content);

    // F2: shows the panel, up to date, or hides it.
    void toggle();
    bool shown() const { return !isHidden(); }
    // What the window draws has changed since the content was worked out.
    void invalidate() { stale_ = true; }
    const LensDataContent& content() const { return content_; }

    // The panel in its own coordinates, from (0, 0): its paintEvent, and
    // pictures of the window that include it.
    void paint(QPainter& painter) const;
    // The marks, in the canvas's logical pixels; nothing while hidden.
    void paintMarks(QPainter& painter) const;
    // Both as the window shows them, for a picture of the canvas: the marks,
    // then the panel at its place. Nothing while hidden.
    void paintAtPlace(QPainter& painter) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refresh();
    void placeInCorner();
    QSize contentSize() const;

    canvas::CanvasWidget& canvas_;
    std::function<LensDataContent()> compute_;
    LensDataContent content_;
    bool stale_ = true;
};

} // namespace windows
