#pragma once

#include "windows/common/formwindow.h"
#include "windows/lens_data/lensdatacontent.h"

#include <QFont>
#include <QImage>
#include <QStaticText>
#include <QWidget>

#include <functional>
#include <map>
#include <vector>

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
class LensDataPanel : public PictureOverlay {
    Q_OBJECT
  public:
    LensDataPanel(canvas::CanvasWidget& canvas, std::function<LensDataContent()> content,
                  const QString& caption = kLensDataCaption);

    // F2: shows the panel, up to date, or hides it.
    void toggle() override { setShown(!shown()); }
    // Also for a set-up that restores the panel with the picture.
    void setShown(bool shown);
    bool shown() const { return !isHidden(); }
    // What the window draws has changed since the content was worked out.
    void invalidate() { stale_ = true; }
    // The window's lens has changed without a drawing: the panel, if it
    // shows, shows the change at once.
    void renew() {
        invalidate();
        if (shown())
            refresh();
    }
    const LensDataContent& content() const { return content_; }

    // The panel in its own coordinates, from (0, 0), as its paintEvent
    // shows it: the frame and labels kept as an image between changes, the
    // numbers over it. A device of other dots per inch than the screen's
    // gives the numbers' font another size.
    void paintOnto(QPainter& painter);
    // The same, all painted afresh.
    void paint(QPainter& painter) const;
    // The marks, in the canvas's logical pixels; nothing while hidden.
    void paintMarks(QPainter& painter) const;
    // The panel at its place over the canvas, for a picture of it (the
    // canvas paints the marks itself). Nothing while hidden.
    void paintAtPlace(QPainter& painter) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A row as it is painted: its texts laid out once for each content
    // (the labels once for good), as a redraw comes with new numbers.
    struct Line {
        const QStaticText* label = nullptr;
        QStaticText value;
    };

    void refresh();
    void layOut();
    const QStaticText& labelText(const QString& label);
    void placeInCorner();
    void paintFrame(QPainter& painter) const;
    void paintValues(QPainter& painter) const;
    void paintPlot(QPainter& painter, int top) const;
    void paintNormal(QPainter& painter, const LensDataMark& mark, QPointF at) const;

    canvas::CanvasWidget& canvas_;
    std::function<LensDataContent()> compute_;
    LensDataContent content_;
    bool stale_ = true;
    QFont font_, captionFont_;
    QStaticText caption_;
    std::map<QString, QStaticText> labels_;
    std::vector<Line> lines_; // no label: a rule
    int lineHeightPx_ = 0;
    QImage frame_;         // the frame, caption, labels and rules as painted
    qreal frameRatio_ = 0; // the ratio frame_ was painted at; 0: paint it again
};

// Gives the window its panel; F2 shows and hides it.
LensDataPanel& addLensDataPanel(FormWindow& window, std::function<LensDataContent()> content,
                                const QString& caption = kLensDataCaption);
// The window's panel; nullptr on a window without one.
LensDataPanel* lensDataPanel(const FormWindow& window);

} // namespace windows
