#pragma once

#include "canvas/qt/canvaswidget.h"
#include "canvas/view.h"
#include "windows/common/host.h"

#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

class QAction;
class QFont;
class QKeySequence;
class QPainter;
class QScrollBar;

namespace windows {

// What a window shows over its drawing and counts as part of its picture (the
// lens-data panel): it lies there as a label does and takes its own clicks,
// and a key shows and hides it.
class PictureOverlay : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;
    virtual void toggle() = 0;
    // Paints it at its place over the canvas, for a picture of the window.
    // Nothing while hidden.
    virtual void paintAtPlace(QPainter& painter) = 0;
};

// A top-level window of the program: a menu bar over a drawing client area
// whose controls sit at their designer places, given in twips.
class FormWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit FormWindow(Host& host, QWidget* parent = nullptr);

    canvas::CanvasWidget& canvasWidget() { return *canvas_; }
    canvas::Surface& surface() { return canvas_->surface(); }
    const canvas::Surface& surface() const { return canvas_->surface(); }

    // Show brings an already visible window to the front and activates it.
    void Show();

    // The window's picture, as saved, copied and printed: exactly what its
    // drawing shows, the persistent image with the line and shape controls
    // over it, at the drawing's device resolution. Anything else the window
    // shows over its drawing and that belongs to the picture is painted
    // here too.
    QImage drawingImage() const;
    // The picture drawn again to fill a page of pageSize device pixels,
    // keeping its aspect: at the device pixel ratio that puts one pixel of
    // it on each printer dot (as far as the canvas draws), so its lines are
    // as sharp as the printer makes them. The window on the screen keeps
    // its image.
    QImage pictureForPage(QSize pageSize);
    // Ctrl+S saves the picture as a PNG file chosen in a file dialog, Ctrl+C
    // copies it to the clipboard, Ctrl+P prints it scaled to the page.
    void savePicture();
    void copyPicture();
    void printPicture();

    // A font as the designer gives it: family name and size in points.
    static QFont designerFont(const QString& family, double points);

    // What the window shows over its drawing; nullptr on a window without.
    PictureOverlay* overlay() const { return overlay_; }
    // Gives the window its overlay, stacked as the labels are, and the key
    // that shows and hides it.
    void addOverlay(PictureOverlay* overlay, const QKeySequence& key);

    // The zoom and pan of the drawing over the window's own scale. A new
    // view changes the scale and draws the picture again at it; the view
    // is held to the zoom range and a finite pan first.
    const canvas::View& zoomView() const { return view_; }
    void setZoomView(const canvas::View& view);
    // Zooms by steps about the logical pixel (px, py) of the drawing, which
    // keeps the user point under it; about the middle of the drawing.
    void zoomAbout(long long steps, double px, double py);
    void zoomAtMiddle(int steps);
    // Moves the picture by (dx, dy) logical pixels.
    void panBy(double dx, double dy);
    // The scale the window gives its drawing, the view aside.
    const canvas::ScaleRect& ownScale() const { return ownScale_; }

  protected:
    // The window manager's close button: each window says what it means.
    // The window itself is never destroyed, so no state is lost.
    virtual void closeRequested() { hide(); }
    void closeEvent(QCloseEvent* event) override;
    // Draws the window's current picture again on a surface made anew (a
    // new size or pixel ratio): the old pixels no longer match the scale,
    // the handles or the grab zones.
    virtual void redrawPicture() {}
    // The view changed: the picture is drawn again at the new scale.
    virtual void viewChanged() { redrawPicture(); }

    // Gives the window the wheel and Ctrl+wheel, Ctrl+= and Ctrl+-, Ctrl+0
    // and the middle-button drag over its drawing.
    void addZoom();
    // The window's own scale, as Surface::Scale takes it; the drawing gets
    // it under the view.
    void setOwnScale(double x1, double y1, double x2, double y2);
    // Takes a view without drawing anything: the caller draws next.
    void takeZoomView(const canvas::View& view);

    Host& host() { return host_; }
    const ScreenInfo& screen() const { return host_.screen(); }

    // The window covers the screen's available area, frame included: the
    // window manager is asked to maximise it, and meanwhile it is sized so
    // that its frame, as far as it is known, fits that area.
    void fillAvailableArea();
    // The window's outer rectangle in pixels, frame included. Once the
    // window manager has framed the window, the size is put right for the
    // frame it really got.
    void setFrameRect(const ScreenArea& outer);
    // A window without a menu bar sized by its client area.
    void setClientSizeTwips(double widthTwips, double heightTwips);
    // The scale of the full-screen spherical windows, for the client area the
    // window really has: the origin in its middle, y upwards, equal units on
    // both axes, width plus height 1200 units.
    void setCentredScale();
    // The client area's size in twips, as the layout will give it.
    double clientWidthTwips() const;
    double clientHeightTwips() const;

    QAction* addMenu(const QString& caption);
    // Gives the window Ctrl+S, Ctrl+C and Ctrl+P for its picture; a picture
    // saved is named after stem and the day. A text box with selected text
    // keeps its own Ctrl+C.
    void addPictureShortcuts(const QString& stem);
    // Gives the window the keys of undo and redo; a text box with the focus
    // keeps them for its own text.
    void addHistoryShortcuts();
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Runs handler after every change of the bar's value, by hand or by code.
    void onChange(QScrollBar* bar, std::function<void()> handler);
    // Places a control on the client area at its designer rectangle, in the
    // stacking order of the platform the layout comes from.
    void place(QWidget* control, int left, int top, int width, int height) const;
    // The same for a placeholder the program never writes: it keeps its
    // place and its designer text, but lies beneath every control of its
    // layer, so that it never hides a box that shows a value.
    void placePlaceholder(QWidget* control, int left, int top, int width, int height) const;
    // The designer's TabIndex order; without it Tab goes in reading order.
    void setTabIndexes(std::vector<QWidget*> order);

    bool event(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    // A key of the window's own, not of its menu bar, which has no room for
    // more items.
    void addShortcut(const QKeySequence& keys, std::function<void()> handler);
    void stack(QWidget* control) const;
    // The control with a window of its own that lies lowest, other than except.
    QWidget* lowestWindowed(const QWidget* except) const;
    // The controls that Tab visits, in order (Shift+Tab goes backwards).
    std::vector<QWidget*> tabOrder() const;
    // Sizes the window and its client area at once, before any drawing:
    // the caller sets the scale and draws, so no redraw is asked for.
    void sizeWindow(int widthPx, int heightPx);
    static QSize clientFor(const ScreenArea& outer, const QMargins& frame);
    void keepFrameOnScreen();
    // Paints what the window shows over its drawing into a picture of it.
    void paintPanel(QImage& image) const;
    void keepStateWhileHidden(const QEvent& event);
    QMargins frameMarginsNow() const;
    int menuBarHeight() const;
    // Opens the menu bar from the keyboard, as Alt does.
    void openMenuBar();

    Host& host_;
    canvas::CanvasWidget* canvas_;
    std::optional<ScreenArea> wantedFrame_;
    QMargins sizedForMargins_;                    // the frame the last sizing allowed for
    QSize sizedClient_;                           // and the size it gave the window
    std::optional<Qt::WindowStates> hiddenState_; // the state it had when the program hid it
    QTimer frameCheck_;
    int unframedChecks_ = 0; // looks made since the last event while no frame had come
    std::vector<QWidget*> tabIndexes_;
    QString pictureStem_;
    PictureOverlay* overlay_ = nullptr;
    canvas::ScaleRect ownScale_;
    canvas::View view_;
};

} // namespace windows
