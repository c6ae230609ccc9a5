#include "windows/common/formwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QFont>
#include <QMenuBar>
#include <QScrollBar>

namespace windows {

FormWindow::FormWindow(Host& host, QWidget* parent)
    : QMainWindow(parent), host_(host), canvas_(new canvas::CanvasWidget(this)) {
    setCentralWidget(canvas_);
    connect(canvas_, &canvas::CanvasWidget::surfaceReset, this, [this] { redrawPicture(); });
}

void FormWindow::Show() {
    show();
    raise();
    activateWindow();
}

void FormWindow::setOuterSizeTwips(double widthTwips, double heightTwips) {
    const int width = std::max(1, screen().toPixels(widthTwips));
    const int height = std::max(1, screen().toPixels(heightTwips));
    resize(width, height);
    // The layout runs only when the window is shown; the client area must
    // have its size now, because the scale is computed from it at once.
    canvas_->resizeClient(width, height - menuBar()->sizeHint().height());
}

void FormWindow::setClientSizeTwips(double widthTwips, double heightTwips) {
    const int width = std::max(1, screen().toPixels(widthTwips));
    const int height = std::max(1, screen().toPixels(heightTwips));
    resize(width, height);
    canvas_->resizeClient(width, height);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    closeRequested();
}

double FormWindow::clientWidthTwips() const {
    return canvas_->width() * screen().twipsPerPixel();
}

double FormWindow::clientHeightTwips() const {
    return canvas_->height() * screen().twipsPerPixel();
}

QAction* FormWindow::addMenu(const QString& caption) {
    return menuBar()->addAction(caption);
}

void FormWindow::onChange(QScrollBar* bar, std::function<void()> handler) {
    connect(bar, &QScrollBar::valueChanged, this, [handler = std::move(handler)] { handler(); });
}

void FormWindow::place(QWidget* control, int left, int top, int width, int height) const {
    control->setParent(canvas_);
    control->setGeometry(screen().toPixels(left), screen().toPixels(top), screen().toPixels(width),
                         screen().toPixels(height));
}

QFont FormWindow::designerFont(const QString& family, double points) {
    QFont font(family);
    font.setPointSizeF(points);
    return font;
}

} // namespace windows
