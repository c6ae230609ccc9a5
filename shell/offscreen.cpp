#include "shell/offscreen.h"

#include <QString>
#include <QtGlobal>

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

} // namespace shell
