#include "optics/hyperbolic/lens.h"

#include "optics/hyperbolic/hyperbola.h"

#include <algorithm>

namespace optics::hyperbolic {

Lens makeLens(double a, double b, double n) {
    return Lens{a, b, n, focalDistance(a, b), edgeHeight(b), (11.2 * a - 4 * a) / 700};
}

double boundedBeamSlope(double m) {
    return std::clamp(m, -kSteepestBeamSlope, kSteepestBeamSlope);
}

bool firstIsNearer(Point s, Point first, Point second) {
    return apostasiSahl(s.x, s.y, first.x, first.y) < apostasiSahl(s.x, s.y, second.x, second.y);
}

bool recordRay(Protosfakos& state, Point entry, const RayExit& exit) {
    const int i = state.shared.plithosaktinon;
    if (i < 0 || i > kMaxRecordedRay) {
        return false;
    }
    state.eisodosX[i] = entry.x;
    state.eisodosY[i] = entry.y;
    state.exodosX[i] = exit.at.x;
    state.exodosY[i] = exit.at.y;
    state.exodosCos[i] = static_cast<float>(exit.dirX);
    state.exodosSin[i] = static_cast<float>(exit.dirY);
    state.aktinaKatagrafi = 1;
    return true;
}

} // namespace optics::hyperbolic
