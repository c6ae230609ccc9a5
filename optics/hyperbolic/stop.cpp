#include "optics/hyperbolic/stop.h"

#include "optics/hyperbolic/hyperbola.h"

namespace optics::hyperbolic {

int signOf(double v) {
    return (v > 0) - (v < 0);
}

bool outsideOpening(const SahlControls& controls, double y) {
    return y > controls.stopTop || y < controls.stopBottom;
}

std::optional<Point> stopCrossingTowards(const SahlControls& controls, Point s, double m, Point p) {
    if (signOf(s.x - p.x) != signOf(s.x - controls.stopX)) {
        return std::nullopt;
    }
    return Point{controls.stopX, s.y + m * (controls.stopX - s.x)};
}

bool stoppedOnWayIn(SahlView& view, Point s, double m, Point p) {
    const auto t = stopCrossingTowards(view.controls, s, m, p);
    if (!t || apostasiSahl(s.x, s.y, t->x, t->y) > apostasiSahl(s.x, s.y, p.x, p.y) ||
        !outsideOpening(view.controls, t->y)) {
        return false;
    }
    canvas::Surface& surface = view.surface;
    surface.DrawWidth = 4;
    surface.PSet(t->x, t->y, canvas::colors::magenta);
    surface.DrawWidth = 1;
    if (!view.controls.onlyWaves) {
        surface.Line(s.x, s.y, t->x, t->y, canvas::colors::magenta);
    }
    return true;
}

} // namespace optics::hyperbolic
