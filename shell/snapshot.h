#pragma once

#include <QString>
#include <QStringList>

namespace shell {

class Application;

// Writes one PNG per window, each as the program first shows it, into dir;
// with lensData, the workbench and Ibn Sahl's lenses show their lens-data
// panel. Returns the names of the files written, or an error message.
struct SnapshotResult {
    QStringList written;
    QString error;
};
enum class LensDataShown { No, Yes };
SnapshotResult writeSnapshots(Application& app, const QString& dir,
                              LensDataShown lensData = LensDataShown::No);

} // namespace shell
