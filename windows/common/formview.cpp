#include "windows/common/formwindow.h"

#include <QAction>
#include <QLocale>

namespace windows {

void FormWindow::addZoom() {
    canvas_->setZoomable(true);
    connect(canvas_, &canvas::CanvasWidget::wheelZoomed, this,
            [this](long long notches, double px, double py) { zoomAbout(notches, px, py); });
    connect(canvas_, &canvas::CanvasWidget::panned, this, &FormWindow::panBy);
    for (const QKeyCombination keys : {Qt::CTRL | Qt::Key_Equal, Qt::CTRL | Qt::Key_Plus})
        addShortcut(QKeySequence(keys), [this] { zoomAtMiddle(1); });
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { zoomAtMiddle(-1); });
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { setZoomView({}); });
}

void FormWindow::setOwnScale(double x1, double y1, double x2, double y2) {
    ownScale_ = {x1, y1, x2, y2};
    surface().Scale(x1, y1, x2, y2);
    const canvas::ScaleRect shown = canvas::viewScale(ownScale_, view_);
    surface().ShowArea(shown.x1, shown.y1, shown.x2, shown.y2);
}

void FormWindow::takeZoomView(const canvas::View& view) {
    view_ = canvas::clamped(view, ownScale_);
    setOwnScale(ownScale_.x1, ownScale_.y1, ownScale_.x2, ownScale_.y2);
    canvas_->setCornerMark(view_.zoomStep == 0
                               ? QString()
                               : QLocale().toString(view_.zoom(), 'g', 3) + QStringLiteral("×"));
}

void FormWindow::setZoomView(const canvas::View& view) {
    const canvas::View before = view_;
    takeZoomView(view);
    if (view_ != before)
        viewChanged();
}

void FormWindow::zoomAbout(long long steps, double px, double py) {
    setZoomView(
        canvas::zoomedAbout(ownScale_, view_, steps, px, py, canvas_->width(), canvas_->height()));
}

void FormWindow::zoomAtMiddle(int steps) {
    zoomAbout(steps, canvas_->width() / 2.0, canvas_->height() / 2.0);
}

void FormWindow::panBy(double dx, double dy) {
    setZoomView(canvas::panned(ownScale_, view_, dx, dy, canvas_->width(), canvas_->height()));
}

} // namespace windows
