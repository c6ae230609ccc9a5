#include "canvas/qt/canvaswidget.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>
#include <utility>

namespace canvas {

namespace {

QColor qtColor(Color c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

bool finitePoint(double x, double y) {
    return std::isfinite(x) && std::isfinite(y);
}

} // namespace

int buttonValue(Qt::MouseButtons buttons) {
    int value = 0;
    if (buttons & Qt::LeftButton)
        value |= LeftButton;
    if (buttons & Qt::RightButton)
        value |= RightButton;
    if (buttons & Qt::MiddleButton)
        value |= MiddleButton;
    return value;
}

int shiftValue(Qt::KeyboardModifiers modifiers) {
    int value = 0;
    if (modifiers & Qt::ShiftModifier)
        value |= ShiftKey;
    if (modifiers & Qt::ControlModifier)
        value |= CtrlKey;
    if (modifiers & Qt::AltModifier)
        value |= AltKey;
    return value;
}

CanvasWidget::CanvasWidget(QWidget* parent)
    : QWidget(parent), surface_(1, 1, colors::white, devicePixelRatioF()) {
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

LineControl& CanvasWidget::addLine() {
    return lines_.emplace_back();
}

ShapeControl& CanvasWidget::addShape() {
    return shapes_.emplace_back();
}

void CanvasWidget::resizeClient(int widthPx, int heightPx) {
    widthPx = std::max(1, widthPx);
    heightPx = std::max(1, heightPx);
    resize(widthPx, heightPx);
    resizeSurface(widthPx, heightPx);
}

void CanvasWidget::resizeSurface(int widthPx, int heightPx) {
    widthPx = std::max(1, widthPx);
    heightPx = std::max(1, heightPx);
    const bool newRatio = adoptScreenRatio();
    const bool newSize = widthPx != surface_.widthPx() || heightPx != surface_.heightPx();
    if (newSize)
        surface_.resize(widthPx, heightPx);
    if (newRatio || newSize)
        emit surfaceReset();
}

void CanvasWidget::Refresh() {
    update();
    emit refreshed();
}

bool CanvasWidget::adoptScreenRatio() {
    return surface_.setDevicePixelRatio(devicePixelRatioF());
}

bool CanvasWidget::event(QEvent* event) {
    // Qt tells a widget that its window moved to another screen; from Qt 6.6
    // on also that the screen's own ratio changed.
    bool ratioMayChange = event->type() == QEvent::ScreenChangeInternal;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    ratioMayChange = ratioMayChange || event->type() == QEvent::DevicePixelRatioChange;
#endif
    if (ratioMayChange && adoptScreenRatio()) {
        emit surfaceReset();
        update();
    }
    return QWidget::event(event);
}

void CanvasWidget::paintEvent(QPaintEvent* /*event*/) {
    // A ratio that changed without notice (some platforms send none) is
    // caught before the image is shown at the wrong resolution.
    if (adoptScreenRatio())
        emit surfaceReset();
    QPainter painter(this);
    // The painter keeps to the exposed region, so only that part is copied.
    painter.drawImage(QPointF(0, 0), underlaid() ? frame_ : surfaceImage());
    paintOver(painter);
}

bool CanvasWidget::underlaid() const {
    if (!underlay_)
        return false;
    const QImage from = surfaceImage();
    if (frame_.size() != from.size() || frame_.format() != from.format())
        frame_ = QImage(from.size(), from.format());
    frame_.setDevicePixelRatio(from.devicePixelRatio());
    if (underlay_(from, frame_))
        return true;
    frame_ = QImage(); // no layer shows: its memory is not kept
    return false;
}

QImage CanvasWidget::surfaceImage() const {
    // Its ratio makes one image pixel one device pixel.
    const qsizetype bytesPerLine = qsizetype{surface_.deviceWidthPx()} * 4;
    QImage image(reinterpret_cast<const uchar*>(surface_.pixels()), surface_.deviceWidthPx(),
                 surface_.deviceHeightPx(), bytesPerLine, QImage::Format_RGB32);
    image.setDevicePixelRatio(surface_.devicePixelRatio());
    return image;
}

QImage CanvasWidget::picture() const {
    // The underlay's image is handed over, not copied: the next repaint
    // makes its own.
    QImage image = underlaid() ? std::exchange(frame_, QImage()) : surfaceImage().copy();
    image.setDevicePixelRatio(surface_.devicePixelRatio());
    QPainter painter(&image);
    paintOver(painter);
    painter.end();
    return image;
}

QImage CanvasWidget::pictureAt(double ratio, const std::function<void()>& draw) {
    Surface shown = surface_;
    surface_.setDevicePixelRatio(ratio);
    draw();
    QImage image = picture();
    surface_ = std::move(shown);
    return image;
}

// What lies over the persistent image: the overlay, then the line and shape
// controls, as on the screen.
void CanvasWidget::paintOver(QPainter& painter) const {
    if (overlay_) {
        painter.save();
        overlay_(painter);
        painter.restore();
    }
    paintControls(painter);
    paintCornerMark(painter);
}

void CanvasWidget::setCornerMark(const QString& text) {
    if (text == cornerMark_)
        return;
    cornerMark_ = text;
    update();
}

void CanvasWidget::paintCornerMark(QPainter& painter) const {
    if (cornerMark_.isEmpty())
        return;
    constexpr int kMarginPx = 4;
    const QRect text = painter.fontMetrics().boundingRect(cornerMark_).adjusted(-2, 0, 2, 0);
    const QRect box(width() - text.width() - kMarginPx, height() - text.height() - kMarginPx,
                    text.width(), text.height());
    painter.fillRect(box, Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, cornerMark_);
}

void CanvasWidget::paintControls(QPainter& painter) const {
    for (const LineControl& line : lines_) {
        if (!line.Visible || !finitePoint(line.X1, line.Y1) || !finitePoint(line.X2, line.Y2))
            continue;
        QPen pen(qtColor(line.BorderColor), std::clamp(line.BorderWidth, 1, 64));
        painter.setPen(pen);
        painter.drawLine(QPointF(surface_.toPixelX(line.X1), surface_.toPixelY(line.Y1)),
                         QPointF(surface_.toPixelX(line.X2), surface_.toPixelY(line.Y2)));
    }
    for (const ShapeControl& shape : shapes_) {
        if (!shape.Visible || !finitePoint(shape.Left, shape.Top))
            continue;
        const double left = surface_.toPixelX(shape.Left);
        const double top = surface_.toPixelY(shape.Top);
        const double width = std::max(1.0, surface_.ScaleX(shape.Width));
        const double height = std::max(1.0, surface_.ScaleY(shape.Height));
        painter.setPen(qtColor(shape.BorderColor));
        painter.setBrush(shape.Filled ? QBrush(qtColor(shape.FillColor)) : QBrush(Qt::NoBrush));
        const double side = std::min(width, height);
        painter.drawEllipse(
            QRectF(left + (width - side) / 2, top + (height - side) / 2, side, side));
    }
}

void CanvasWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    resizeSurface(event->size().width(), event->size().height());
}

void CanvasWidget::report(QMouseEvent* event,
                          void (CanvasWidget::*signal)(int, int, double, double)) {
    const UserPoint p = surface_.toUser(event->position().x(), event->position().y());
    (this->*signal)(buttonValue(event->buttons() | event->button()), shiftValue(event->modifiers()),
                    p.x, p.y);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    if (zoomable_ && (panning_ || event->button() == Qt::MiddleButton)) {
        panning_ = true;
        panFrom_ = event->position();
        return;
    }
    pressed_ = true;
    report(event, &CanvasWidget::mouseDown);
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    if (panning_) {
        const QPointF by = event->position() - panFrom_;
        panFrom_ = event->position();
        if (!by.isNull())
            emit panned(by.x(), by.y());
        return;
    }
    report(event, &CanvasWidget::mouseMove);
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (panning_) {
        // Other buttons pressed during the drag belong to it.
        if (event->button() == Qt::MiddleButton) {
            panning_ = false;
            emit panFinished();
        }
        return;
    }
    report(event, &CanvasWidget::mouseUp);
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (wasPressed && rect().contains(event->position().toPoint()))
        emit clicked();
}

// A notch is 120 eighths of a degree; finer wheels send parts of one, which
// add up. Shift turns some wheels sideways: that also zooms.
void CanvasWidget::wheelEvent(QWheelEvent* event) {
    if (!zoomable_) {
        QWidget::wheelEvent(event);
        return;
    }
    const QPoint delta = event->angleDelta();
    wheelEighths_ += delta.y() != 0 ? delta.y() : delta.x();
    constexpr long long kNotch = 120;
    const long long notches = wheelEighths_ / kNotch;
    wheelEighths_ -= notches * kNotch;
    if (notches != 0)
        emit wheelZoomed(notches, event->position().x(), event->position().y());
    event->accept();
}

} // namespace canvas
