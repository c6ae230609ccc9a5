#pragma once

#include "canvas/qt/canvaswidget.h"
#include "windows/common/host.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QFont;
class QScrollBar;

namespace windows {

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

    // A font as the designer gives it: family name and size in points.
    static QFont designerFont(const QString& family, double points);

  protected:
    // The window manager's close button: each window says what it means.
    // The window itself is never destroyed, so no state is lost.
    virtual void closeRequested() { hide(); }
    void closeEvent(QCloseEvent* event) override;
    // Draws the window's current picture again on a surface that was
    // reallocated (a new size or a new device pixel ratio).
    virtual void redrawPicture() {}

    Host& host() { return host_; }
    const ScreenInfo& screen() const { return host_.screen(); }

    // Outer size in twips; the client area is what the menu bar leaves.
    void setOuterSizeTwips(double widthTwips, double heightTwips);
    // A window without a menu bar sized by its client area.
    void setClientSizeTwips(double widthTwips, double heightTwips);
    // The client area's size in twips, as the layout will give it.
    double clientWidthTwips() const;
    double clientHeightTwips() const;

    QAction* addMenu(const QString& caption);
    // Runs handler after every change of the bar's value, by hand or by code.
    void onChange(QScrollBar* bar, std::function<void()> handler);
    // Places a control on the client area at its designer rectangle.
    void place(QWidget* control, int left, int top, int width, int height) const;

  private:
    Host& host_;
    canvas::CanvasWidget* canvas_;
};

} // namespace windows
