#include "shell/snapshot.h"

#include "shell/application.h"
#include "shell/eisagogiko.h"
#include "windows/common/lensdatapanel.h"
#include "windows/hyperbolic/elsahl.h"
#include "windows/single_ray/moniaktina.h"
#include "windows/workbench/lentoi.h"

#include <QDir>
#include <QPixmap>
#include <QStringList>

namespace shell {

namespace {

bool save(QWidget& window, const QDir& dir, const QString& name, SnapshotResult& result) {
    const QString path = dir.filePath(name);
    if (!window.grab().save(path, "PNG")) {
        result.error = "cannot write " + path;
        return false;
    }
    result.written << path;
    return true;
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

SnapshotResult writeSnapshots(Application& app, const QString& dir, LensDataShown lensData) {
    SnapshotResult result;
    QDir target(dir);
    if (!target.mkpath(".")) {
        result.error = "cannot create " + dir;
        return result;
    }
    app.Main();
    if (lensData == LensDataShown::Yes) {
        // Each panel follows every picture its window draws from here on.
        app.lentoi().lensDataPanel()->toggle();
        app.elSahl().lensDataPanel()->toggle();
    }
    save(app.lentoi(), target, "lentoi.png", result);
    snapSingleRay(app, target, result);
    snapHyperbolic(app, target, result);
    return result;
}

} // namespace shell
