#include "shell/setupfields.h"
#include "shell/setupjson.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <vector>

namespace shell {

namespace {

// The shortest decimal form that reads back as the same double. JSON has no
// NaN, no infinity and, in some readers, no negative zero, and a file that
// cannot be read back is worth nothing: NaN is written as 0, an infinity as
// the largest double of its sign, -0 as 0.
QByteArray formatNumber(double value) {
    const double largest = std::numeric_limits<double>::max();
    value = std::isnan(value) ? 0 : std::clamp(value, -largest, largest);
    if (value == 0)
        value = 0;
    char digits[32];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    return QByteArray(digits, int(end - digits));
}

// Writes the fields of setupfields.h as JSON: one field a line, four blanks
// deep for each level, the small objects of the third level (points and
// blades) on one line, and a list of points one point a line.
class SetupWriter {
  public:
    SetupWriter() { open(); }

    QByteArray finish() {
        close();
        text_ += '\n';
        return text_;
    }

    void integer(const char* name, int value, int /*min*/, int /*max*/) {
        key(name);
        text_ += QByteArray::number(value);
    }

    void number(const char* name, double value) {
        key(name);
        text_ += formatNumber(value);
    }

    void number(const char* name, double value, double /*min*/, double /*max*/) {
        number(name, value);
    }

    void angle(const char* name, double value) { number(name, value); }

    template <class E, std::size_t N>
    void choice(const char* name, E value, const SetupChoice<E> (&names)[N]) {
        const auto found =
            std::find_if(std::begin(names), std::end(names),
                         [value](const SetupChoice<E>& c) { return c.value == value; });
        // Every enumerator has its name in its table (the round-trip test
        // writes them all); should one be missing, the first name still
        // gives a file that reads.
        Q_ASSERT(found != std::end(names));
        key(name);
        text_ += '"' + QByteArray(found != std::end(names) ? found->name : names[0].name) + '"';
    }

    template <class Body> void object(const char* name, Body&& body) {
        key(name);
        open();
        body();
        close();
    }

    template <class P, class Fields>
    void optionalPoint(const char* name, const std::optional<P>& point, Fields&& fields) {
        if (point)
            object(name, [&] { fields(*point); });
    }

    template <class T, class Body> void defaultsTo(const T& value, const T& start, Body&& body) {
        if (!(value == start))
            body();
    }

    void boolean(const char* name, bool value) {
        key(name);
        text_ += value ? "true" : "false";
    }

    // One point a line, one level deeper than the list's name.
    template <class P, class Fields>
    void points(const char* name, const std::vector<P>& points, int /*most*/, Fields&& fields) {
        key(name);
        text_ += '[';
        const QByteArray inner = indent(firsts_.size() + 1);
        for (std::size_t i = 0; i < points.size(); ++i) {
            text_ += (i == 0 ? "" : ",") + inner;
            open();
            fields(points[i]);
            close();
        }
        if (!points.empty())
            text_ += indent(firsts_.size());
        text_ += ']';
    }

    template <class T, class Fields>
    void objects(const char* name, const std::vector<T>& items, int most, Fields&& fields) {
        points(name, items, most, fields);
    }

  private:
    bool onOneLine() const { return firsts_.size() >= 3; }
    static QByteArray indent(std::size_t depth) { return '\n' + QByteArray(int(4 * depth), ' '); }

    void key(const char* name) {
        if (!firsts_.back())
            text_ += ',';
        firsts_.back() = false;
        if (onOneLine())
            text_ += text_.endsWith('{') ? "" : " ";
        else
            text_ += indent(firsts_.size());
        text_ += '"' + QByteArray(name) + "\": ";
    }

    void open() {
        text_ += '{';
        firsts_.push_back(true);
    }

    void close() {
        const bool wasInline = onOneLine();
        firsts_.pop_back();
        if (!wasInline)
            text_ += indent(firsts_.size());
        text_ += '}';
    }

    QByteArray text_;
    std::vector<bool> firsts_; // per open object: no field written yet
};

} // namespace

QByteArray setupToJson(const Setup& setup) {
    SetupWriter writer;
    writer.integer("format", kSetupFormat, kSetupFormat, kSetupFormat);
    visitSetup(writer, setup);
    return writer.finish();
}

} // namespace shell
