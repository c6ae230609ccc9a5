#include "shell/options.h"

#include <QRegularExpression>

namespace shell {

namespace {

bool parseScreen(const QString& text, Options& options) {
    static const QRegularExpression pattern("^(\\d{1,5})x(\\d{1,5})$");
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    const int width = match.captured(1).toInt();
    const int height = match.captured(2).toInt();
    if (width < 320 || height < 240 || width > 8192 || height > 8192)
        return false;
    options.screenWidth = width;
    options.screenHeight = height;
    return true;
}

} // namespace

Options parseOptions(const QStringList& arguments) {
    Options options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (arg == "--snapshot" && hasValue) {
            options.snapshotDir = arguments[++i];
        } else if (arg == "--screen" && hasValue) {
            if (!parseScreen(arguments[++i], options))
                options.error = "--screen wants WIDTHxHEIGHT, from 320x240 to 8192x8192";
        } else {
            options.error = "usage: fakoi [--snapshot DIR [--screen WxH]]";
        }
    }
    return options;
}

} // namespace shell
