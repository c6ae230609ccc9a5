#include "shell/desktop.h"

#include <QGuiApplication>
#include <QScreen>

namespace shell {

windows::ScreenInfo primaryScreenInfo() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen->size();
    const QRect free = screen->availableGeometry();
    return {size.width(),
            size.height(),
            screen->logicalDotsPerInch(),
            {free.x(), free.y(), free.width(), free.height()}};
}

} // namespace shell
