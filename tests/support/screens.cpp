#include "tests/support/screens.h"

#include <QGuiApplication>
#include <QScreen>

namespace testing_support {

QScreen* screenWithRatio(double ratio) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->devicePixelRatio() == ratio)
            return screen;
    return nullptr;
}

} // namespace testing_support
