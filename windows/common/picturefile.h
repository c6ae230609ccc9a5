#pragma once

#include <QImage>
#include <QString>

#include <optional>

class QPainter;
class QWidget;
class QRect;

namespace windows {

// Writes the image as PNG to path through a temporary file that takes the
// name only once it is complete, so a failed write never leaves half a
// picture. Returns nothing when written, else the message (Greek, then
// English) that says why not.
std::optional<QString> writePicture(const QString& path, const QImage& image);

// Paints the image as large as fits on the page, keeping its aspect ratio,
// in the middle of the page.
void paintOnPage(QPainter& painter, const QImage& image, const QRect& page);

// Gives an image the dots per inch of the widget's screen: fonts take their
// size in pixels from the device they are painted on, so text painted into
// the image comes out as on that screen.
void takeScreenDpi(QImage& image, const QWidget& widget);

} // namespace windows
