#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace shell {

struct Options {
    QString snapshotDir; // empty: run the program
    int screenWidth = 1280;
    int screenHeight = 800;
    QString error; // a message for a command line that cannot be used
};

Options parseOptions(const QStringList& arguments);

} // namespace shell
