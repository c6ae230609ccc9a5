#include "optics/hyperbolic/drawing.h"

#include "canvas/view.h"

namespace optics::hyperbolic {

void drawRayPiece(SahlView& view, Point from, Point to, canvas::Color color) {
    if (!view.controls.onlyWaves) {
        view.surface.Line(from.x, from.y, to.x, to.y, color);
    }
}

void drawRayOnward(SahlView& view, Point from, Point to, canvas::Color color) {
    const canvas::UserPoint end = canvas::reachingEnd(view.surface, {from.x, from.y}, {to.x, to.y});
    drawRayPiece(view, from, {end.x, end.y}, color);
}

void drawEmergingRay(SahlView& view, const RayExit& exit, double length) {
    const Point end{exit.at.x + length * exit.dirX, exit.at.y + length * exit.dirY};
    drawRayOnward(view, exit.at, end, canvas::colors::green);
}

void showCaption(SahlView& view, const std::string& caption) {
    if (view.setCaption) {
        view.setCaption(caption);
    }
}

} // namespace optics::hyperbolic
