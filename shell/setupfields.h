#pragma once

#include "shell/setup.h"

namespace shell {

// The fields of a set-up file: their names (the controls' own names), the
// order in which they are written and the ranges of the integer controls.
// The writer and the reader both walk this one description, so the two
// cannot drift apart. A visitor v is called with each field in turn:
//
//   v.integer(name, value, min, max)  a control's integer value, min..max
//   v.number(name, value)             any finite number
//   v.number(name, value, min, max)   a number held in min..max
//   v.angle(name, value)              the light's angle to the axis, in degrees
//   v.choice(name, value, names)      one of a list of names
//   v.object(name, body)              a nested object; body() visits its fields
//   v.optionalPoint(name, point, f)   an object {x, y, ...}, or no field at all
//   v.boolean(name, value)            true or false
//   v.points(name, points, most, f)   a list of at most most objects {x, y, ...}
//   v.defaultsTo(value, start, body)  fields body() visits, written only when
//                                     value is not start; read onto start
//
// f(point) visits the fields of one point, x and y among them.
//
// S is the set-up or one of its parts, const when it is being written.

template <class E> struct SetupChoice {
    E value;
    const char* name;
};

inline constexpr SetupChoice<FrontWindow> kFrontWindows[] = {
    {FrontWindow::Lentoi, "lentoi"},
    {FrontWindow::Moniaktina, "moniaktina"},
    {FrontWindow::ElSahl, "ElSahl"},
};

inline constexpr SetupChoice<windows::WorkbenchPicture::Base> kLentoiDrawings[] = {
    {windows::WorkbenchPicture::Base::Lens, "lens"},
    {windows::WorkbenchPicture::Base::ParallelBundle, "bundle"},
    {windows::WorkbenchPicture::Base::FanWaves, "fan waves"},
    {windows::WorkbenchPicture::Base::BundleWaves, "bundle waves"},
};

inline constexpr SetupChoice<windows::WaveRecordContents::Kind> kLentoiRecords[] = {
    {windows::WaveRecordContents::Kind::Nothing, "nothing"},
    {windows::WaveRecordContents::Kind::Fan, "fan"},
    {windows::WaveRecordContents::Kind::Bundle, "bundle"},
};

inline constexpr SetupChoice<windows::SingleRayPicture::Kind> kMoniaktinaDrawings[] = {
    {windows::SingleRayPicture::Kind::Outline, "outline"},
    {windows::SingleRayPicture::Kind::Ray, "ray"},
};

inline constexpr SetupChoice<ElSahlSetup::Option> kElSahlOptions[] = {
    {ElSahlSetup::Option::kymataYESNO, "kymataYESNO"},
    {ElSahlSetup::Option::RAYSANDWAVES, "RAYSANDWAVES"},
    {ElSahlSetup::Option::onlyrays, "onlyrays"},
};

// Whether the lens is biconvex.
inline constexpr SetupChoice<bool> kElSahlLenses[] = {
    {false, "plano-convex"},
    {true, "biconvex"},
};

inline constexpr SetupChoice<windows::SahlPicture::Drawing> kElSahlDrawings[] = {
    {windows::SahlPicture::Drawing::Nothing, "nothing"},
    {windows::SahlPicture::Drawing::PointSource, "source"},
    {windows::SahlPicture::Drawing::Beam, "beam"},
};

inline constexpr SetupChoice<windows::WaveFieldMode> kWaveFieldModes[] = {
    {windows::WaveFieldMode::Off, "off"},
    {windows::WaveFieldMode::Intensity, "intensity"},
    {windows::WaveFieldMode::Wave, "wave"},
};

// The wavelengths [ and ] choose among, named as they are written.
inline constexpr SetupChoice<double> kLentoiFieldWavelengths[] = {
    {windows::kLentoiWavelengths[0], "25"},
    {windows::kLentoiWavelengths[1], "12.5"},
    {windows::kLentoiWavelengths[2], "6.25"},
    {windows::kLentoiWavelengths[3], "3.125"},
};
inline constexpr SetupChoice<double> kElSahlFieldWavelengths[] = {
    {windows::kElSahlWavelengths[0], "15"},
    {windows::kElSahlWavelengths[1], "7.5"},
    {windows::kElSahlWavelengths[2], "3.75"},
    {windows::kElSahlWavelengths[3], "1.875"},
};

// Colours are red + 256 * green + 65536 * blue.
inline constexpr int kLargestColor = 0xFFFFFF;

// Every fan is drawn again when a set-up is opened, a few milliseconds each
// at most: a file cannot ask for more than a few seconds of drawing.
inline constexpr int kMostFans = 1000;

template <class V, class S> void visitPoint(V& v, S& point) {
    v.number("x", point.x);
    v.number("y", point.y);
}

template <class V, class S> void visitBlade(V& v, S& blade) {
    v.number("x", blade.x);
    v.number("Y2", blade.Y2);
}

// The zoom in quarter octaves (2^(zoomStep/4) times the window's own scale)
// and the middle of the view from the middle of that scale.
template <class V, class S> void visitView(V& v, S& view) {
    v.object("view", [&] {
        v.integer("zoomStep", view.zoomStep, windows::SetupView::kLeastStep,
                  windows::SetupView::kMostStep);
        v.object("pan", [&] { visitPoint(v, view.pan); });
    });
}

template <class V, class S, class Bars> void visitBars(V& v, S& s, const Bars& bars) {
    for (const auto& bar : bars)
        v.integer(bar.name, s.*bar.value, bar.design.min, bar.design.max);
}

// The values a part of the workbench's picture was drawn with, written only
// where they are not the controls' values: a file without them (as every
// file was before they were kept) draws with the controls' values.
template <class V, class D>
void visitDrawnWith(V& v, D& drawn, const windows::WorkbenchDrawing& controls) {
    namespace bars = windows::lentoi_bars;
    v.defaultsTo(drawn, controls, [&] {
        v.object("drawnWith", [&] {
            v.integer("deiktisdiathlasis", drawn.deiktisdiathlasis, bars::deiktisdiathlasis.min,
                      bars::deiktisdiathlasis.max);
            v.integer("desmi1", drawn.desmi1, bars::desmi1.min, bars::desmi1.max);
            v.integer("arvimaton", drawn.arvimaton, bars::arvimaton.min, bars::arvimaton.max);
            v.boolean("Check1", drawn.Check1);
            v.boolean("Check2", drawn.Check2);
        });
    });
}

template <class V, class S> void visitLentoi(V& v, S& s) {
    visitBars(v, s, windows::kLentoiBars);
    v.integer("Check1", s.Check1, 0, 1);
    v.integer("Check2", s.Check2, 0, 1);
    // Read by now, as the picture's parts are read onto them.
    const windows::WorkbenchDrawing controls = s.controls();
    const auto visitFan = [&](auto& fan) {
        visitPoint(v, fan);
        visitDrawnWith(v, fan.drawnWith, controls);
    };
    v.boolean("aktina1Moved", s.aktina1Moved);
    v.boolean("aktina2Moved", s.aktina2Moved);
    v.object("Line1", [&] {
        visitBlade(v, s.Line1);
        v.integer("BorderColor", s.line1BorderColor, 0, kLargestColor);
    });
    v.object("Line2", [&] { visitBlade(v, s.Line2); });
    v.object("pigi", [&] { visitPoint(v, s.pigi); });
    v.angle("bundleAngle", s.bundleAngleDeg);
    v.choice("drawn", s.picture.base, kLentoiDrawings);
    v.integer("waveSteps", s.picture.animationSteps, 0, windows::WorkbenchPicture::kAnimationSteps);
    v.defaultsTo(s.picture.indexChanges, {}, [&] {
        namespace bars = windows::lentoi_bars;
        v.objects("waveIndexChanges", s.picture.indexChanges,
                  windows::WorkbenchPicture::kAnimationSteps, [&](auto& change) {
                      v.integer("step", change.step, 1, windows::WorkbenchPicture::kAnimationSteps);
                      v.integer("deiktisdiathlasis", change.deiktisdiathlasis,
                                bars::deiktisdiathlasis.min, bars::deiktisdiathlasis.max);
                  });
    });
    visitDrawnWith(v, s.picture.drawnWith, controls);
    v.points("fans", s.picture.fans, kMostFans, visitFan);
    v.optionalPoint("object", s.picture.object, visitFan);
    v.object("waveRecord", [&] {
        v.choice("of", s.recorded.kind, kLentoiRecords);
        visitPoint(v, s.recorded.fan);
        if (s.recorded.kind != windows::WaveRecordContents::Kind::Nothing)
            visitDrawnWith(v, s.recorded.drawnWith, controls);
    });
    v.boolean("lensData", s.lensData);
    v.choice("waveField", s.waveField, kWaveFieldModes);
    v.choice("waveFieldWavelength", s.waveFieldWavelength, kLentoiFieldWavelengths);
    visitView(v, s.view);
}

template <class V, class S> void visitMoniaktina(V& v, S& s) {
    visitBars(v, s, windows::kMoniaktinaBars);
    v.boolean("deiktisdiathlasisMoved", s.deiktisdiathlasisMoved);
    v.optionalPoint("fos", s.fos, [&](auto& point) { visitPoint(v, point); });
    v.object("aim", [&] {
        v.number("x", s.picture.aimX);
        v.number("y", s.picture.aimY);
    });
    v.choice("drawn", s.picture.kind, kMoniaktinaDrawings);
    // The index it was drawn with, where not the bar's now.
    v.defaultsTo(s.picture.deiktisdiathlasis, s.deiktisdiathlasis, [&] {
        v.object("drawnWith", [&] {
            v.integer("deiktisdiathlasis", s.picture.deiktisdiathlasis,
                      windows::moniaktina_bars::deiktisdiathlasis.min,
                      windows::moniaktina_bars::deiktisdiathlasis.max);
        });
    });
    v.boolean("lensData", s.lensData);
    visitView(v, s.view);
}

template <class V, class S> void visitEisagogiko(V& v, S& s) {
    v.integer("deiktissahl", s.deiktissahl, kDeiktissahlBar.min, kDeiktissahlBar.max);
    v.boolean("deiktissahlMoved", s.deiktissahlMoved);
}

// chosenIndex: the lens choice's index, read by now.
template <class V, class S> void visitElSahl(V& v, S& s, double chosenIndex) {
    v.choice("option", s.option, kElSahlOptions);
    v.choice("lens", s.picture.biconvex, kElSahlLenses);
    v.object("Line1", [&] { visitBlade(v, s.Line1); });
    v.object("Line2", [&] { visitBlade(v, s.Line2); });
    v.object("source", [&] { visitPoint(v, s.source); });
    v.angle("beamAngle", s.picture.beamAngleDeg);
    v.choice("drawn", s.picture.drawing, kElSahlDrawings);
    // The options and the indices the drawings were made with, where not the
    // option and the lens choice's index now: a file without them draws with
    // those now.
    const auto visitIndex = [&](const char* name, auto& index) {
        v.defaultsTo(index, chosenIndex, [&] {
            v.number(name, index, sahlIndex(kDeiktissahlBar.min), sahlIndex(kDeiktissahlBar.max));
        });
    };
    if (s.picture.drawing != windows::SahlPicture::Drawing::Nothing) {
        v.defaultsTo(s.picture.drawnWith, s.option,
                     [&] { v.choice("drawnWith", s.picture.drawnWith, kElSahlOptions); });
        visitIndex("drawnWithIndex", s.picture.index);
    }
    v.boolean("waves", s.picture.waves);
    if (s.picture.waves) {
        v.defaultsTo(s.picture.wavesDrawnWith, s.option,
                     [&] { v.choice("wavesDrawnWith", s.picture.wavesDrawnWith, kElSahlOptions); });
        visitIndex("wavesDrawnWithIndex", s.picture.wavesIndex);
    }
    v.boolean("lensData", s.lensData);
    v.choice("waveField", s.waveField, kWaveFieldModes);
    v.choice("waveFieldWavelength", s.waveFieldWavelength, kElSahlFieldWavelengths);
    visitView(v, s.view);
}

// Everything after the "format" field, which the reader checks first.
template <class V, class S> void visitSetup(V& v, S& s) {
    v.choice("front", s.front, kFrontWindows);
    v.object("lentoi", [&] { visitLentoi(v, s.lentoi); });
    v.object("moniaktina", [&] { visitMoniaktina(v, s.moniaktina); });
    v.object("eisagogiko", [&] { visitEisagogiko(v, s.eisagogiko); });
    v.object("ElSahl", [&] { visitElSahl(v, s.elSahl, sahlIndex(s.eisagogiko.deiktissahl)); });
}

} // namespace shell
