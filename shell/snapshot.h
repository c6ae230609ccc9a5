#pragma once

#include <QString>
#include <QStringList>

namespace shell {

class Application;

// Writes one PNG per window, each as the program first shows it, into dir. Returns the
// names of the files written, or an error message.
struct SnapshotResult {
    QStringList written;
    QString error;
};
SnapshotResult writeSnapshots(Application& app, const QString& dir);

} // namespace shell
