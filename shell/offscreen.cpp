#include "shell/offscreen.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QtGlobal>

#include <cstdio>

namespace shell {

namespace {

void filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith("This plugin does not support"))
        return;
    qt_message_output(type, context, message);
}

// All screens lie at the same place, so a window keeps the screen it is
// given when shown.
QJsonObject screenAt(int widthPx, int heightPx, double ratio) {
    return {{"name", QString("fakoi %1").arg(ratio)},
            {"x", 0},
            {"y", 0},
            {"width", widthPx},
            {"height", heightPx},
            {"logicalDpi", 96},
            {"logicalBaseDpi", 96},
            {"dpr", ratio}};
}

} // namespace

void quietOffscreenNotices() {
    qInstallMessageHandler(filter);
}

OffscreenScreen::OffscreenScreen(int widthPx, int heightPx, WindowFrames frames,
                                 std::span<const double> otherRatios)
    : config_(QDir::tempPath() + "/fakoi-screen-XXXXXX.json") {
    QJsonArray screens{screenAt(widthPx, heightPx, 1)};
    for (double ratio : otherRatios)
        screens.append(screenAt(widthPx, heightPx, ratio));
    const QJsonObject config{{"windowFrameMargins", frames == WindowFrames::Thin},
                             {"screens", screens}};
    QString platform = "offscreen";
    // Without its file the platform keeps its own screen; the windows then
    // still size themselves by the screen they were told of.
    if (config_.open() && config_.write(QJsonDocument(config).toJson()) > 0 && config_.flush())
        platform += ":configfile=" + config_.fileName();
    else
        std::fprintf(stderr, "fakoi: cannot write %s\n", qPrintable(config_.fileName()));
    qputenv("QT_QPA_PLATFORM", platform.toLocal8Bit());
}

} // namespace shell
