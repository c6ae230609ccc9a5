#pragma once

#include "canvas/surface.h"
#include "optics/lensdata/thick_lens.h"
#include "optics/shared/point.h"

#include <optional>

namespace optics::lensdata {

// An object arrow standing on the axis at tip.x with its tip at tip, and its
// image by paraxial optics of the thick lens: 1/s + 1/s′ = 1/f, the object
// distance s measured from the principal point facing the object, the image
// distance s′ from the other one, both positive where they are real (the
// object before the lens, the image after it along the light), and the
// magnification m = −s′/s, negative for an inverted image. Light leaves the
// object towards the lens: towards +x from an object before the front
// vertex, towards −x from one after the back vertex, where the principal
// planes and the foci swap their parts.
struct ObjectImage {
    enum class Kind {
        Real,       // the light meets there after the lens
        Virtual,    // the light leaves as if from there
        AtInfinity, // the object at a focus: the light leaves parallel
        InLens,     // the object stands in the glass, where no formula of the lens in air holds
        NoFoci,     // a lens without power images nothing
    };
    Kind kind = Kind::NoFoci;
    int direction = 1;          // +1: light towards +x, −1 towards −x
    double objectPrincipal = 0; // x of the principal point facing the object
    double imagePrincipal = 0;  // x of the other one
    double objectFocus = 0;     // x of the focus on the object's side
    double imageFocus = 0;      // and on the other side
    double focalLength = 0;     // negative for a diverging lens
    double objectDistance = 0;  // s
    double imageDistance = 0;   // s′ (Real, Virtual)
    double magnification = 0;   // m (Real, Virtual)
    Point imageTip;             // (Real, Virtual)
};

// An image whose distance is beyond this many focal lengths lies at infinity
// as far as any window can tell.
constexpr double kImageAtInfinityRatio = 1e6;

// Empty when there is no lens or the tip is not finite.
std::optional<ObjectImage> objectImage(const ThickLens& lens, Point tip);

// The object arrow, its image (solid when real, dashed when virtual) and the
// three construction rays of the thick lens in thin dashes: parallel to the
// axis and through the far focus, through the near focus and out parallel,
// and through the principal points at the same angle. Nothing but the object
// when there is no image to draw.
void drawObjectImage(canvas::Surface& surface, Point tip, const std::optional<ObjectImage>& image);

inline constexpr canvas::Color kObjectColor = canvas::RGB(0, 120, 0);
inline constexpr canvas::Color kImageColor = canvas::RGB(220, 100, 0);
inline constexpr canvas::Color kConstructionColor = canvas::RGB(90, 90, 90);

} // namespace optics::lensdata
