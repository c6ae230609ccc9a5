#include "windows/workbench/lentoi.h"

#include "optics/spherical/trace_support.h"
#include "optics/spherical/tracer.h"

#include <cmath>

namespace windows {

namespace sph = optics::spherical;

void Lentoi::sxediasidesmis(double angle, Recording recording) {
    state_.isepanalipsi = true;
    picture_ = WorkbenchPicture::parallelBundle(angle);
    surface().Cls();
    arxinizo();
    state_.deiktis = index();
    copyGeometry();
    const double step = 400.0 / desmi1->value();
    // k runs from 200 down to -200 by step; counting the rays first keeps the
    // last one when the step divides 400 exactly.
    const int rays = static_cast<int>(std::floor(400.0 / step + 1e-9)) + 1;
    const double dx = std::cos(angle), dy = std::sin(angle);
    const sph::Diaphragm stop = diaphragm();
    // The waves are recorded after the rays the workbench recorded before.
    state_.shared.plithosaktinon = recordedRays_;
    const int firstRecorded = recordedRays_;
    std::vector<optics::lensdata::RayStart> starts;
    for (int i = 0; i < rays; ++i) {
        const double k = 200 - i * step;
        double x0 = -200 - k * std::tan(angle);
        double y0 = k / std::cos(angle);
        // An angle of a right angle or more puts the start at infinity: that
        // ray cannot appear in the window.
        if (!std::isfinite(x0) || !std::isfinite(y0))
            continue;
        // The tracers draw nothing from a start off the window.
        if (sph::insideVisibleArea(surface(), x0, y0))
            starts.push_back({x0, y0, dx, dy});
        traceBundleRay(x0, y0, dx, dy, stop);
    }
    const int recordEnd = state_.shared.plithosaktinon;
    if (recording == Recording::Kept) {
        recordedRays_ = recordEnd;
        if (firstRecorded == 0 && recordedRays_ > 0)
            recordContents_ = {WaveRecordContents::Kind::Bundle, {}};
    }
    setPictureLight(makeSentLight(optics::lensdata::ParallelBeam{dx, dy}, firstRecorded, recordEnd,
                                  std::move(starts)),
                    recording);
}

// One ray of the bundle as the check boxes ask: as a line, as waves, or both.
void Lentoi::traceBundleRay(double x0, double y0, double dx, double dy,
                            const sph::Diaphragm& stop) {
    const double n = index();
    if (!Check2->isChecked()) {
        double rx = x0, ry = y0;
        sph::traceRay(surface(), stop, rx, ry, dx, dy, state_.xa, state_.xb, state_.radius1,
                      state_.radius2, n);
    }
    if (Check1->isChecked() || Check2->isChecked())
        sph::traceWave(surface(), state_, stop, x0, y0, dx, dy, state_.xa, state_.xb,
                       state_.radius1, state_.radius2, n);
}

} // namespace windows
