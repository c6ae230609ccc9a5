#include "windows/hyperbolic/elsahl.h"

#include "optics/lensdata/sahl_rays.h"
#include "windows/lens_data/lensdatapanel.h"
#include "windows/lens_data/lensdatatext.h"
#include "windows/wavefield/wavefieldrows.h"

namespace windows {

namespace ld = optics::lensdata;

void ElSahl::createLensData() {
    addLensDataPanel(*this, [this] {
        const SinceLight since =
            light_ && lightIndex_ != state_.nsahl ? SinceLight::LensChanged : SinceLight::SameLens;
        const double wavelength = waveField_->wavelength();
        LensDataContent content =
            sahlLensDataContent(ld::beamData(exitRays_, wavelength), light_, since, wavelength);
        addWaveFieldRows(content, *waveField_);
        return content;
    });
}

// The light a picture sent through the lens: the fan of "WAVES" when drawn
// over it, else its own source or beam; none without a lens.
std::optional<ld::Light> ElSahl::lightOf(const SahlPicture& picture) {
    if (picture.waves)
        return ld::PointSource{picture.wavesX, picture.wavesY};
    switch (picture.drawing) {
    case SahlPicture::Drawing::PointSource:
        return ld::PointSource{picture.sourceX, picture.sourceY};
    case SahlPicture::Drawing::Beam:
        // The beam comes in from the stop's side, travelling towards −x.
        return ld::ParallelBeam{-1, -beamSlope(picture.beamAngleDeg)};
    case SahlPicture::Drawing::Nothing: break;
    }
    return std::nullopt;
}

// The rays are taken from the records at once: the ray counter is shared
// with the workbench, which may count its own rays with it later.
void ElSahl::keepLight(const std::optional<ld::Light>& light) {
    light_ = light;
    lightIndex_ = state_.nsahl;
    exitRays_ = light ? ld::sahlExitRays(state_, *light) : std::vector<ld::ExitRay>{};
    lensDataPanel(*this)->invalidate();
}

} // namespace windows
