#include "windows/workbench/lentoi.h"

#include "optics/lensdata/object_image.h"
#include "optics/lensdata/spherical_rays.h"
#include "windows/lens_data/lensdatatext.h"

#include <cmath>

namespace windows {

namespace ld = optics::lensdata;

namespace {

// The tip is taken within this many pixels of it.
constexpr double kTipReachPx = 6;

} // namespace

// An object is drawn over a picture without fans as a fan is; otherwise the
// picture is drawn again, the object in its place under the fans and the
// old one gone.
void Lentoi::placeObject(double x, double y) {
    Timer2.setInterval(11500);
    Timer2.setEnabled(false);
    if (picture_.object || !picture_.fans.empty()) {
        stopAnimation();
        WorkbenchPicture moved = picture_;
        moved.object = FanSource{x, y, controlValues()};
        drawPicture(moved);
    } else {
        showObject({x, y, controlValues()});
        canvasWidget().Refresh();
    }
}

// The tip sends the fan a Shift-click sends from there, which records its
// waves as that one does, and the lens shown images the arrow.
void Lentoi::showObject(const FanSource& tip) {
    drawFan(tip.x, tip.y, tip.drawnWith);
    picture_.object = tip;
    objectLight_ = lensData_.light();
    const std::optional<ld::ThickLens> lens =
        ld::thickLens(lensWith(indexFor(tip.drawnWith.deiktisdiathlasis)));
    const std::optional<ld::ObjectImage> image =
        lens ? ld::objectImage(*lens, {tip.x, tip.y}) : std::nullopt;
    ld::drawObjectImage(surface(), {tip.x, tip.y}, image);
}

bool Lentoi::onObjectTip(double x, double y) const {
    if (!picture_.object)
        return false;
    const canvas::Surface& view = surface();
    return std::abs(view.toPixelX(x) - view.toPixelX(picture_.object->x)) <= kTipReachPx &&
           std::abs(view.toPixelY(y) - view.toPixelY(picture_.object->y)) <= kTipReachPx;
}

// The object's group of the lens data: the image by the lens it was drawn
// with, and where the traced rays of its fan really meet.
void Lentoi::addObjectData(LensDataContent& content) const {
    if (!picture_.object || !objectLight_)
        return;
    const optics::Point tip{picture_.object->x, picture_.object->y};
    const std::optional<ld::ThickLens> lens = ld::thickLens(objectLight_->lens);
    const std::vector<ld::ExitRay> rays = ld::traceExitRays(
        objectLight_->lens, objectLight_->diaphragm, objectLight_->light, objectLight_->starts);
    addObjectContent(content, tip, lens ? ld::objectImage(*lens, tip) : std::nullopt,
                     ld::beamData(rays, waveField_->wavelength()).spot);
}

} // namespace windows
