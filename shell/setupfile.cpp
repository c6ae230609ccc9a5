#include "shell/setupfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace shell {

namespace {

SetupFault tooLarge() {
    const QString limit = QString::number(kSetupFileLimit / 1024);
    return {"είναι μεγαλύτερο από " + limit + " KiB", "it is larger than " + limit + " KiB"};
}

SetupFault unreadable(const QFile& file) {
    return {"δεν διαβάζεται (" + file.errorString() + ")",
            "it cannot be read (" + file.errorString() + ")"};
}

} // namespace

SetupReading readSetupFile(const QString& path, const Setup& start) {
    const auto refused = [&path](const SetupFault& fault) {
        return SetupReading{{}, setupRefusal(path, fault)};
    };
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return refused({"δεν είναι κανονικό αρχείο", "it is not a regular file"});
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(unreadable(file));
    if (file.size() > kSetupFileLimit)
        return refused(tooLarge());
    // One byte more than the limit tells a file that grew since its size was read.
    const QByteArray text = file.read(kSetupFileLimit + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(unreadable(file));
    if (text.size() > kSetupFileLimit)
        return refused(tooLarge());
    return setupFromJson(text, path, start);
}

std::optional<QString> writeSetupFile(const QString& path, const Setup& setup) {
    const QByteArray text = setupToJson(setup);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit())
        return {};
    return QString("Το αρχείο ρυθμίσεων «%1» δεν γράφτηκε (%2).\n"
                   "The set-up file \"%1\" was not written (%2).")
        .arg(path, file.errorString());
}

} // namespace shell
