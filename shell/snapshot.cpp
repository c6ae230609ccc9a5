#include "shell/snapshot.h"

#include "shell/application.h"
#include "shell/eisagogiko.h"
#include "shell/setupfile.h"
#include "shell/setupwindows.h"
#include "windows/hyperbolic/elsahl.h"
#include "windows/lens_data/lensdatapanel.h"
#include "windows/single_ray/moniaktina.h"
#include "windows/workbench/lentoi.h"

#include <QDir>
#include <QPixmap>
#include <QStringList>

namespace shell {

namespace {

void save(QWidget& window, const QDir& dir, const QString& name, SnapshotResult& result) {
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

// Each panel follows every picture its window draws from here on.
void showLensData(Application& app) {
    windows::lensDataPanel(app.lentoi())->setShown(true);
    windows::lensDataPanel(app.elSahl())->setShown(true);
}

// Every window as the set-up drew it, each shown for its picture so that
// its layout is that of a shown window.
void snapSetup(Application& app, const Setup& setup, LensDataShown lensData, const QDir& dir,
               SnapshotResult& result) {
    applySetup(app, setup);
    if (lensData == LensDataShown::Yes)
        showLensData(app);
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

// The single-ray window as "AKTINA RAY" opens it, with the start ray aimed
// as its Form_Load aims it: from the source to halfway between the origin and
// the mark's corner. The workbench is shown again for the pictures after it.
void snapSingleRay(Application& app, const QDir& dir, SnapshotResult& result) {
    app.openSingleRay();
    windows::Moniaktina& window = app.moniaktina();
    window.Form_MouseUp(canvas::LeftButton, canvas::ShiftKey, window.fos.Left / 2,
                        window.fos.Top / 2);
    save(window, dir, "moniaktina.png", result);
    app.backToWorkbench();
}

// The lens choice as "IBN SAHL" shows it, then each hyperbolic lens as its
// button first draws it (n = 1.50, source at (108, 25)).
void snapHyperbolic(Application& app, const QDir& dir, SnapshotResult& result) {
    app.openLensChoice();
    Eisagogiko& choice = app.eisagogiko();
    save(choice, dir, "eisagogiko.png", result);
    choice.Command2_Click();
    save(app.elSahl(), dir, "ElSahl-planoconvex.png", result);
    choice.Command1_Click();
    save(app.elSahl(), dir, "ElSahl-biconvex.png", result);
}

} // namespace

SnapshotResult writeSnapshots(Application& app, const QString& dir,
                              const std::optional<Setup>& setup, LensDataShown lensData) {
    SnapshotResult result;
    QDir target(dir);
    if (!target.mkpath(".")) {
        result.error = "cannot create " + dir;
        return result;
    }
    app.Main();
    if (setup) {
        snapSetup(app, *setup, lensData, target, result);
        return result;
    }
    if (lensData == LensDataShown::Yes)
        showLensData(app);
    saveSetup(captureSetup(app, FrontWindow::Lentoi), target, result);
    save(app.lentoi(), target, "lentoi.png", result);
    snapSingleRay(app, target, result);
    snapHyperbolic(app, target, result);
    return result;
}

} // namespace shell
