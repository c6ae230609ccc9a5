#pragma once

#include "shell/setup.h"
#include "windows/wavefield/wavefieldlayer.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace shell {

class Application;

// Writes one PNG per window into dir, and the set-up of the pictures drawn
// as setup.fakoi. Without a set-up file: each window as the program first
// shows it (both hyperbolic lenses; the set-up holds the last), so that the
// set-up written draws the same pictures again. With one: each window as
// the set-up draws it. With lensData, the workbench and Ibn Sahl's
// lenses show their lens-data panel, and with waveField their wave field,
// each picture taken once its field is computed. Returns the names of the files written,
// or an error message.
struct SnapshotResult {
    QStringList written;
    QString error;
};
enum class LensDataShown { No, Yes };
SnapshotResult writeSnapshots(Application& app, const QString& dir,
                              const std::optional<QString>& setupFile = std::nullopt,
                              LensDataShown lensData = LensDataShown::No,
                              windows::WaveFieldMode waveField = windows::WaveFieldMode::Off);

} // namespace shell
