#include "shell/application.h"
#include "shell/setupfile.h"
#include "shell/setupwindows.h"
#include "windows/common/formwindow.h"

#include <QFileInfo>

namespace shell {

namespace {

const QString kSetupFilter = "fakoi set-ups (*.fakoi)";

} // namespace

void Application::saveSetup(const windows::FormWindow& from) {
    const FrontWindow front = frontWindow(*this, &from);
    const std::optional<QString> path = dialogs_.saveFileName(
        {"Αποθήκευση ρυθμίσεων Save set-up", windows::datedFilePath(lastFolder_, "fakoi", "fakoi"),
         kSetupFilter, "fakoi"});
    if (!path)
        return;
    if (const std::optional<QString> error = saveSetupFile(*path, front)) {
        dialogs_.message(*error);
        return;
    }
    lastFolder_ = QFileInfo(*path).absolutePath();
}

std::optional<QString> Application::saveSetupFile(const QString& path, FrontWindow front) {
    return writeSetupFile(path, captureSetup(*this, front));
}

void Application::openSetup() {
    const std::optional<QString> path =
        dialogs_.openFileName({"Άνοιγμα ρυθμίσεων Open set-up", lastFolder_,
                               kSetupFilter + ";;Όλα τα αρχεία All files (*)", "fakoi"});
    if (!path)
        return;
    lastFolder_ = QFileInfo(*path).absolutePath();
    openSetupFile(*path);
}

bool Application::openSetupFile(const QString& path) {
    const SetupReading reading = readSetupFile(path, startSetup_);
    if (!reading.setup) {
        dialogs_.message(reading.error);
        return false;
    }
    applySetup(*this, *reading.setup);
    return true;
}

} // namespace shell
