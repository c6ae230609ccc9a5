#include "windows/hyperbolic/elsahl.h"

#include "optics/hyperbolic/protosfakos.h"
#include "windows/common/askangle.h"

#include <cmath>
#include <numbers>

namespace windows {

namespace sahl = optics::hyperbolic;

QString ElSahl::invalidIndex() {
    return QString(QChar(0x60)) + "Ακυρος Δείκτης Διάθλασηςgive a bigger value";
}

std::optional<double> ElSahl::guardedAxis(const QString& refusal) {
    // An index of exactly 1 gives b = 0, a lens of no height whose slopes
    // cannot be formed: it is refused like an index below 1.
    const std::optional<double> b = sahl::semiConjugateAxis(state_.nsahl);
    if (!b)
        host().dialogs().message(refusal);
    return b;
}

void ElSahl::parallilidesmifotos_Click() {
    // Cancel, nothing typed or no number: no beam, the picture stays.
    const std::optional<double> degrees =
        askAngle(host().dialogs(), {"DIRECTION IN  RESPECT TO HORIZONTAL", "Angle in °", "0",
                                    "Άκυρη γωνία Invalid angle"});
    if (!degrees)
        return;
    if (!guardedAxis(invalidIndex()))
        return;
    SahlPicture picture;
    picture.drawing = SahlPicture::Drawing::Beam;
    picture.biconvex = state_.amfikyrtos;
    picture.beamAngleDeg = *degrees;
    picture.drawnWith = chosenOption();
    picture.index = state_.nsahl;
    drawPicture(picture);
}

// π/180 first, so that no finite angle overflows before the tangent; a
// vertical beam's huge slope is bounded by the tracers.
double ElSahl::beamSlope(double degrees) {
    return std::tan(degrees * (std::numbers::pi / 180));
}

void ElSahl::drawBeam(double b, double degrees, SahlOption option) {
    const double slope = beamSlope(degrees);
    sahl::SahlView window = view(option);
    if (state_.amfikyrtos)
        sahl::amfikyrtosDesmi(state_, window, sahl::kSemiTransverse, b, slope);
    else
        sahl::epipedokyrtosDesmi(state_, window, sahl::kSemiTransverse, b, slope);
}

// "WAVES" draws over what the window shows, from the shared source.
void ElSahl::kymatikosahl_Click() {
    const std::optional<double> b = guardedAxis(kIndexRefusal);
    if (!b)
        return;
    picture_.biconvex = state_.amfikyrtos;
    picture_.waves = true;
    picture_.wavesX = state_.shared.pigiX;
    picture_.wavesY = state_.shared.pigiY;
    picture_.wavesDrawnWith = chosenOption();
    picture_.wavesIndex = state_.nsahl;
    drawWaves(*b, picture_.wavesX, picture_.wavesY, picture_.wavesDrawnWith);
    keepLight(lightOf(picture_));
    canvasWidget().Refresh();
}

void ElSahl::drawWaves(double b, double x, double y, SahlOption option) {
    drawPointSource(state_.amfikyrtos, b, x, y, option);
    // The fronts always start at the point source just drawn, whatever the
    // workbench last drew.
    sahl::redrawFronts(state_, surface());
}

} // namespace windows
