#include "windows/wavefield/wavefieldrows.h"

#include "windows/common/numbers.h"

#include <utility>

namespace windows {

void addWaveFieldRows(LensDataContent& content, const WaveFieldLayer& field) {
    if (field.mode() == WaveFieldMode::Off)
        return;
    const QString none = QStringLiteral("—");
    content.rows.push_back({});
    content.rows.push_back(
        {"Κυματικό πεδίο λ  Wave field λ", formatTwoDecimals(field.wavelength())});
    const ComputedField* shown = field.shownField();
    if (!shown || (shown->error.empty() && !shown->focus)) {
        content.rows.push_back({"Υπολογίζεται…  Computing…", QString()});
        return;
    }
    if (!shown->error.empty()) {
        content.rows.push_back({QString::fromStdString(shown->error), QString()});
        return;
    }
    const optics::wavefield::Focus& focus = *shown->focus;
    content.rows.push_back({"Λόγος Strehl  Strehl ratio", formatTwoDecimals(focus.strehl)});
    content.rows.push_back({"Πλάτος εστίας  Width of the focus",
                            focus.width ? formatTwoDecimals(*focus.width) : none});
    content.marks.push_back({LensDataMark::Kind::SpotRing, focus.x, focus.y,
                             focus.width.value_or(0), QStringLiteral("I max")});
    if (focus.profile.size() < 2)
        return;
    // The intensity across the beam at its brightest point, as the field's
    // focus measured it, with its first zeros marked.
    content.rows.push_back({"Ένταση κατά πλάτος  Intensity across the focus", QString()});
    LensDataPlot plot{focus.profile, focus.profileFrom, focus.profileStep, {}};
    if (focus.width)
        plot.marks = {focus.zeroBelow, focus.zeroAbove};
    content.plot = std::move(plot);
}

} // namespace windows
