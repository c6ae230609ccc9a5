#pragma once

#include "optics/spherical/lens.h"

#include <optional>

namespace optics::lensdata {

using optics::spherical::SphericalLens;

// Paraxial optics of the workbench's spherical lens, the glass inside both
// circles (xa, 0), radius1 and (xb, 0), radius2, in air, for light travelling
// towards +x. Lengths are workbench units, positions x on the axis.
//
// The glass meets the axis between the front vertex (the −x end) and the back
// vertex (the +x end). Each face near its vertex is an arc of the circle that
// bounds the glass there (of the smaller circle where both do), so both
// faces bulge outwards: in the usual signs the front radius is positive, the
// back radius negative. When one circle lies inside the other (or both are
// one circle) the glass is the inner disc, a ball lens whose two faces are
// the same circle.
struct ThickLens {
    double frontVertex = 0, backVertex = 0;
    double frontRadius = 0, backRadius = 0; // signed: centre right of the vertex is +
    double thickness = 0;                   // backVertex − frontVertex
    bool ballLens = false;

    // Empty when the lens has no power (an index of 1, for instance): parallel
    // light leaves it parallel and it has no foci.
    struct Foci {
        double focalLength = 0;      // effective focal length 1/P, negative when diverging
        double backFocalLength = 0;  // back vertex to the back focus F′, + beyond the lens
        double frontFocalLength = 0; // front focus F to the front vertex, + before the lens
        double frontFocus = 0, backFocus = 0;         // x of F and F′
        double frontPrincipal = 0, backPrincipal = 0; // x of the principal planes H and H′
    };
    std::optional<Foci> foci;
};

// Empty when there is no lens: the discs do not overlap (or touch at one
// point only), a radius is not positive, the index is not positive, or a
// value is not finite.
std::optional<ThickLens> thickLens(const SphericalLens& glass);

} // namespace optics::lensdata
