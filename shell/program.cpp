#include "shell/program.h"

#include "shell/application.h"
#include "shell/desktop.h"
#include "shell/firstpaint.h"
#include "shell/fonts.h"
#include "shell/offscreen.h"
#include "shell/options.h"
#include "shell/qtdialogs.h"
#include "shell/snapshot.h"
#include "windows/workbench/lentoi.h"

#include <QApplication>

#include <cstdio>
#include <optional>

namespace shell {

namespace {

int snapshot(const Options& options) {
    QtDialogs dialogs;
    Application app(dialogs, {options.screenWidth, options.screenHeight, 96});
    const SnapshotResult result = writeSnapshots(app, options.snapshotDir);
    for (const QString& path : result.written)
        std::printf("%s\n", qPrintable(path));
    if (!result.error.isEmpty()) {
        std::fprintf(stderr, "fakoi: %s\n", qPrintable(result.error));
        return 1;
    }
    return 0;
}

int interactive() {
    QtDialogs dialogs;
    Application app(dialogs, primaryScreenInfo());
    app.Main();
    quitAfterFirstPaintIfAsked(app.lentoi().canvasWidget());
    return QApplication::exec();
}

} // namespace

int runProgram(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const Options options = parseOptions(arguments);
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "fakoi: %s\n", qPrintable(options.error));
        return 2;
    }
    // Pictures need no display: they are drawn off screen, on a screen of
    // the size asked for.
    std::optional<OffscreenScreen> offscreen;
    if (!options.snapshotDir.isEmpty()) {
        offscreen.emplace(options.screenWidth, options.screenHeight, WindowFrames::None);
        quietOffscreenNotices();
    }
    QApplication qt(argc, argv);
    QApplication::setApplicationName("fakoi");
    installFontSubstitutes();
    return options.snapshotDir.isEmpty() ? interactive() : snapshot(options);
}

} // namespace shell
