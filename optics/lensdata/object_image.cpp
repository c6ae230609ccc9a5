#include "optics/lensdata/object_image.h"

#include <cmath>

namespace optics::lensdata {

std::optional<ObjectImage> objectImage(const ThickLens& lens, Point tip) {
    if (!std::isfinite(tip.x) || !std::isfinite(tip.y))
        return std::nullopt;
    ObjectImage image;
    if (!lens.foci)
        return image;
    if (tip.x >= lens.frontVertex && tip.x <= lens.backVertex) {
        image.kind = ObjectImage::Kind::InLens;
        return image;
    }
    const ThickLens::Foci& foci = *lens.foci;
    const bool forward = tip.x < lens.frontVertex;
    image.direction = forward ? 1 : -1;
    image.objectPrincipal = forward ? foci.frontPrincipal : foci.backPrincipal;
    image.imagePrincipal = forward ? foci.backPrincipal : foci.frontPrincipal;
    image.objectFocus = forward ? foci.frontFocus : foci.backFocus;
    image.imageFocus = forward ? foci.backFocus : foci.frontFocus;
    const double f = image.focalLength = foci.focalLength;
    const double s = image.objectDistance = image.direction * (image.objectPrincipal - tip.x);
    // s′ = s·f/(s − f), written so that no difference of two near values is
    // divided by: 1/s′ = 1/f − 1/s.
    const double inverse = 1 / f - 1 / s;
    const double sPrime = 1 / inverse;
    if (!std::isfinite(sPrime) || std::abs(sPrime) > kImageAtInfinityRatio * std::abs(f)) {
        image.kind = ObjectImage::Kind::AtInfinity;
        return image;
    }
    image.imageDistance = sPrime;
    // At the principal point itself the image is the object, upright.
    image.magnification = s == 0 ? 1 : -sPrime / s;
    image.imageTip = {image.imagePrincipal + image.direction * sPrime, image.magnification * tip.y};
    if (!std::isfinite(image.imageTip.y) || !std::isfinite(image.objectDistance)) {
        image.kind = ObjectImage::Kind::AtInfinity;
        return image;
    }
    const double exitVertex = forward ? lens.backVertex : lens.frontVertex;
    const bool beyondLens = image.direction * (image.imageTip.x - exitVertex) > 0;
    image.kind = beyondLens ? ObjectImage::Kind::Real : ObjectImage::Kind::Virtual;
    return image;
}

namespace {

// The construction lines run on to the edge of any window.
constexpr double kFar = 1e9;

// The arrow's head is this many pixels long and half as wide each side.
constexpr double kHeadPx = 8;

// An arrow from the axis at x to (x, y); a dashed one is two pixels wide all
// the same, two thin dashed lines side by side.
void drawArrow(canvas::Surface& view, double x, double y, canvas::Color color,
               canvas::PenStyle style) {
    const double unitX = std::abs(view.ViewWidth()) / std::max(view.widthPx(), 1);
    const double unitY = std::abs(view.ViewHeight()) / std::max(view.heightPx(), 1);
    if (style == canvas::PenStyle::Solid) {
        view.DrawWidth = 2;
        view.Line(x, 0, x, y, color);
    } else {
        view.DrawWidth = 1;
        view.DrawStyle = style;
        view.Line(x, 0, x, y, color);
        view.Line(x + unitX, 0, x + unitX, y, color);
        view.DrawStyle = canvas::PenStyle::Solid;
    }
    view.DrawWidth = 2;
    if (y != 0) {
        const double back = y > 0 ? -kHeadPx * unitY : kHeadPx * unitY;
        view.Line(x, y, x - kHeadPx / 2 * unitX, y + back, color);
        view.Line(x, y, x + kHeadPx / 2 * unitX, y + back, color);
    }
    view.DrawWidth = 1;
}

// One construction ray: from the tip to the plane facing the object at
// height h, across to the other plane at the same height, and out along
// (dx, dy) turned to travel with the light; a virtual image also gets the
// line back from there to the image.
void drawConstructionRay(canvas::Surface& view, Point tip, const ObjectImage& image, double h,
                         double dx, double dy) {
    if (dx * image.direction < 0) {
        dx = -dx;
        dy = -dy;
    }
    const double length = std::hypot(dx, dy);
    if (!(length > 0) || !std::isfinite(length))
        return;
    const double x1 = image.objectPrincipal, x2 = image.imagePrincipal;
    view.Line(tip.x, tip.y, x1, h, kConstructionColor);
    view.Line(x1, h, x2, h, kConstructionColor);
    view.Line(x2, h, x2 + dx / length * kFar, h + dy / length * kFar, kConstructionColor);
    if (image.kind == ObjectImage::Kind::Virtual)
        view.Line(x2, h, image.imageTip.x, image.imageTip.y, kConstructionColor);
}

void drawConstruction(canvas::Surface& view, Point tip, const ObjectImage& image) {
    view.DrawWidth = 1;
    view.DrawStyle = canvas::PenStyle::Dash;
    // Parallel to the axis, out through the far focus (away from it when
    // the lens diverges).
    drawConstructionRay(view, tip, image, tip.y, image.imageFocus - image.imagePrincipal, -tip.y);
    // Through the near focus, out parallel to the axis: the line from the
    // tip through that focus meets the principal plane at the image's height.
    if (tip.x != image.objectFocus) {
        const double h =
            tip.y * (image.objectFocus - image.objectPrincipal) / (image.objectFocus - tip.x);
        drawConstructionRay(view, tip, image, h, image.direction, 0);
    }
    // Through the principal points, out at the angle it came in.
    drawConstructionRay(view, tip, image, 0, image.objectPrincipal - tip.x, -tip.y);
    view.DrawStyle = canvas::PenStyle::Solid;
}

} // namespace

void drawObjectImage(canvas::Surface& view, Point tip, const std::optional<ObjectImage>& image) {
    if (!std::isfinite(tip.x) || !std::isfinite(tip.y))
        return;
    const canvas::PenStyle pen = view.DrawStyle;
    const int width = view.DrawWidth;
    drawArrow(view, tip.x, tip.y, kObjectColor, canvas::PenStyle::Solid);
    if (image && image->kind != ObjectImage::Kind::InLens &&
        image->kind != ObjectImage::Kind::NoFoci)
        drawConstruction(view, tip, *image);
    if (image &&
        (image->kind == ObjectImage::Kind::Real || image->kind == ObjectImage::Kind::Virtual))
        drawArrow(view, image->imageTip.x, image->imageTip.y, kImageColor,
                  image->kind == ObjectImage::Kind::Real ? canvas::PenStyle::Solid
                                                         : canvas::PenStyle::Dash);
    view.DrawStyle = pen;
    view.DrawWidth = width;
}

} // namespace optics::lensdata
