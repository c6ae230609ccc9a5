#include "windows/hyperbolic/elsahl.h"

#include "optics/hyperbolic/hyperbola.h"
#include "optics/hyperbolic/lens.h"
#include "windows/lens_data/lensdatapanel.h"

#include <cmath>

namespace windows {

namespace ld = optics::lensdata;
namespace wf = optics::wavefield;
namespace sahl = optics::hyperbolic;

namespace {

// A beam's rays cross x = kBeamX at heights 100 down to −100, one unit
// apart through the biconvex lens, two through the plano-convex one; each
// stands for a strip of the beam as wide as their spacing.
wf::Beam beamOf(const ld::ParallelBeam& beam, bool biconvex) {
    const double length = std::hypot(beam.dx, beam.dy);
    const double half = (biconvex ? 1.0 : 2.0) / 2;
    const auto offset = [&](double y) { return (-beam.dy * sahl::kBeamX + beam.dx * y) / length; };
    const double a = offset(100 + half), b = offset(-100 - half);
    return {beam.dx / length, beam.dy / length, std::min(a, b), std::max(a, b)};
}

} // namespace

void ElSahl::createWaveField() {
    waveField_ = new WaveFieldLayer(
        *this, canvasWidget(), kElSahlWavelengths[0], [this] { return waveFieldSetup(); },
        [this] { return std::vector<canvas::Color>{surface().BackColor}; });
    connect(waveField_, &WaveFieldLayer::changed, lensDataPanel(*this), &LensDataPanel::renew);
}

std::optional<wf::Setup> ElSahl::waveFieldSetup() const {
    const std::optional<double> b = sahl::semiConjugateAxis(lightIndex_);
    if (!light_ || !b)
        return std::nullopt;
    wf::Setup setup;
    setup.lens = wf::SahlLens{sahl::kSemiTransverse, *b, lightIndex_, picture_.biconvex};
    double fromX = sahl::kBeamX;
    if (const auto* source = std::get_if<ld::PointSource>(&*light_)) {
        setup.light = *source;
        fromX = source->x;
    } else if (const auto* beam = std::get_if<ld::ParallelBeam>(&*light_)) {
        setup.light = beamOf(*beam, picture_.biconvex);
    }
    // The glass lies about x = 4a, whichever lens it is.
    setup.screen =
        screenOnTheWay(fromX, 4 * sahl::kSemiTransverse, wf::Screen{Line1.X1, Line2.Y2, Line1.Y2});
    return setup;
}

} // namespace windows
