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

// Pictures of up to 16384 pixels a side: ratios up to 4 for any screen the
// pictures are commonly made for, and no run asks for gigabytes.
constexpr int kLargestPicturePx = 16384;

bool parseScale(const QString& text, Options& options) {
    bool ok = false;
    const double scale = text.toDouble(&ok);
    if (!ok || !(scale >= 0.5 && scale <= 4))
        return false;
    options.scale = scale;
    return true;
}

bool fitsPictures(const Options& options) {
    const double scale = options.scale.value_or(1);
    return options.screenWidth * scale <= kLargestPicturePx &&
           options.screenHeight * scale <= kLargestPicturePx;
}

const char* const kUsage = "usage: fakoi [FILE | --setup FILE] [--snapshot DIR [--screen WxH] "
                           "[--scale F] [--lens-data] [--wave-field [intensity|wave]]]";

// FILE alone or after --setup; one set-up only.
void takeSetup(const QString& file, Options& options) {
    if (options.setupFile.isEmpty() && !file.isEmpty())
        options.setupFile = file;
    else
        options.error = kUsage;
}

} // namespace

Options parseOptions(const QStringList& arguments) {
    Options options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (arg == "--setup" && hasValue) {
            takeSetup(arguments[++i], options);
        } else if (!arg.startsWith('-')) {
            takeSetup(arg, options);
        } else if (arg == "--snapshot" && hasValue) {
            options.snapshotDir = arguments[++i];
        } else if (arg == "--screen" && hasValue) {
            if (!parseScreen(arguments[++i], options))
                options.error = "--screen wants WIDTHxHEIGHT, from 320x240 to 8192x8192";
        } else if (arg == "--scale" && hasValue) {
            if (!parseScale(arguments[++i], options))
                options.error = "--scale wants a device pixel ratio from 0.5 to 4";
        } else if (arg == "--lens-data") {
            options.lensData = true;
        } else if (arg == "--wave-field") {
            const bool named =
                hasValue && (arguments[i + 1] == "intensity" || arguments[i + 1] == "wave");
            options.waveField = named ? arguments[++i] : QString("intensity");
        } else {
            options.error = kUsage;
        }
    }
    if (options.error.isEmpty() && options.scale && options.snapshotDir.isEmpty())
        options.error = "--scale is for pictures: give it with --snapshot DIR";
    if (options.error.isEmpty() && options.lensData && options.snapshotDir.isEmpty())
        options.error = "--lens-data is for pictures: give it with --snapshot DIR";
    if (options.error.isEmpty() && !options.waveField.isEmpty() && options.snapshotDir.isEmpty())
        options.error = "--wave-field is for pictures: give it with --snapshot DIR";
    if (options.error.isEmpty() && !fitsPictures(options))
        options.error = "--screen times --scale makes pictures over 16384 pixels a side";
    return options;
}

} // namespace shell
