#include "shell/snapshot.h"

#include "shell/application.h"
#include "shell/eisagogiko.h"
#include "shell/setupfile.h"
#include "shell/setupwindows.h"
#include "windows/hyperbolic/elsahl.h"
#include "windows/lens_data/lensdatapanel.h"
#include "windows/single_ray/moniaktina.h"
#include "windows/workbench/lentoi.h"

#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPixmap>
#include <QStringList>

namespace shell {

namespace {

void save(QWidget& window, const QDir& dir, const QString& name, SnapshotResult& result) {
    if (auto* field = window.findChild<windows::WaveFieldLayer*>())
        field->waitForField();
    const QString path = dir.filePath(name);
    if (!window.grab().save(path, "PNG")) {
        result.error = "cannot write " + path;
        return;
    }
    result.written << path;
}

void saveSetup(const Setup& setup, const QDir& dir, SnapshotResult& result) {
    const QString path = dir.filePath("setup.fakoi");
    if (const std::optional<QString> error = writeSetupFile(path, setup)) {
        result.error = *error;
        return;
    }
    result.written << path;
}

// Each panel follows every picture its window draws from here on; the
// single-ray window's, once the window is there.
void showLensData(Application& app) {
    windows::lensDataPanel(app.lentoi())->setShown(true);
    windows::lensDataPanel(app.elSahl())->setShown(true);
    if (app.hasMoniaktina())
        windows::lensDataPanel(app.moniaktina())->setShown(true);
}

// Without --wave-field a set-up's own field stays as it was drawn.
void showWaveField(Application& app, windows::WaveFieldMode mode) {
    if (mode == windows::WaveFieldMode::Off)
        return;
    for (QWidget* window :
         {static_cast<QWidget*>(&app.lentoi()), static_cast<QWidget*>(&app.elSahl())})
        if (auto* field = window->findChild<windows::WaveFieldLayer*>())
            field->setMode(mode);
}

// Every window as the set-up drew it, each shown for its picture so that
// its layout is that of a shown window. Fields the file leaves out keep the
// values of the program as Main left it.
void snapSetup(Application& app, const QString& setupFile, LensDataShown lensData,
               windows::WaveFieldMode waveField, const QDir& dir, SnapshotResult& result) {
    const SetupReading reading = readSetupFile(setupFile, app.startSetup());
    if (!reading.setup) {
        result.error = reading.error;
        return;
    }
    const Setup& setup = *reading.setup;
    applySetup(app, setup);
    if (lensData == LensDataShown::Yes)
        showLensData(app);
    showWaveField(app, waveField);
    saveSetup(captureSetup(app, setup.front), dir, result);
    const std::pair<windows::FormWindow*, const char*> windows[] = {
        {&app.lentoi(), "lentoi.png"},
        {&app.moniaktina(), "moniaktina.png"},
        {&app.eisagogiko(), "eisagogiko.png"},
        {&app.elSahl(), "ElSahl.png"},
    };
    for (const auto& [window, name] : windows) {
        window->Show();
        save(*window, dir, name, result);
    }
}

// A press and release with Shift held on a window's drawing, as the mouse
// gives them: from one user point to another.
void shiftDrag(canvas::CanvasWidget& drawing, canvas::UserPoint from, canvas::UserPoint to) {
    const canvas::Surface& view = drawing.surface();
    const struct {
        QEvent::Type type;
        canvas::UserPoint at;
        Qt::MouseButtons held;
    } steps[] = {{QEvent::MouseButtonPress, from, Qt::LeftButton},
                 {QEvent::MouseButtonRelease, to, Qt::NoButton}};
    for (const auto& step : steps) {
        const QPointF position(view.toPixelX(step.at.x), view.toPixelY(step.at.y));
        QMouseEvent event(step.type, position, drawing.mapToGlobal(position), Qt::LeftButton,
                          step.held, Qt::ShiftModifier);
        QCoreApplication::sendEvent(&drawing, &event);
    }
}

// The single-ray window as "AKTINA RAY" opens it, after one Shift-drag from
// the orange mark to halfway between it and the origin, where the window's
// first aim lies: a picture of the outline alone shows little. The workbench
// is shown again for the pictures after it.
void snapSingleRay(Application& app, LensDataShown lensData, const QDir& dir, Setup& drawn,
                   SnapshotResult& result) {
    app.openSingleRay();
    windows::Moniaktina& window = app.moniaktina();
    if (lensData == LensDataShown::Yes)
        showLensData(app);
    const canvas::ShapeControl& mark = window.sourceMark();
    shiftDrag(window.canvasWidget(), {mark.Left, mark.Top}, {mark.Left / 2, mark.Top / 2});
    save(window, dir, "moniaktina.png", result);
    drawn.moniaktina = window.setup();
    app.backToWorkbench();
}

// The lens choice as "IBN SAHL" shows it, then each hyperbolic lens as its
// button first draws it (n = 1.50, source at (108, 25)). The window holds
// one lens: the last one drawn.
void snapHyperbolic(Application& app, const QDir& dir, Setup& drawn, SnapshotResult& result) {
    app.openLensChoice();
    Eisagogiko& choice = app.eisagogiko();
    save(choice, dir, "eisagogiko.png", result);
    drawn.eisagogiko = choice.setup();
    choice.Command2_Click();
    save(app.elSahl(), dir, "ElSahl-planoconvex.png", result);
    choice.Command1_Click();
    save(app.elSahl(), dir, "ElSahl-biconvex.png", result);
    drawn.elSahl = app.elSahl().setup();
}

} // namespace

SnapshotResult writeSnapshots(Application& app, const QString& dir,
                              const std::optional<QString>& setupFile, LensDataShown lensData,
                              windows::WaveFieldMode waveField) {
    SnapshotResult result;
    QDir target(dir);
    if (!target.mkpath(".")) {
        result.error = "cannot create " + dir;
        return result;
    }
    app.Main();
    if (setupFile) {
        snapSetup(app, *setupFile, lensData, waveField, target, result);
        return result;
    }
    if (lensData == LensDataShown::Yes)
        showLensData(app);
    showWaveField(app, waveField);
    // Each window's part of the set-up as its picture was taken.
    Setup drawn;
    save(app.lentoi(), target, "lentoi.png", result);
    drawn.lentoi = app.lentoi().setup();
    snapSingleRay(app, lensData, target, drawn, result);
    snapHyperbolic(app, target, drawn, result);
    saveSetup(drawn, target, result);
    return result;
}

} // namespace shell
