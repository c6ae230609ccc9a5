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

} // namespace

void quietOffscreenNotices() {
    qInstallMessageHandler(filter);
}

OffscreenScreen::OffscreenScreen(int widthPx, int heightPx, WindowFrames frames)
    : config_(QDir::tempPath() + "/fakoi-screen-XXXXXX.json") {
    const QJsonObject screen{{"name", "fakoi"},
                             {"x", 0},
                             {"y", 0},
                             {"width", widthPx},
                             {"height", heightPx},
                             {"logicalDpi", 96},
                             {"logicalBaseDpi", 96},
                             {"dpr", 1}};
    const QJsonObject config{{"windowFrameMargins", frames == WindowFrames::Thin},
                             {"screens", QJsonArray{screen}}};
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
