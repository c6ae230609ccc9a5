#include "tests/support/screens.h"

#include <QDir>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QScreen>

namespace testing_support {

namespace {

QJsonObject screenAt(double ratio) {
    return {{"name", QString("ratio %1").arg(ratio)},
            {"x", 0},
            {"y", 0},
            {"width", 800},
            {"height", 600},
            {"logicalDpi", 96},
            {"logicalBaseDpi", 96},
            {"dpr", ratio}};
}

} // namespace

OffscreenScreens::OffscreenScreens()
    : path_(QDir::temp().filePath(
          QString("fakoi-screens-%1.json").arg(QCoreApplication::applicationPid()))) {
    QJsonArray screens;
    for (double ratio : kScreenRatios)
        screens.append(screenAt(ratio));
    QSaveFile file(path_);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QJsonDocument(QJsonObject{{"screens", screens}}).toJson());
        file.commit();
    }
    // Without the file the platform refuses to start, and the tests say so.
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path_).toLocal8Bit());
}

OffscreenScreens::~OffscreenScreens() {
    QFile::remove(path_);
}

QScreen* screenWithRatio(double ratio) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->devicePixelRatio() == ratio)
            return screen;
    return nullptr;
}

} // namespace testing_support
