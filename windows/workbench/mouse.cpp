#include "windows/workbench/lentoi.h"

#include "optics/spherical/tracer.h"
#include "optics/spherical/workbench.h"
#include "windows/common/blades.h"
#include "windows/common/controls.h"

#include <cmath>

namespace windows {

namespace sph = optics::spherical;

namespace {

enum Pointer { DefaultPointer = 0, CrossPointer = 2, SizeWestEastPointer = 9, SizeAllPointer = 15 };

using Zone = sph::Handle;

// A whole number a scroll bar can take: rounded, then held inside its range
// (a drop far off the axis must not leave the bar's range).
int clampedValue(const QScrollBar* bar, double value) {
    if (!std::isfinite(value))
        return value > 0 ? bar->maximum() : bar->minimum();
    return static_cast<int>(
        std::lround(std::clamp(value, double(bar->minimum()), double(bar->maximum()))));
}

} // namespace

// Which handle lies under (x, y); the first zone in order wins.
static Zone zoneAt(const Lentoi& window, const sph::Poreiaaktinon& lens, double x, double y) {
    return sph::handleAt(window.surface(), window.upperBlade(), window.lowerBlade(), lens.lens(), x,
                         y);
}

void Lentoi::Form_MouseDown(int /*button*/, int shift, double x, double y) {
    copyGeometry();
    const Zone zone = zoneAt(*this, state_, x, y);
    // One flag per zone, in the order of the zones.
    bool* const flags[] = {nullptr,  &diafragma1, &diafragma2, &kentro1,
                           &kentro2, &koryfi1,    &koryfi2};
    if (bool* flag = flags[static_cast<int>(zone)])
        *flag = true;
    // Only a press that drew a fan keeps its picture through the click that
    // follows; a Shift-drag of a handle clears and redraws as any drag does.
    fanDrawn_ = false;
    // The object's tip is taken, or the object placed, by a press beside
    // every handle; its click keeps the picture as a fan's does.
    const bool placing = shift == (canvas::ShiftKey | canvas::CtrlKey);
    if (zone == Zone::None && ((shift != canvas::ShiftKey && onObjectTip(x, y)) || placing)) {
        objectDrag_ = fanDrawn_ = true;
        if (placing)
            placeObject(x, y);
        if (Check2->isChecked())
            armPointAnimation();
        return;
    }
    if (shift != canvas::ShiftKey)
        return;
    if (zone == Zone::None) {
        startFan(x, y);
        fanDrawn_ = true;
    }
    state_.isepanalipsi = false;
    pigi.Left = x;
    pigi.Top = y;
    if (Check2->isChecked())
        armPointAnimation();
    state_.shared.pigiX = x;
    state_.shared.pigiY = y;
    canvasWidget().Refresh();
}

void Lentoi::startFan(double x, double y) {
    desmipigis = true;
    state_.shared.pigiX = x;
    state_.shared.pigiY = y;
    Timer2.setInterval(11500);
    Timer2.setEnabled(false);
    const WorkbenchDrawing drawing = controlValues();
    drawFan(x, y, drawing);
    picture_.fans.push_back({x, y, drawing});
    state_.isepanalipsi = false;
}

// The fan from (x, y) over the picture; its waves are the record from now on.
void Lentoi::drawFan(double x, double y, const WorkbenchDrawing& drawing) {
    state_.isepanalipsi = false;
    copyGeometry();
    // The fan's step is the module's, as the index is: set for each drawing.
    state_.anglestep = anglestep(drawing.desmi1, drawing.arvimaton);
    const sph::BundleControls controls{diaphragm(), drawing.Check1, drawing.Check2,
                                       drawing.deiktisdiathlasis};
    const double n = indexFor(drawing.deiktisdiathlasis);
    const auto mark = [this, n](double x00, double y00, double xa, double xb, double r1,
                                double r2) { aktinaideal(x00, y00, xa, xb, r1, r2, n); };
    double x0 = x, y0 = y;
    sph::pointBundle(surface(), state_, controls, mark, state_.xa, state_.xb, state_.radius1,
                     state_.radius2, x0, y0);
    recordedRays_ = state_.shared.plithosaktinon;
    recordContents_ = recordedRays_ > 0
                          ? WaveRecordContents{WaveRecordContents::Kind::Fan, {x, y}, drawing}
                          : WaveRecordContents{};
    setDrawnLens();
    setPictureLight(makeSentLight(optics::lensdata::PointSource{x, y}, 0, recordedRays_,
                                  fanStarts(x, y, state_.anglestep), n));
}

void Lentoi::armPointAnimation() {
    kymatachronika->setEnabled(true);
    Timer2.setInterval(1500);
    parallilakymata->setEnabled(false);
    Timer2.setEnabled(false);
    Timer1.setInterval(1500);
}

void Lentoi::Form_MouseMove(int /*button*/, int /*shift*/, double x, double y) {
    copyGeometry();
    if (objectDrag_) {
        placeObject(x, y);
        return;
    }
    const Zone zone = zoneAt(*this, state_, x, y);
    const auto follow = [&](canvas::ShapeControl& marker) {
        marker.Visible = true;
        marker.Width = surface().ViewWidth() / 100;
        marker.Left = x - marker.Width / 2;
        marker.Top = marker.Height / 2;
        canvasWidget().update();
    };
    if (zone == Zone::UpperBlade || diafragma1 || zone == Zone::LowerBlade || diafragma2) {
        mousePointer_ = CrossPointer;
    } else if (zone == Zone::Centre1 || kentro1) {
        mousePointer_ = CrossPointer;
        if (kentro1)
            follow(Shape1);
    } else if (zone == Zone::Centre2 || kentro2) {
        mousePointer_ = CrossPointer;
        if (kentro2)
            follow(Shape2);
    } else if (zone == Zone::Vertex1 || koryfi1 || zone == Zone::Vertex2 || koryfi2) {
        mousePointer_ = SizeWestEastPointer;
    } else if (onObjectTip(x, y)) {
        mousePointer_ = SizeAllPointer;
    } else {
        mousePointer_ = DefaultPointer;
    }
    canvasWidget().setCursor(mousePointer_ == CrossPointer          ? Qt::CrossCursor
                             : mousePointer_ == SizeWestEastPointer ? Qt::SizeHorCursor
                             : mousePointer_ == SizeAllPointer      ? Qt::SizeAllCursor
                                                                    : Qt::ArrowCursor);
}

void Lentoi::Form_MouseUp(int /*button*/, int /*shift*/, double x, double y) {
    copyGeometry();
    if (desmipigis) {
        desmipigis = false;
        return;
    }
    if (objectDrag_) {
        objectDrag_ = false;
        if (!picture_.object || !picture_.object->at(x, y))
            placeObject(x, y);
        return;
    }
    dropHandle(x, y);
    if (Check2->isChecked())
        armPointAnimation();
    canvasWidget().Refresh();
}

void Lentoi::dropHandle(double x, double y) {
    if (diafragma1) {
        diafragma1 = false;
        dropUpperBlade(x, y);
    } else if (kentro1) {
        kentro1 = false;
        kentrokykloy2->setValue(x > 0 ? 0 : clampedValue(kentrokykloy2, x));
        Shape1.Visible = false;
        arxinizo();
    } else if (kentro2) {
        kentro2 = false;
        kentrokykloy->setValue(x < 0 ? 0 : clampedValue(kentrokykloy, x));
        Shape2.Visible = false;
        arxinizo();
    } else if (koryfi1) {
        koryfi1 = false;
        aktina1->setValue(clampedValue(aktina1, std::floor(std::abs(x - state_.xa))));
        arxinizo();
    } else if (koryfi2) {
        koryfi2 = false;
        aktina2->setValue(clampedValue(aktina2, std::floor(std::abs(x - state_.xb))));
        arxinizo();
    } else if (diafragma2) {
        diafragma2 = false;
        blades::dropLower(Line1, Line2, surface(), x, y);
        barsFollowBlades();
        arxinizo();
    }
}

// The bars are the master copy of the blades: after a drop they say where the
// blades are, as near as their whole values and ranges allow, so that a
// later step of a bar or a set-up starts from there. The drop has drawn
// what it draws; the bars' own handlers would draw the bundle too.
void Lentoi::barsFollowBlades() {
    const auto valueFor = [](QScrollBar* bar, double place, auto placeAt) {
        const double zero = placeAt(0);
        return clampedValue(bar, (place - zero) * 100 / (placeAt(100) - zero));
    };
    setQuietly(HScroll1, valueFor(HScroll1, Line1.X1, [this](int v) { return bladeX(v); }));
    setQuietly(VScroll1, valueFor(VScroll1, Line1.Y2, [this](int v) { return upperTipY(v); }));
    setQuietly(VScroll2, valueFor(VScroll2, Line2.Y2, [this](int v) { return lowerTipY(v); }));
}

void Lentoi::dropUpperBlade(double x, double y) {
    blades::dropUpper(Line1, Line2, surface(), x, y);
    barsFollowBlades();
    arxinizo();
}

} // namespace windows
