#include "windows/workbench/lentoi.h"

#include "windows/lens_data/lensdatapanel.h"

#include <algorithm>
#include <cmath>

namespace windows {

namespace ld = optics::lensdata;
namespace wf = optics::wavefield;

namespace {

// A bundle's band: its rays' offsets across it, widened by half their
// spacing on each side, as the rays stand for strips of the beam.
wf::Beam beamOf(const ld::ParallelBeam& beam, const std::vector<ld::RayStart>& starts) {
    const double length = std::hypot(beam.dx, beam.dy);
    std::vector<double> offsets;
    offsets.reserve(starts.size());
    for (const ld::RayStart& start : starts)
        offsets.push_back((-beam.dy * start.x + beam.dx * start.y) / length);
    std::sort(offsets.begin(), offsets.end());
    double spacing = 0;
    for (std::size_t i = 1; i < offsets.size(); ++i)
        if (offsets[i] > offsets[i - 1])
            spacing = spacing > 0 ? std::min(spacing, offsets[i] - offsets[i - 1])
                                  : offsets[i] - offsets[i - 1];
    return {beam.dx / length, beam.dy / length, offsets.front() - spacing / 2,
            offsets.back() + spacing / 2};
}

} // namespace

void Lentoi::createWaveField() {
    waveField_ = new WaveFieldLayer(
        *this, canvasWidget(), kLentoiWavelengths[0], [this] { return waveFieldSetup(); },
        [this] {
            return std::vector<canvas::Color>{surface().BackColor, kLensFill};
        });
    connect(waveField_, &WaveFieldLayer::changed, lensDataPanel(*this), &LensDataPanel::renew);
}

std::optional<wf::Setup> Lentoi::waveFieldSetup() const {
    const std::optional<SentLight>& sent = lensData_.light();
    if (!sent || sent->starts.empty())
        return std::nullopt;
    wf::Setup setup;
    setup.lens = sent->lens;
    if (const auto* source = std::get_if<ld::PointSource>(&sent->light))
        setup.light = *source;
    else if (const auto* beam = std::get_if<ld::ParallelBeam>(&sent->light))
        setup.light = beamOf(*beam, sent->starts);
    const auto leftmost =
        std::min_element(sent->starts.begin(), sent->starts.end(),
                         [](const ld::RayStart& p, const ld::RayStart& q) { return p.x < q.x; });
    const double fromX = std::holds_alternative<ld::PointSource>(sent->light)
                             ? std::get<ld::PointSource>(sent->light).x
                             : leftmost->x;
    setup.screen =
        screenOnTheWay(fromX, (sent->lens.xa + sent->lens.xb) / 2,
                       wf::Screen{sent->diaphragm.x, sent->diaphragm.bottom, sent->diaphragm.top});
    return setup;
}

} // namespace windows
