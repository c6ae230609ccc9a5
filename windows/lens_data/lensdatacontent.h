#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace windows {

// One line of the lens-data panel: a bilingual label and its value (empty
// for a line that is a statement alone). A line with neither is a rule
// between two groups.
struct LensDataRow {
    QString label;
    QString value;
    bool operator==(const LensDataRow&) const = default;
};

// A mark the panel puts on the drawing, in the window's user units: a short
// tick across the axis at x with its name, a ring of the given diameter
// (at least a few pixels) round a spot at (x, y), or a thin line along the
// normal (normalX, normalY) of a face through its point (x, y), named at
// its end.
struct LensDataMark {
    enum class Kind { AxisTick, SpotRing, Normal };
    Kind kind = Kind::AxisTick;
    double x = 0, y = 0;
    double diameter = 0;
    QString name;
    double normalX = 0, normalY = 0;
    bool operator==(const LensDataMark&) const = default;
};

// A curve the panel plots under its rows, as wide as the panel: values at
// even steps of an offset, drawn against the largest of them, and lines
// across the plot at the offsets marked.
struct LensDataPlot {
    std::vector<double> values;
    double from = 0, step = 0; // values[i] lies at the offset from + i·step
    std::vector<double> marks;
    bool operator==(const LensDataPlot&) const = default;
};

// The panel's caption on the lens windows, and on the single-ray window.
inline const QString kLensDataCaption = QStringLiteral("ΔΕΔΟΜΕΝΑ ΦΑΚΟΥ  LENS DATA");
inline const QString kRayAnglesCaption = QStringLiteral("ΓΩΝΙΕΣ ΤΗΣ ΑΚΤΙΝΑΣ  RAY ANGLES");

// What the panel shows under its caption.
struct LensDataContent {
    std::vector<LensDataRow> rows;
    std::vector<LensDataMark> marks;
    std::optional<LensDataPlot> plot;
    bool operator==(const LensDataContent&) const = default;
};

} // namespace windows
