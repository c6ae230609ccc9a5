#include "windows/common/formwindow.h"
#include "windows/common/picturefile.h"

#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace windows {

namespace {

constexpr QKeyCombination kUndoKey = Qt::CTRL | Qt::Key_Z;
constexpr QKeyCombination kRedoKeys[] = {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y};

bool isHistoryKey(QKeyCombination keys) {
    return keys == kUndoKey || std::ranges::find(kRedoKeys, keys) != std::end(kRedoKeys);
}

} // namespace

QImage FormWindow::drawingImage() const {
    QImage image = canvas_->picture();
    takeScreenDpi(image, *canvas_);
    paintPanel(image);
    return image;
}

void FormWindow::paintPanel(QImage& image) const {
    if (overlay_) {
        QPainter painter(&image);
        overlay_->paintAtPlace(painter);
    }
}

QImage FormWindow::pictureForPage(QSize pageSize) {
    const QSize client = canvas_->size();
    const double ratio = std::min(double(pageSize.width()) / client.width(),
                                  double(pageSize.height()) / client.height());
    QImage image = canvas_->pictureAt(ratio, [this] { redrawPicture(); });
    paintPanel(image);
    return image;
}

void FormWindow::addPictureShortcuts(const QString& stem) {
    pictureStem_ = stem;
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { savePicture(); });
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_C), [this] { copyPicture(); });
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), [this] { printPicture(); });
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->installEventFilter(this);
}

void FormWindow::addHistoryShortcuts() {
    addShortcut(kUndoKey, [this] { host_.undo(*this); });
    for (const QKeyCombination keys : kRedoKeys)
        addShortcut(keys, [this] { host_.redo(*this); });
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->installEventFilter(this);
}

// A focused text box claims Ctrl+C even when nothing in it is selected;
// then the key is left to the window, which copies its picture. It keeps
// every key of undo and redo, those its platform does not bind included.
bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* box = qobject_cast<const QLineEdit*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        if (box && key->matches(QKeySequence::Copy) && !box->hasSelectedText())
            return true;
        if (box && isHistoryKey(key->keyCombination())) {
            event->accept();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void FormWindow::savePicture() {
    const std::optional<QString> path = host_.dialogs().saveFileName(
        {"Αποθήκευση εικόνας Save picture", datedFilePath(host_.lastFolder(), pictureStem_, "png"),
         "PNG (*.png)", "png"});
    if (!path)
        return;
    if (const std::optional<QString> error = writePicture(*path, drawingImage())) {
        host_.dialogs().message(*error);
        return;
    }
    host_.setLastFolder(QFileInfo(*path).absolutePath());
}

void FormWindow::copyPicture() {
    QGuiApplication::clipboard()->setImage(drawingImage());
}

void FormWindow::printPicture() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    printer.setPageOrientation(canvas_->width() > canvas_->height() ? QPageLayout::Landscape
                                                                    : QPageLayout::Portrait);
    if (!host_.dialogs().choosePrinter(printer))
        return;
    QPainter painter;
    if (painter.begin(&printer)) {
        const QRect page(QPoint(0, 0),
                         printer.pageLayout().paintRectPixels(printer.resolution()).size());
        paintOnPage(painter, pictureForPage(page.size()), page);
        if (painter.end())
            return;
    }
    host_.dialogs().message("Η εικόνα δεν τυπώθηκε: ο εκτυπωτής δεν τη δέχτηκε.\n"
                            "The picture was not printed: the printer did not take it.");
}

} // namespace windows
