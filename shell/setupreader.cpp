#include "shell/setupfields.h"
#include "shell/setupjson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace shell {

namespace {

const SetupFault kFiniteNumber{"πεπερασμένος αριθμός", "a finite number"};
const SetupFault kLightAngle{"αριθμός μεταξύ −90 και 90", "a number between −90 and 90"};
const SetupFault kObject{"αντικείμενο { }", "an object { }"};
const SetupFault kPoint{"αντικείμενο με τους αριθμούς x και y",
                        "an object with the numbers x and y"};
const SetupFault kBoolean{"true ή false", "true or false"};

SetupFault objectList(int most) {
    const QString count = QString::number(most);
    return {"λίστα [ ] το πολύ " + count + " αντικειμένων { }",
            "a list [ ] of at most " + count + " objects { }"};
}

SetupFault pointList(int most) {
    const QString count = QString::number(most);
    return {"λίστα [ ] το πολύ " + count + " αντικειμένων με τους αριθμούς x και y",
            "a list [ ] of at most " + count + " objects with the numbers x and y"};
}

template <class E, std::size_t N> SetupFault oneOf(const SetupChoice<E> (&names)[N]) {
    QStringList greek, english;
    for (const SetupChoice<E>& choice : names) {
        greek << QString("«%1»").arg(choice.name);
        english << QString("\"%1\"").arg(choice.name);
    }
    return {"ένα από τα " + greek.join(", "), "one of " + english.join(", ")};
}

// Reads the fields of setupfields.h from a JSON object into a set-up. The
// first field that cannot be read is kept in fault, and from then on nothing
// more is read.
class SetupReader {
  public:
    explicit SetupReader(const QJsonObject& root) : objects_{root} {}

    std::optional<SetupFault> fault;

    // Rounded and held in min..max, as the control holds a value given to it.
    void integer(const char* name, int& value, int min, int max) {
        if (const std::optional<double> number = finiteNumber(name))
            value = int(std::lround(std::clamp(*number, double(min), double(max))));
    }

    void number(const char* name, double& value) {
        if (const std::optional<double> number = finiteNumber(name))
            value = *number;
    }

    void number(const char* name, double& value, double min, double max) {
        if (const std::optional<double> number = finiteNumber(name))
            value = std::clamp(*number, min, max);
    }

    void angle(const char* name, double& value) {
        const std::optional<double> number = finiteNumber(name);
        if (!number)
            return;
        if (windows::isLightAngle(*number))
            value = *number;
        else
            refuse(name, kLightAngle);
    }

    template <class E, std::size_t N>
    void choice(const char* name, E& value, const SetupChoice<E> (&names)[N]) {
        const std::optional<QJsonValue> field = find(name);
        if (!field)
            return;
        for (const SetupChoice<E>& choice : names) {
            if (field->isString() && field->toString() == QLatin1String(choice.name)) {
                value = choice.value;
                return;
            }
        }
        refuse(name, oneOf(names));
    }

    template <class Body> void object(const char* name, Body&& body) {
        const std::optional<QJsonValue> field = find(name);
        if (!field)
            return;
        if (!field->isObject())
            return refuse(name, kObject);
        path_ << name;
        objects_.push_back(field->toObject());
        body();
        objects_.pop_back();
        path_.removeLast();
    }

    // A mark whose start place has no numbers needs both of its coordinates.
    template <class P, class Fields>
    void optionalPoint(const char* name, std::optional<P>& point, Fields&& fields) {
        const std::optional<QJsonValue> field = find(name);
        if (!field)
            return;
        if (!isPoint(*field))
            return refuse(name, kPoint);
        P read;
        object(name, [&] { fields(read); });
        if (!fault)
            point = read;
    }

    void boolean(const char* name, bool& value) {
        const std::optional<QJsonValue> field = find(name);
        if (!field)
            return;
        if (!field->isBool())
            return refuse(name, kBoolean);
        value = field->toBool();
    }

    // A list replaces the start value as a whole; each of its points needs
    // both coordinates.
    template <class P, class Fields>
    void points(const char* name, std::vector<P>& points, int most, Fields&& fields) {
        list(name, points, most, isPoint, pointList(most), fields);
    }
    template <class T, class Fields>
    void objects(const char* name, std::vector<T>& items, int most, Fields&& fields) {
        list(name, items, most, &QJsonValue::isObject, objectList(most), fields);
    }

    template <class T, class Body> void defaultsTo(T& value, const T& start, Body&& body) {
        value = start;
        body();
    }

  private:
    template <class T, class IsItem, class Fields>
    void list(const char* name, std::vector<T>& items, int most, IsItem&& isItem,
              const SetupFault& refusal, Fields&& fields) {
        const std::optional<QJsonValue> field = find(name);
        if (!field)
            return;
        const QJsonArray given = field->toArray();
        if (!field->isArray() || given.size() > most ||
            !std::all_of(given.begin(), given.end(),
                         [&](const QJsonValue& item) { return std::invoke(isItem, item); }))
            return refuse(name, refusal);
        std::vector<T> read(std::size_t(given.size()));
        for (qsizetype i = 0; i < given.size() && !fault; ++i) {
            path_ << QString("%1[%2]").arg(name).arg(i);
            objects_.push_back(given[i].toObject());
            fields(read[std::size_t(i)]);
            objects_.pop_back();
            path_.removeLast();
        }
        if (!fault)
            items = std::move(read);
    }

    static bool isPoint(const QJsonValue& value) {
        const QJsonObject point = value.toObject();
        return value.isObject() && point.contains("x") && point.contains("y");
    }

    // The field of the current object, when it is there and nothing has
    // been refused yet.
    std::optional<QJsonValue> find(const char* name) const {
        if (fault)
            return {};
        const QJsonObject& current = objects_.back();
        const auto it = current.constFind(QLatin1String(name));
        if (it == current.constEnd())
            return {};
        return it.value();
    }

    // Qt's parser already refuses NaN, infinities and numbers beyond the
    // range of a double; the test here keeps that so whatever the parser.
    std::optional<double> finiteNumber(const char* name) {
        const std::optional<QJsonValue> field = find(name);
        if (!field)
            return {};
        if (field->isDouble() && std::isfinite(field->toDouble()))
            return field->toDouble();
        refuse(name, kFiniteNumber);
        return {};
    }

    void refuse(const char* name, const SetupFault& expected) {
        const QString field = (path_ + QStringList{name}).join('.');
        fault = SetupFault{"το πεδίο «" + field + "» πρέπει να είναι " + expected.greek,
                           "the field \"" + field + "\" must be " + expected.english};
    }

    std::vector<QJsonObject> objects_; // the object being read, innermost last
    QStringList path_;                 // the names of the objects below the root
};

// Where the parser stopped, as a person counts: lines and columns from 1.
QString position(const QByteArray& text, int offset, const char* line, const char* column) {
    const QByteArray before = text.left(offset);
    return QString("%1 %2, %3 %4")
        .arg(line)
        .arg(before.count('\n') + 1)
        .arg(column)
        .arg(offset - before.lastIndexOf('\n'));
}

SetupFault parseFault(const QByteArray& text, const QJsonParseError& error) {
    const QString greekPlace = position(text, error.offset, "γραμμή", "στήλη");
    const QString englishPlace = position(text, error.offset, "line", "column");
    if (error.error == QJsonParseError::IllegalNumber)
        return {"ο αριθμός κοντά στη " + greekPlace +
                    " δεν είναι πεπερασμένος αριθμός μέσα στο εύρος ενός double",
                "the number near " + englishPlace +
                    " is not a finite number within the range of a double"};
    return {"δεν είναι JSON (σφάλμα κοντά στη " + greekPlace + ")",
            "it is not JSON (" + error.errorString() + " near " + englishPlace + ")"};
}

std::optional<SetupFault> formatFault(const QJsonObject& root) {
    if (!root.contains("format"))
        return SetupFault{"δεν έχει πεδίο «format»", "it has no \"format\" field"};
    SetupReader reader(root);
    double format = 0;
    reader.number("format", format);
    if (reader.fault)
        return reader.fault;
    const QString given = QString::number(format);
    const QString known = QString::number(kSetupFormat);
    if (format > kSetupFormat)
        return SetupFault{"έχει μορφή " + given + ", νεότερη από τη μορφή " + known +
                              " που διαβάζει αυτό το πρόγραμμα",
                          "its format " + given + " is newer than format " + known +
                              ", which this program reads"};
    if (format != kSetupFormat)
        return SetupFault{"έχει μορφή " + given + ", που δεν υπάρχει",
                          "its format " + given + " does not exist"};
    return {};
}

} // namespace

QString setupRefusal(const QString& fileName, const SetupFault& fault) {
    return QString("Το αρχείο ρυθμίσεων «%1» δεν διαβάστηκε: %2.\n"
                   "The set-up file \"%1\" was not read: %3.")
        .arg(fileName, fault.greek, fault.english);
}

SetupReading setupFromJson(const QByteArray& text, const QString& fileName, const Setup& start) {
    const auto refused = [&fileName](const SetupFault& fault) {
        return SetupReading{{}, setupRefusal(fileName, fault)};
    };
    if (text.trimmed().isEmpty())
        return refused({"είναι κενό", "it is empty"});
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError)
        return refused(parseFault(text, error));
    if (!document.isObject())
        return refused({"δεν περιέχει αντικείμενο JSON { }", "it holds no JSON object { }"});
    const QJsonObject root = document.object();
    if (const std::optional<SetupFault> fault = formatFault(root))
        return refused(*fault);
    Setup setup = start;
    SetupReader reader(root);
    visitSetup(reader, setup);
    if (reader.fault)
        return refused(*reader.fault);
    return {setup, {}};
}

} // namespace shell
