#include "windows/workbench/lentoi.h"

#include "optics/spherical/trace_support.h"
#include "optics/spherical/tracer.h"
#include "optics/spherical/workbench.h"

#include <cmath>

namespace windows {

namespace sph = optics::spherical;

void Lentoi::sxediasidesmis(double angle, const WorkbenchDrawing& drawing, Recording recording) {
    state_.isepanalipsi = true;
    picture_ = WorkbenchPicture::parallelBundle(angle, drawing);
    surface().Cls();
    const double n = indexFor(drawing.deiktisdiathlasis);
    arxinizo(n);
    state_.deiktis = n;
    copyGeometry();
    const double dx = std::cos(angle), dy = std::sin(angle);
    const sph::Diaphragm stop = diaphragm();
    // The waves are recorded after the rays the workbench recorded before.
    state_.shared.plithosaktinon = recordedRays_;
    const int firstRecorded = recordedRays_;
    std::vector<optics::lensdata::RayStart> starts;
    for (const optics::Point start : sph::bundleStarts(angle, drawing.desmi1)) {
        // The tracers draw nothing from a start off the window.
        if (sph::insideVisibleArea(surface(), start.x, start.y))
            starts.push_back({start.x, start.y, dx, dy});
        traceBundleRay(start.x, start.y, dx, dy, stop, drawing);
    }
    const int recordEnd = state_.shared.plithosaktinon;
    if (recording == Recording::Kept) {
        recordedRays_ = recordEnd;
        if (firstRecorded == 0 && recordedRays_ > 0)
            recordContents_ = {WaveRecordContents::Kind::Bundle, {}, drawing};
    }
    setPictureLight(makeSentLight(optics::lensdata::ParallelBeam{dx, dy}, firstRecorded, recordEnd,
                                  std::move(starts), n),
                    recording);
}

// One ray of the bundle as the check boxes ask: as a line, as waves, or both.
void Lentoi::traceBundleRay(double x0, double y0, double dx, double dy, const sph::Diaphragm& stop,
                            const WorkbenchDrawing& drawing) {
    const double n = indexFor(drawing.deiktisdiathlasis);
    if (!drawing.Check2) {
        double rx = x0, ry = y0;
        sph::traceRay(surface(), stop, rx, ry, dx, dy, state_.xa, state_.xb, state_.radius1,
                      state_.radius2, n);
    }
    if (drawing.Check1 || drawing.Check2)
        sph::traceWave(surface(), state_, stop, x0, y0, dx, dy, state_.xa, state_.xb,
                       state_.radius1, state_.radius2, n);
}

} // namespace windows
