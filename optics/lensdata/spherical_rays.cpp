#include "optics/lensdata/spherical_rays.h"

#include "optics/spherical/geometry.h"
#include "optics/spherical/refraction.h"
#include "optics/spherical/trace_support.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace optics::lensdata {

namespace sph = optics::spherical;

namespace {

struct Glass {
    sph::LensHit entry;
    sph::Refraction inside;
};

// Whether the ray cannot meet the disc about (xc, 0): its line passes
// clear of it (the distance from the centre, |cross product| / |direction|,
// exceeds the radius), or it starts outside the disc and runs away from it.
// The margins keep every ray the crossing search would still find. The glass
// lies inside both discs, so such a ray misses the lens; the test is far
// cheaper than the search, and most rays of a fan round a source miss.
bool missesDisc(double xc, double r, const RayStart& s) {
    constexpr double kMargin = 1 + 1e-6;
    const double cx = xc - s.x, cy = -s.y;
    const double cross = cx * s.dy - cy * s.dx;
    const double rr = r * r * kMargin;
    if (cross * cross > rr * (s.dx * s.dx + s.dy * s.dy)) {
        return true;
    }
    return cx * s.dx + cy * s.dy < 0 && cx * cx + cy * cy > rr;
}

// Where the ray enters the glass and its direction there; empty when it
// misses the lens, meets the diaphragm first or meets the face at or beyond
// the critical angle.
std::optional<Glass> enterGlass(const SphericalLens& lens, const sph::Diaphragm& diaphragm,
                                const RayStart& s) {
    if (!sph::hasDirection(s.dx, s.dy) || missesDisc(lens.xa, lens.radius1, s) ||
        missesDisc(lens.xb, lens.radius2, s)) {
        return std::nullopt;
    }
    int face = 0;
    const sph::LensHit entry =
        sph::lensEntry(lens.xa, lens.xb, lens.radius1, lens.radius2, s.dx, s.dy, s.x, s.y, face);
    if (!entry.hit || !sph::lensBeforeStop(sph::diaphragmAhead(diaphragm, s.x, s.y, s.dx, s.dy),
                                           s.x, s.y, entry.hx, entry.hy)) {
        return std::nullopt;
    }
    const sph::Refraction inside =
        sph::refractAtLensFaceExactly(entry.face, s.dx, s.dy, entry.hx, entry.hy, lens);
    if (!inside.ok) {
        return std::nullopt;
    }
    return Glass{entry, inside};
}

// Across the glass and out. A ray from inside the glass has already left it
// at its first crossing. One that went in and finds no way out grazes the
// face it entered (the critical angle, to rounding): no light leaves.
std::optional<ExitRay> leaveGlass(const SphericalLens& lens, const Glass& g, const Light& light) {
    const sph::LensHit& in = g.entry;
    const sph::LensHit out =
        sph::nextHit(lens, g.inside.dirx, g.inside.diry, in.hx, in.hy, in.face);
    ExitRay ray{in.hx, in.hy, g.inside.dirx, g.inside.diry, airPathTo(light, in.hx, in.hy), in.hy};
    if (!out.hit) {
        return g.inside.intoGlass ? std::nullopt : std::optional(ray);
    }
    const sph::Refraction bent =
        sph::refractAtLensFaceExactly(out.face, g.inside.dirx, g.inside.diry, out.hx, out.hy, lens);
    if (!bent.ok) {
        return std::nullopt;
    }
    ray.opticalPath += lens.deiktis * sph::apostasi(in.hx, in.hy, out.hx, out.hy);
    ray.x = out.hx;
    ray.y = out.hy;
    ray.dx = bent.dirx;
    ray.dy = bent.diry;
    return ray;
}

} // namespace

std::vector<ExitRay> traceExitRays(const SphericalLens& lens, const sph::Diaphragm& diaphragm,
                                   const Light& light, std::span<const RayStart> starts) {
    std::vector<ExitRay> out;
    out.reserve(starts.size());
    for (const RayStart& s : starts) {
        const std::optional<Glass> g = enterGlass(lens, diaphragm, s);
        const std::optional<ExitRay> ray = g ? leaveGlass(lens, *g, light) : std::nullopt;
        if (ray) {
            out.push_back(*ray);
        }
    }
    return out;
}

} // namespace optics::lensdata
