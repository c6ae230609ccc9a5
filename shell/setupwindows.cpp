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

// The window's values differ, or those it is drawn with.
bool differs(const Setup& a, const Setup& b, FrontWindow window) {
    switch (window) {
    case FrontWindow::Lentoi: return a.lentoi != b.lentoi;
    case FrontWindow::Moniaktina: return a.moniaktina != b.moniaktina;
    case FrontWindow::ElSahl: return a.elSahl != b.elSahl || a.eisagogiko != b.eisagogiko;
    }
    return true;
}

// Every window given the set-up's values, or, when the set-up the windows
// have now is given, those whose values differ.
void applyWindows(Application& app, const Setup& setup, const Setup* now) {
    const auto changed = [&](FrontWindow window) { return !now || differs(*now, setup, window); };
    // The index first: Ibn Sahl's lens is drawn with it.
    if (!now || now->eisagogiko != setup.eisagogiko)
        app.eisagogiko().apply(setup.eisagogiko);
    bool applied = false;
    for (const FrontWindow window :
         std::array{FrontWindow::ElSahl, FrontWindow::Moniaktina, FrontWindow::Lentoi})
        if (window != setup.front && changed(window)) {
            apply(app, setup, window);
            applied = true;
        }
    // Again when another window had its turn: it may have moved the state
    // the windows share.
    if (applied || changed(setup.front))
        apply(app, setup, setup.front);
    const SetupPoint source =
        setup.front == FrontWindow::ElSahl ? setup.elSahl.source : setup.lentoi.pigi;
    app.source().pigiX = source.x;
    app.source().pigiY = source.y;
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
    applyWindows(app, setup, nullptr);
    showFront(app, setup.front);
}

void applyChanges(Application& app, const Setup& now, const Setup& setup) {
    applyWindows(app, setup, &now);
}

} // namespace shell
