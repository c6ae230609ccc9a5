#include "windows/workbench/lentoi.h"

#include "optics/spherical/geometry.h"
#include "optics/spherical/trace_support.h"
#include "optics/spherical/tracer.h"
#include "windows/lens_data/lensdatapanel.h"
#include "windows/lens_data/lensdatatext.h"
#include "windows/wavefield/wavefieldrows.h"

#include <algorithm>
#include <cmath>

namespace windows {

namespace ld = optics::lensdata;
namespace sph = optics::spherical;

ld::SphericalLensData workbenchLensData(const sph::SphericalLens& lens,
                                        const std::optional<SentLight>& sent, double wavelength) {
    ld::SphericalLensData data;
    if (sent) {
        const std::vector<ld::ExitRay> rays =
            ld::traceExitRays(sent->lens, sent->diaphragm, sent->light, sent->starts);
        data = ld::sphericalLensData(sent->lens, sent->light, rays);
        data.beam = ld::beamData(rays, wavelength);
    }
    data.lens = ld::thickLens(lens);
    data.thinLensFocalLength = sph::estiaki(lens.radius1, lens.radius2, lens.deiktis);
    return data;
}

// The lens group follows the controls; the light group stays with the lens
// the light went through, and says when that is no longer the lens shown.
void Lentoi::createLensData() {
    addLensDataPanel(*this, [this] {
        const sph::SphericalLens lens = currentLens();
        const std::optional<SentLight>& sent = lensData_.light();
        const std::optional<ld::Light> light = sent ? std::optional(sent->light) : std::nullopt;
        const SinceLight since =
            sent && !(sent->lens == lens) ? SinceLight::LensChanged : SinceLight::SameLens;
        const double wavelength = waveField_->wavelength();
        LensDataContent content = sphericalLensDataContent(
            workbenchLensData(lens, sent, wavelength), light, since, wavelength);
        addWaveFieldRows(content, *waveField_);
        addObjectData(content);
        return content;
    });
}

// The lens of the controls, the master copy: the single-ray window shares
// the lens module's values and may have written its own lens there since.
sph::SphericalLens Lentoi::currentLens() const {
    return lensWith(index());
}

// The lens of the controls with the index a drawing was made with.
sph::SphericalLens Lentoi::lensWith(double n) const {
    return {static_cast<double>(kentrokykloy2->value()), static_cast<double>(kentrokykloy->value()),
            static_cast<double>(aktina1->value()), static_cast<double>(aktina2->value()), n};
}

void Lentoi::setDrawnLens() {
    lensDataPanel(*this)->invalidate();
}

SentLight Lentoi::makeSentLight(const ld::Light& light, int firstRecorded, int recordEnd,
                                std::vector<ld::RayStart> starts, double n) const {
    return {light,      lensWith(n), firstRecorded, recordEnd - firstRecorded, std::move(starts),
            diaphragm()};
}

// The picture's light from now on; light that left waves in the record it
// keeps is also what the record's animations show.
void Lentoi::setPictureLight(std::optional<SentLight> light, Recording recording) {
    lensData_.setLight(std::move(light), recording);
    lensDataPanel(*this)->invalidate();
}

// The animations show the waves of the record.
void Lentoi::showRecordLight() {
    lensData_.showRecordLight();
    lensDataPanel(*this)->invalidate();
}

// The rays of a fan from (x, y), as pointBundle sends them; none when the
// source lies off the window, where the tracers draw nothing.
std::vector<ld::RayStart> Lentoi::fanStarts(double x, double y, double anglestep) const {
    std::vector<ld::RayStart> starts;
    if (!sph::insideVisibleArea(surface(), x, y))
        return starts;
    const int directions = sph::fanDirections(anglestep);
    starts.reserve(static_cast<std::size_t>(directions));
    for (int i = 0; i < directions; ++i) {
        const double theta = sph::fanAngleRad(i, anglestep);
        starts.push_back({x, y, std::cos(theta), std::sin(theta)});
    }
    return starts;
}

} // namespace windows
