#pragma once

#include "shell/setup.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace shell {

// The version of the set-up format this program writes, and the newest it reads.
inline constexpr int kSetupFormat = 1;

// The text of a set-up file: a JSON object whose "format" field comes first,
// then "front" and one object per window with the fields of setupfields.h.
// The same set-up always gives the same bytes, and every double is written
// in the shortest form that reads back to the same double, so reading and
// writing again gives the same text.
QByteArray setupToJson(const Setup& setup);

// Why a file is refused, in Greek and in English.
struct SetupFault {
    QString greek;
    QString english;
};

// The message a user sees for a refused file: Greek, then English, both
// naming the file.
QString setupRefusal(const QString& fileName, const SetupFault& fault);

struct SetupReading {
    std::optional<Setup> setup; // empty when the text was refused
    QString error;              // then why, naming the file
};

// Reads a set-up from the text of the file fileName, starting from start,
// the set-up of the program as it starts (some of its values, the blades'
// places, come from the drawing of the start picture, the rest are those
// of Setup{}): a field left out keeps its start value, an unknown field is
// ignored, and an integer control's value is rounded and held in its range
// as the control would hold it. A text that is not JSON, has no "format" or
// a newer one, or holds a field of the wrong type (NaN, infinities and
// numbers beyond the range of a double included) is refused as a whole.
SetupReading setupFromJson(const QByteArray& text, const QString& fileName,
                           const Setup& start = Setup{});

} // namespace shell
