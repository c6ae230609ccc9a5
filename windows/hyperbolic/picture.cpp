#include "windows/hyperbolic/elsahl.h"

#include "optics/hyperbolic/protosfakos.h"
#include "windows/lens_data/lensdatapanel.h"

#include <algorithm>
#include <array>
#include <utility>

namespace windows {

namespace sahl = optics::hyperbolic;

void ElSahl::drawPicture(const SahlPicture& picture) {
    picture_ = picture;
    surface().Cls();
    // Each part is drawn with the index it was drawn with, which the tracers
    // read from the lens; the lens choice's index is put back after. An
    // index that makes no lens draws nothing; its message comes with the
    // next drawing the user asks for.
    const double chosenIndex = state_.nsahl;
    // The light the lens data shows is the last part's, "WAVES" over the
    // drawing, and went through that part's lens.
    double lightIndex = chosenIndex;
    const auto drawWith = [&](double index, const auto& draw) {
        state_.nsahl = index;
        const std::optional<double> b = sahl::semiConjugateAxis(index);
        if (b) {
            state_.amfikyrtos = picture.biconvex;
            draw(*b);
            lightIndex = index;
        }
        return b.has_value();
    };
    SahlPicture lit = picture; // the parts drawn
    const auto drawing = [&](double b) {
        if (picture.drawing == SahlPicture::Drawing::PointSource)
            drawPointSource(picture.biconvex, b, picture.sourceX, picture.sourceY,
                            picture.drawnWith);
        else
            drawBeam(b, picture.beamAngleDeg, picture.drawnWith);
    };
    if (picture.drawing != SahlPicture::Drawing::Nothing && !drawWith(picture.index, drawing))
        lit.drawing = SahlPicture::Drawing::Nothing;
    if (picture.waves)
        lit.waves = drawWith(picture.wavesIndex, [&](double b) {
            drawWaves(b, picture.wavesX, picture.wavesY, picture.wavesDrawnWith);
        });
    state_.nsahl = lightIndex;
    keepLight(lightOf(lit));
    state_.nsahl = chosenIndex;
    canvasWidget().Refresh();
}

// The scale's corners stay with a new size, so the picture is drawn again
// in them as it was.
void ElSahl::redrawPicture() {
    redrawing_ = true;
    drawPicture(picture_);
    redrawing_ = false;
}

// The stop's blades hang from beyond the window's edges; a view that shows
// more of the plane than the own scale lengthens them to its edges.
void ElSahl::bladesReachEdges() {
    const canvas::Surface& view = surface();
    Line1.Y1 = std::max(Line1.Y1, view.ViewTop());
    Line2.Y1 = std::min(Line2.Y1, view.ViewTop() + view.ViewHeight());
}

void ElSahl::viewChanged() {
    bladesReachEdges();
    redrawPicture();
}

SahlOption ElSahl::chosenOption() const {
    for (const auto& [button, option] : optionButtons())
        if (button->isChecked())
            return option;
    return ElSahlSetup{}.option;
}

std::array<std::pair<QRadioButton*, ElSahlSetup::Option>, 3> ElSahl::optionButtons() const {
    using Option = ElSahlSetup::Option;
    return {std::pair{kymataYESNO, Option::kymataYESNO},
            std::pair{RAYSANDWAVES, Option::RAYSANDWAVES}, std::pair{onlyrays, Option::onlyrays}};
}

// A hidden window with nothing drawn is shown next by a lens choice, which
// puts the stop and the source back at their places: the set-up has them
// there, not where the window last had them. The picture's sources are the
// window's source, kept once.
ElSahlSetup ElSahl::setup() const {
    ElSahlSetup s;
    s.option = chosenOption();
    s.picture.biconvex = state_.amfikyrtos;
    s.lensData = lensDataPanel(*this)->shown();
    s.waveField = waveField_->mode();
    s.waveFieldWavelength = waveField_->wavelength();
    s.view = zoomView();
    if (!isVisible() && picture_ == SahlPicture{})
        return s;
    s.Line1 = {Line1.X1, Line1.Y2};
    s.Line2 = {Line2.X1, Line2.Y2};
    s.source = {source_.x, source_.y};
    s.picture.drawing = picture_.drawing;
    if (picture_.drawing == SahlPicture::Drawing::Beam)
        s.picture.beamAngleDeg = picture_.beamAngleDeg;
    if (picture_.drawing != SahlPicture::Drawing::Nothing) {
        s.picture.drawnWith = picture_.drawnWith;
        s.picture.index = picture_.index;
    }
    s.picture.waves = picture_.waves;
    if (picture_.waves) {
        s.picture.wavesDrawnWith = picture_.wavesDrawnWith;
        s.picture.wavesIndex = picture_.wavesIndex;
    }
    return s;
}

void ElSahl::apply(const ElSahlSetup& s) {
    takeZoomView(s.view);
    sizeForLensChoice();
    bladesReachEdges();
    for (const auto& [button, option] : optionButtons())
        if (option == s.option)
            button->setChecked(true);
    state_.amfikyrtos = s.picture.biconvex;
    Line1.X1 = Line1.X2 = s.Line1.x;
    Line1.Y2 = s.Line1.Y2;
    Line2.X1 = Line2.X2 = s.Line2.x;
    Line2.Y2 = s.Line2.Y2;
    // The fans' fronts start at the source the program shares.
    source_ = {s.source.x, s.source.y};
    state_.shared.pigiX = s.source.x;
    state_.shared.pigiY = s.source.y;
    lensDataPanel(*this)->setShown(s.lensData);
    waveField_->setWavelength(s.waveFieldWavelength);
    waveField_->setMode(s.waveField);
    SahlPicture picture;
    picture.drawing = s.picture.drawing;
    picture.biconvex = s.picture.biconvex;
    if (picture.drawing == SahlPicture::Drawing::PointSource) {
        picture.sourceX = s.source.x;
        picture.sourceY = s.source.y;
    }
    if (picture.drawing == SahlPicture::Drawing::Beam)
        picture.beamAngleDeg = s.picture.beamAngleDeg;
    if (picture.drawing != SahlPicture::Drawing::Nothing) {
        picture.drawnWith = s.picture.drawnWith;
        picture.index = s.picture.index;
    }
    if (s.picture.waves) {
        picture.waves = true;
        picture.wavesDrawnWith = s.picture.wavesDrawnWith;
        picture.wavesIndex = s.picture.wavesIndex;
        picture.wavesX = s.source.x;
        picture.wavesY = s.source.y;
    }
    drawPicture(picture);
}

} // namespace windows
