#include "windows/workbench/lentoi.h"

#include "optics/spherical/geometry.h"
#include "optics/spherical/trace_support.h"
#include "optics/spherical/tracer.h"
#include "windows/lens_data/lensdatapanel.h"
#include "windows/lens_data/lensdatatext.h"

#include <algorithm>
#include <cmath>

namespace windows {

namespace ld = optics::lensdata;
namespace sph = optics::spherical;

namespace {

std::vector<ld::ExitRay> exitRays(const SentLight& sent, const sph::WaveRecord& record) {
    if (sent.recordedCount <= 0)
        return ld::traceExitRays(sent.lens, sent.diaphragm, sent.light, sent.drawnOnly);
    std::vector<ld::ExitRay> rays = ld::sphericalExitRays(
        record, sent.firstRecorded + sent.recordedCount, sent.lens.deiktis, sent.light);
    const auto before = static_cast<std::ptrdiff_t>(
        std::min<std::size_t>(static_cast<std::size_t>(sent.firstRecorded), rays.size()));
    rays.erase(rays.begin(), rays.begin() + before);
    return rays;
}

} // namespace

ld::SphericalLensData workbenchLensData(const sph::SphericalLens& drawn,
                                        const std::optional<SentLight>& sent,
                                        const sph::WaveRecord& record) {
    if (sent)
        return ld::sphericalLensData(drawn, sent->light, exitRays(*sent, record));
    ld::SphericalLensData data;
    data.lens = ld::thickLens(drawn);
    data.thinLensFocalLength = sph::estiaki(drawn.radius1, drawn.radius2, drawn.deiktis);
    return data;
}

void Lentoi::createLensData() {
    addLensDataPanel(*this, [this] {
        const std::optional<ld::Light> light =
            sentLight_ ? std::optional(sentLight_->light) : std::nullopt;
        return sphericalLensDataContent(workbenchLensData(drawnLens_, sentLight_, state_.record),
                                        light);
    });
}

// The lens as the lens module holds it now, with the index the window reads.
sph::SphericalLens Lentoi::currentLens() const {
    return {state_.xa, state_.xb, state_.radius1, state_.radius2, index()};
}

void Lentoi::setDrawnLens() {
    drawnLens_ = currentLens();
    lensDataPanel(*this)->invalidate();
}

SentLight Lentoi::lightSent(const ld::Light& light, int firstRecorded,
                            std::vector<ld::RayStart> starts) const {
    SentLight sent{light, currentLens(), firstRecorded, recordedRays_ - firstRecorded,
                   {},    diaphragm()};
    if (sent.recordedCount <= 0)
        sent.drawnOnly = std::move(starts);
    return sent;
}

// The picture's light from now on; light that left waves in the record is
// also what the record's animations show.
void Lentoi::sendLight(std::optional<SentLight> light) {
    if (light && light->recordedCount > 0)
        recordLight_ = light;
    sentLight_ = std::move(light);
    lensDataPanel(*this)->invalidate();
}

// The rays of a fan from (x, y), as pointBundle sends them; none when the
// source lies off the window, where the tracers draw nothing.
std::vector<ld::RayStart> Lentoi::fanStarts(double x, double y) const {
    std::vector<ld::RayStart> starts;
    if (!sph::insideVisibleArea(surface(), x, y))
        return starts;
    const int directions = sph::fanDirections(state_.anglestep);
    starts.reserve(static_cast<std::size_t>(directions));
    for (int i = 0; i < directions; ++i) {
        const double theta = sph::fanAngleRad(i, state_.anglestep);
        starts.push_back({x, y, std::cos(theta), std::sin(theta)});
    }
    return starts;
}

} // namespace windows
