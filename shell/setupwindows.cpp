#include "shell/setupwindows.h"

#include "shell/application.h"
#include "shell/eisagogiko.h"
#include "windows/hyperbolic/elsahl.h"
#include "windows/single_ray/moniaktina.h"
#include "windows/workbench/lentoi.h"

#include <array>

namespace shell {

namespace {

void apply(Application& app, const Setup& setup, FrontWindow window) {
    switch (window) {
    case FrontWindow::Lentoi: app.lentoi().apply(setup.lentoi); break;
    case FrontWindow::Moniaktina: app.moniaktina().apply(setup.moniaktina); break;
    case FrontWindow::ElSahl: app.elSahl().apply(setup.elSahl); break;
    }
}

void showFront(Application& app, FrontWindow front) {
    if (app.hasMoniaktina() && front != FrontWindow::Moniaktina)
        app.moniaktina().hide();
    if (front != FrontWindow::ElSahl) {
        app.elSahl().hide();
        app.eisagogiko().hide();
    }
    switch (front) {
    case FrontWindow::Lentoi: app.lentoi().Show(); break;
    case FrontWindow::Moniaktina:
        app.lentoi().hide();
        app.moniaktina().Show();
        break;
    case FrontWindow::ElSahl:
        app.lentoi().Show();
        app.eisagogiko().Show();
        app.elSahl().Show();
        break;
    }
}

} // namespace

FrontWindow frontWindow(Application& app, const QWidget* asking) {
    const bool singleRay = app.hasMoniaktina();
    if (asking == &app.lentoi())
        return FrontWindow::Lentoi;
    if (singleRay && asking == &app.moniaktina())
        return FrontWindow::Moniaktina;
    if (asking == &app.elSahl())
        return FrontWindow::ElSahl;
    if (singleRay && app.moniaktina().isVisible())
        return FrontWindow::Moniaktina;
    return app.elSahl().isVisible() ? FrontWindow::ElSahl : FrontWindow::Lentoi;
}

Setup captureSetup(Application& app, FrontWindow front) {
    Setup setup;
    setup.front = front;
    setup.lentoi = app.lentoi().setup();
    if (app.hasMoniaktina())
        setup.moniaktina = app.moniaktina().setup();
    setup.eisagogiko = app.eisagogiko().setup();
    setup.elSahl = app.elSahl().setup();
    return setup;
}

void applySetup(Application& app, const Setup& setup) {
    // The index first: Ibn Sahl's lens is drawn with it.
    app.eisagogiko().apply(setup.eisagogiko);
    for (const FrontWindow window :
         std::array{FrontWindow::ElSahl, FrontWindow::Moniaktina, FrontWindow::Lentoi})
        if (window != setup.front)
            apply(app, setup, window);
    apply(app, setup, setup.front);
    const SetupPoint source =
        setup.front == FrontWindow::ElSahl ? setup.elSahl.source : setup.lentoi.pigi;
    app.source().pigiX = source.x;
    app.source().pigiY = source.y;
    showFront(app, setup.front);
}

} // namespace shell
