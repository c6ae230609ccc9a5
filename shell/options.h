#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace shell {

struct Options {
    QString setupFile;   // a set-up to start with; empty: the start state
    QString snapshotDir; // empty: run the program
    int screenWidth = 1280;
    int screenHeight = 800;
    // The device pixel ratio of the pictures; none: that of the platform
    // (1, or what QT_SCALE_FACTOR and the like make it).
    std::optional<double> scale;
    bool lensData = false; // the pictures of lentoi and ElSahl show the lens-data panel
    // The pictures of lentoi and ElSahl show the wave field: "intensity" or
    // "wave"; empty: none.
    QString waveField;
    QString error; // a message for a command line that cannot be used
};

Options parseOptions(const QStringList& arguments);

} // namespace shell
