#include "shell/program.h"

#include "shell/application.h"
#include "shell/desktop.h"
#include "shell/firstpaint.h"
#include "shell/fonts.h"
#include "shell/offscreen.h"
#include "shell/options.h"
#include "shell/qtdialogs.h"
#include "shell/qttranslations.h"
#include "shell/setupfile.h"
#include "shell/setupwindows.h"
#include "shell/snapshot.h"
#include "windows/workbench/lentoi.h"

#include <QApplication>
#include <QScreen>

#include <cmath>
#include <cstdio>
#include <optional>

namespace shell {

namespace {

// Pictures at a chosen ratio: Qt scales the offscreen screen by the factor,
// and every window then draws at that ratio. A per-screen factor from the
// environment would multiply it, and rounding would change it.
void askForScale(double scale) {
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale, 'g', 17));
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

int snapshot(const Options& options, const std::optional<QString>& setupFile) {
    const double ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    if (options.scale && std::abs(ratio - *options.scale) > 1e-9) {
        std::fprintf(stderr, "fakoi: the platform draws at a ratio of %g, not %g\n", ratio,
                     *options.scale);
        return 1;
    }
    QtDialogs dialogs;
    Application app(dialogs, {options.screenWidth, options.screenHeight, 96});
    const SnapshotResult result =
        writeSnapshots(app, options.snapshotDir, setupFile,
                       options.lensData ? LensDataShown::Yes : LensDataShown::No,
                       options.waveField.isEmpty()   ? windows::WaveFieldMode::Off
                       : options.waveField == "wave" ? windows::WaveFieldMode::Wave
                                                     : windows::WaveFieldMode::Intensity);
    for (const QString& path : result.written)
        std::printf("%s\n", qPrintable(path));
    if (!result.error.isEmpty()) {
        std::fprintf(stderr, "fakoi: %s\n", qPrintable(result.error));
        return 1;
    }
    return 0;
}

int interactive(const std::optional<QString>& setupFile) {
    QtDialogs dialogs;
    Application app(dialogs, primaryScreenInfo());
    app.Main();
    if (setupFile)
        app.openSetupFile(*setupFile);
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
    // A set-up that cannot be read stops the program before any window or
    // picture is made. The windows read it again once made, onto the values
    // they start with.
    std::optional<QString> setupFile;
    if (!options.setupFile.isEmpty()) {
        const SetupReading reading = readSetupFile(options.setupFile);
        if (!reading.setup) {
            std::fprintf(stderr, "fakoi: %s\n", qPrintable(reading.error));
            return 2;
        }
        setupFile = options.setupFile;
    }
    // Pictures need no display: they are drawn off screen, on a screen of
    // the size asked for. The platform's screen is in device pixels, which
    // the scale factor turns back into that logical size.
    std::optional<OffscreenScreen> offscreen;
    if (!options.snapshotDir.isEmpty()) {
        const double scale = options.scale.value_or(1);
        offscreen.emplace(int(std::lround(options.screenWidth * scale)),
                          int(std::lround(options.screenHeight * scale)), WindowFrames::None);
        quietOffscreenNotices();
        if (options.scale)
            askForScale(*options.scale);
    }
    QApplication qt(argc, argv);
    QApplication::setApplicationName("fakoi");
    // Wayland desktops find the menu entry, and its icon, by this name.
    QGuiApplication::setDesktopFileName(FAKOI_APP_ID);
    const QtTranslations qtTexts(QLocale::system());
    installFontSubstitutes();
    return options.snapshotDir.isEmpty() ? interactive(setupFile) : snapshot(options, setupFile);
}

} // namespace shell
