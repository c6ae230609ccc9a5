#include "windows/common/formwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QShortcut>

namespace windows {

namespace {

// Labels have no window of their own on the platform the layouts come from;
// every other control has one. An overlay lies over the drawing as they do.
bool isWindowless(const QWidget* control) {
    return qobject_cast<const QLabel*>(control) != nullptr ||
           qobject_cast<const PictureOverlay*>(control) != nullptr;
}

} // namespace

FormWindow::FormWindow(Host& host, QWidget* parent)
    : QMainWindow(parent), host_(host), canvas_(new canvas::CanvasWidget(this)) {
    setCentralWidget(canvas_);
    connect(canvas_, &canvas::CanvasWidget::surfaceReset, this, [this] { redrawPicture(); });
    frameCheck_.setSingleShot(true);
    frameCheck_.setInterval(250);
    connect(&frameCheck_, &QTimer::timeout, this, &FormWindow::keepFrameOnScreen);
    addShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { host_.saveSetup(*this); });
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { host_.openSetup(); });
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), [this] { host_.freshStart(); });
}

void FormWindow::addShortcut(const QKeySequence& keys, std::function<void()> handler) {
    auto* action = new QAction(this);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    addAction(action);
}

void FormWindow::Show() {
    show();
    raise();
    activateWindow();
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    closeRequested();
}

QAction* FormWindow::addMenu(const QString& caption) {
    if (!menuWidget()) {
        // F10 opens the menu bar as Alt does, the other key desktops use.
        auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
        connect(f10, &QShortcut::activated, this, &FormWindow::openMenuBar);
    }
    return menuBar()->addAction(caption);
}

void FormWindow::openMenuBar() {
    // The menu bar enters its keyboard mode when Alt is pressed and let go
    // alone; Qt has no public call for that mode, so F10 plays that key.
    QKeyEvent check(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::AltModifier);
    check.ignore(); // as the window system delivers it: no one has taken it
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    for (QKeyEvent* event : {&check, &press, &release})
        QCoreApplication::sendEvent(this, event);
}

void FormWindow::onChange(QScrollBar* bar, std::function<void()> handler) {
    connect(bar, &QScrollBar::valueChanged, this, [handler = std::move(handler)] { handler(); });
}

void FormWindow::place(QWidget* control, int left, int top, int width, int height) const {
    control->setParent(canvas_);
    control->setGeometry(screen().toPixels(left), screen().toPixels(top), screen().toPixels(width),
                         screen().toPixels(height));
    // Every control is opaque: what lies beneath, the drawing or a blade,
    // does not show through it.
    control->setAutoFillBackground(true);
    stack(control);
}

void FormWindow::placePlaceholder(QWidget* control, int left, int top, int width,
                                  int height) const {
    place(control, left, top, width, height);
    if (QWidget* lowest = lowestWindowed(control))
        control->stackUnder(lowest);
}

QWidget* FormWindow::lowestWindowed(const QWidget* except) const {
    for (QObject* child : canvas_->children()) {
        auto* sibling = qobject_cast<QWidget*>(child);
        if (sibling && sibling != except && !isWindowless(sibling))
            return sibling;
    }
    return nullptr;
}

// Controls with a window of their own (scroll bars, boxes, buttons) lie above
// the windowless labels, which lie above the drawing with its line and shape
// controls; within each layer a control placed later lies above. A label
// takes its own clicks: none has a handler, so a click on one does nothing,
// and it never reaches the window beneath.
void FormWindow::stack(QWidget* control) const {
    if (!isWindowless(control)) {
        control->raise();
        return;
    }
    control->setAttribute(Qt::WA_NoMousePropagation);
    if (QWidget* lowest = lowestWindowed(control))
        control->stackUnder(lowest);
    else
        control->raise();
}

void FormWindow::addOverlay(PictureOverlay* overlay, const QKeySequence& key) {
    overlay_ = overlay;
    stack(overlay_);
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, overlay_, &PictureOverlay::toggle);
}

QFont FormWindow::designerFont(const QString& family, double points) {
    QFont font(family);
    font.setPointSizeF(points);
    return font;
}

} // namespace windows
