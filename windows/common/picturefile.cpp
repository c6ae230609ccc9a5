#include "windows/common/picturefile.h"

#include <QPainter>
#include <QSaveFile>
#include <QWidget>

namespace windows {

std::optional<QString> writePicture(const QString& path, const QImage& image) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit())
        return {};
    // A failed encoding leaves the device without an error of its own. The
    // unfinished temporary file goes with the QSaveFile.
    const QString why =
        file.error() != QFileDevice::NoError ? file.errorString() : QString("PNG encoding failed");
    return QString("Η εικόνα δεν γράφτηκε στο «%1» (%2).\n"
                   "The picture was not written to \"%1\" (%2).")
        .arg(path, why);
}

void paintOnPage(QPainter& painter, const QImage& image, const QRect& page) {
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    const QRect target(page.left() + (page.width() - size.width()) / 2,
                       page.top() + (page.height() - size.height()) / 2, size.width(),
                       size.height());
    painter.drawImage(target, image);
}

void takeScreenDpi(QImage& image, const QWidget& widget) {
    constexpr double kInchesPerMeter = 0.0254;
    image.setDotsPerMeterX(qRound(widget.logicalDpiX() / kInchesPerMeter));
    image.setDotsPerMeterY(qRound(widget.logicalDpiY() / kInchesPerMeter));
}

} // namespace windows
