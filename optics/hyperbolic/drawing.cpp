#include "optics/hyperbolic/drawing.h"

namespace optics::hyperbolic {

void drawRayPiece(SahlView& view, Point from, Point to, canvas::Color color) {
    if (!view.controls.onlyWaves) {
        view.surface.Line(from.x, from.y, to.x, to.y, color);
    }
}

void drawEmergingRay(SahlView& view, const RayExit& exit, double length) {
    const Point end{exit.at.x + length * exit.dirX, exit.at.y + length * exit.dirY};
    drawRayPiece(view, exit.at, end, canvas::colors::green);
}

void showCaption(SahlView& view, const std::string& caption) {
    if (view.setCaption) {
        view.setCaption(caption);
    }
}

} // namespace optics::hyperbolic
