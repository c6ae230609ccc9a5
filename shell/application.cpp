#include "shell/application.h"

#include "shell/eisagogiko.h"
#include "shell/setupwindows.h"
#include "windows/hyperbolic/elsahl.h"
#include "windows/single_ray/moniaktina.h"
#include "windows/workbench/lentoi.h"

#include <QApplication>

namespace shell {

namespace {

// Creates a window on first use and runs its Form_Load; later uses get the
// same window.
template <typename Window, typename... Args>
Window& loaded(std::unique_ptr<Window>& window, Args&... args) {
    if (!window) {
        window = std::make_unique<Window>(args...);
        window->Form_Load();
    }
    return *window;
}

} // namespace

Application::Application(windows::Dialogs& dialogs, windows::ScreenInfo screen)
    : dialogs_(dialogs), screen_(screen), end_([] { QApplication::exit(0); }), spherical_(source_),
      hyperbolic_(source_) {}

Application::~Application() = default;

void Application::Main() {
    elSahl().prepareAtStartup();
    lentoi().Show();
    eisagogiko().prepareAtStartup();
    startSetup_ = captureSetup(*this, FrontWindow::Lentoi);
    history_.start();
}

windows::Lentoi& Application::lentoi() {
    return loaded(lentoi_, *this, spherical_);
}

windows::Moniaktina& Application::moniaktina() {
    return loaded(moniaktina_, *this, spherical_);
}

windows::ElSahl& Application::elSahl() {
    return loaded(elSahl_, *this, hyperbolic_);
}

Eisagogiko& Application::eisagogiko() {
    return loaded(eisagogiko_, *this);
}

void Application::endProgram() {
    // Every window goes at once; nothing is asked and nothing is saved.
    for (QWidget* window :
         {static_cast<QWidget*>(lentoi_.get()), static_cast<QWidget*>(moniaktina_.get()),
          static_cast<QWidget*>(elSahl_.get()), static_cast<QWidget*>(eisagogiko_.get())})
        if (window)
            window->hide();
    end_();
}

void Application::undo(const windows::FormWindow& from) {
    history_.undo(frontWindow(*this, &from));
}

void Application::redo(const windows::FormWindow& from) {
    history_.redo(frontWindow(*this, &from));
}

void Application::freshStart() {
    applySetup(*this, startSetup_);
}

void Application::openSingleRay() {
    windows::Moniaktina& window = moniaktina();
    window.sizeToScreen();
    lentoi().hide();
    window.redrawOutline();
    window.Show();
}

void Application::openLensChoice() {
    eisagogiko().Show();
}

void Application::backToWorkbench() {
    if (moniaktina_)
        moniaktina_->hide();
    lentoi().Show();
}

void Application::backToLensChoice() {
    windows::ElSahl& window = elSahl();
    window.drawPicture({});
    window.hide();
    eisagogiko().Show();
}

} // namespace shell
