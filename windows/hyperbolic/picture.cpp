#include "windows/hyperbolic/elsahl.h"

#include "optics/hyperbolic/protosfakos.h"

namespace windows {

namespace sahl = optics::hyperbolic;

void ElSahl::drawPicture(const SahlPicture& picture) {
    picture_ = picture;
    surface().Cls();
    // An index that makes no lens draws nothing; its message comes with the
    // next drawing the user asks for.
    const std::optional<double> b = sahl::semiConjugateAxis(state_.nsahl);
    const bool drawsLens = picture.drawing != SahlPicture::Drawing::Nothing || picture.waves;
    if (b && drawsLens) {
        state_.amfikyrtos = picture.biconvex;
        if (picture.drawing == SahlPicture::Drawing::PointSource)
            drawPointSource(picture.biconvex, *b, picture.sourceX, picture.sourceY);
        else if (picture.drawing == SahlPicture::Drawing::Beam)
            drawBeam(*b, picture.beamAngleDeg);
        if (picture.waves)
            drawWaves(*b, picture.wavesX, picture.wavesY);
    }
    keepLight(b && drawsLens ? lightOf(picture) : std::nullopt);
    canvasWidget().Refresh();
}

// The scale's corners stay with a new size, so the picture is drawn again
// in them as it was.
void ElSahl::redrawPicture() {
    redrawing_ = true;
    drawPicture(picture_);
    redrawing_ = false;
}

} // namespace windows
