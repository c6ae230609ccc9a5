#include "windows/common/dialogs.h"

#include <QDate>
#include <QDir>

namespace windows {

QString datedFilePath(const QString& folder, const QString& stem, const QString& suffix) {
    return QDir(folder).absoluteFilePath(stem + '-' + QDate::currentDate().toString(Qt::ISODate) +
                                         '.' + suffix);
}

} // namespace windows
