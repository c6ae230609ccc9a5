#include "optics/lensdata/sahl_rays.h"

#include <cmath>

namespace optics::lensdata {

std::vector<ExitRay> sahlExitRays(const optics::hyperbolic::Protosfakos& s, const Light& light) {
    const int rays = s.recordedRays();
    std::vector<ExitRay> out;
    out.reserve(static_cast<std::size_t>(rays));
    for (int i = 0; i < rays; ++i) {
        const double inGlass =
            std::hypot(s.exodosX[i] - s.eisodosX[i], s.exodosY[i] - s.eisodosY[i]);
        const double path = airPathTo(light, s.eisodosX[i], s.eisodosY[i]) + s.nsahl * inGlass;
        out.push_back(
            {s.exodosX[i], s.exodosY[i], s.exodosCos[i], s.exodosSin[i], path, s.eisodosY[i]});
    }
    return out;
}

} // namespace optics::lensdata
