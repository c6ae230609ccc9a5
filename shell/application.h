#pragma once

#include "optics/hyperbolic/state.h"
#include "optics/shared/source.h"
#include "optics/spherical/state.h"
#include "shell/history.h"
#include "shell/setup.h"
#include "windows/common/host.h"

#include <functional>
#include <memory>
#include <optional>

namespace windows {
class ElSahl;
class Lentoi;
class Moniaktina;
} // namespace windows

namespace shell {

class Eisagogiko;

// Owns the optics state and the four windows. A window comes into being, with
// its Form_Load, the first time it is asked for, hidden until shown; no window
// is destroyed while the program runs.
class Application : public windows::Host {
  public:
    Application(windows::Dialogs& dialogs, windows::ScreenInfo screen);
    ~Application() override;

    // Start-up: the windows the program opens with.
    void Main();

    windows::Lentoi& lentoi();
    windows::Moniaktina& moniaktina();
    windows::ElSahl& elSahl();
    Eisagogiko& eisagogiko();
    // True once the single-ray window has been loaded.
    bool hasMoniaktina() const { return moniaktina_ != nullptr; }

    optics::SharedSource& source() { return source_; }
    optics::spherical::Poreiaaktinon& spherical() { return spherical_; }
    optics::hyperbolic::Protosfakos& hyperbolic() { return hyperbolic_; }

    // What "END" does; quits the event loop unless a test says otherwise.
    void setEndProgram(std::function<void()> end) { end_ = std::move(end); }

    windows::Dialogs& dialogs() override { return dialogs_; }
    const windows::ScreenInfo& screen() const override { return screen_; }
    void endProgram() override;
    void openSingleRay() override;
    void openLensChoice() override;
    void backToWorkbench() override;
    void backToLensChoice() override;
    void saveSetup(const windows::FormWindow& from) override;
    void openSetup() override;
    void undo(const windows::FormWindow& from) override;
    void redo(const windows::FormWindow& from) override;
    void freshStart() override;
    QString lastFolder() const override { return lastFolder_; }
    void setLastFolder(const QString& folder) override { lastFolder_ = folder; }

    // The set-up of the program as Main left it: a set-up file's fields
    // that it leaves out keep these values.
    const Setup& startSetup() const { return startSetup_; }
    // Opens the set-up file at path and shows it; a file that cannot be
    // read changes nothing, and its message is shown. False then.
    bool openSetupFile(const QString& path);
    // Saves the set-up, with front in front, to path; the message when it
    // could not be written.
    std::optional<QString> saveSetupFile(const QString& path, FrontWindow front);

    // The steps of undo and redo, kept from the end of Main on.
    const History& history() const { return history_; }

  private:
    windows::Dialogs& dialogs_;
    windows::ScreenInfo screen_;
    std::function<void()> end_;
    optics::SharedSource source_;
    optics::spherical::Poreiaaktinon spherical_;
    optics::hyperbolic::Protosfakos hyperbolic_;
    std::unique_ptr<windows::Lentoi> lentoi_;
    std::unique_ptr<windows::Moniaktina> moniaktina_;
    std::unique_ptr<windows::ElSahl> elSahl_;
    std::unique_ptr<Eisagogiko> eisagogiko_;
    QString lastFolder_;
    Setup startSetup_;
    // Last, so that it goes first: no window is read while it goes.
    History history_{*this};
};

} // namespace shell
