#include "windows/wavefield/wavefieldrows.h"

#include "windows/common/numbers.h"

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
}

} // namespace windows
